#include "dialogs/FontCombo.h"
#include "DialogTest.h"

#include <QComboBox>
#include <QLabel>

using namespace orvel;
using namespace orvel::test;

namespace {

class FontComboTest : public DialogTest {};

// Every installed font is listed and previewed; Set wraps the selection, or inserts at the caret.
TEST_F(FontComboTest, SetWrapsTheMainSelectionInTheChosenFontAndUnloads)
{
    ui.fonts = {q("Zapf"), q("Arial"), q("Courier New")};
    const std::pair<int, const char*> rows[] = {
        {5, "say <font face= \"Courier New\">hello </font>| now"},
        {0, "say <font face= \"Courier New\"> </font>|hello now"}};
    for (const auto& [length, after] : rows) {
        setPage(q("say hello now"), 4, length);
        QPointer<FontComboDialog> f = open<FontComboDialog>();
        ASSERT_EQ(f->combo1->count(), 3);
        EXPECT_EQ(f->combo1->currentText(), q("Times New Roman"));
        f->combo1->setCurrentIndex(2);
        EXPECT_EQ(f->Label1->font().family(), q("Courier New"));
        click(f->Command1);
        EXPECT_EQ(marked(), q(after));
        EXPECT_TRUE(unloaded(f));
    }
}

} // namespace
