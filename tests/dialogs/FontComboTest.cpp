// The installed-fonts dialog: every installed family listed, the preview, and the face wrapper.
#include "dialogs/FontCombo.h"
#include "support/Fixtures.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace orvel;

namespace {

class FontComboTest : public orvel::test::SourceWindowTest {};

TEST_F(FontComboTest, ListsEveryInstalledFontAndPreviewsTheChosenOne)
{
    ui.fonts = {QStringLiteral("Zapf"), QStringLiteral("Arial"), QStringLiteral("Courier New")};
    auto* f = w->form<FontComboDialog>();
    EXPECT_EQ(f->objectName(), QStringLiteral("fontcombo"));
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Font: Orvel"));
    ASSERT_EQ(f->combo1->count(), 3);
    EXPECT_EQ(f->combo1->itemText(0), QStringLiteral("Zapf"));
    EXPECT_EQ(f->combo1->currentText(), QStringLiteral("Times New Roman"));
    f->combo1->setCurrentIndex(2);
    EXPECT_EQ(f->Label1->text(), QStringLiteral("Preview"));
    EXPECT_EQ(f->Label1->font().family(), QStringLiteral("Courier New"));
}

TEST_F(FontComboTest, SetWrapsTheMainSelectionAndUnloads)
{
    const struct {
        int start, length;
        const char* after;
    } rows[] = {
        {4, 5, "say <font face= \"Arial\">hello </font>| now"},
        {4, 0, "say <font face= \"Arial\"> </font>|hello now"},
    };
    for (const auto& r : rows) {
        setPage(QStringLiteral("say hello now"), r.start, r.length);
        auto* f = w->form<FontComboDialog>();
        f->show();
        f->combo1->setCurrentIndex(0);
        QTest::mouseClick(f->Command1, Qt::LeftButton);
        EXPECT_EQ(marked(), QString::fromUtf8(r.after));
        EXPECT_TRUE(f->isHidden());
        EXPECT_EQ(w->findChild<FontComboDialog*>(), nullptr);
    }
}

} // namespace
