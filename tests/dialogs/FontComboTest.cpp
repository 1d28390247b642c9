#include "dialogs/FontCombo.h"
#include "DialogTest.h"

#include <QComboBox>
#include <QLabel>

using namespace orvel;
using namespace orvel::test;

namespace {

class FontComboTest : public DialogTest {};

TEST_F(FontComboTest, ListsEveryInstalledFontAndPreviewsTheChosenOne)
{
    ui.fonts = {q("Zapf"), q("Arial"), q("Courier New")};
    auto* f = dialogFor<FontComboDialog>({w.get(), w->Text1});
    ASSERT_EQ(f->combo1->count(), 3);
    EXPECT_EQ(f->combo1->itemText(0), q("Zapf"));
    EXPECT_EQ(f->combo1->currentText(), q("Times New Roman"));
    f->combo1->setCurrentIndex(2);
    EXPECT_EQ(f->Label1->font().family(), q("Courier New"));
}

TEST_F(FontComboTest, SetWrapsTheMainSelectionAndUnloads)
{
    const std::pair<int, const char*> rows[] = {
        {5, "say <font face= \"Arial\">hello </font>| now"},
        {0, "say <font face= \"Arial\"> </font>|hello now"}};
    for (const auto& [length, after] : rows) {
        setPage(q("say hello now"), 4, length);
        QPointer<FontComboDialog> f = open<FontComboDialog>();
        f->combo1->setCurrentIndex(0);
        click(f->Command1);
        EXPECT_EQ(marked(), q(after));
        EXPECT_TRUE(unloaded(f));
    }
}

} // namespace
