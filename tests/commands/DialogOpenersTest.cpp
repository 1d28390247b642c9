// Buttons that preset an insertion dialog and show it without waiting for it.
#include "CommandTest.h"
#include "dialogs/Fonty.h"
#include "dialogs/Imager.h"

using namespace orvel;

namespace {

using DialogOpenersTest = orvel::test::CommandTest;

TEST_F(DialogOpenersTest, ButtonsShowTheirDialogPreset)
{
    const std::pair<const char*, const char*> rows[] = {
        {"Images", "Insert Image"},
        {"table", "Create Table: Orvel"},
        {"Row", "Insert Row"}, // the table dialog in row mode
        {"rule", "Insert Horizontal Rule: Orvel"},
        {"object", "Insert Object"},
        {"BeginFont", "Font: Select text and perform operation - Orvel"},
        {"btnmorefonts", "Font: Orvel"},
    };
    for (const auto& [button, caption] : rows) {
        setMarked("[x]");
        press(button);
        QWidgetList shown;
        for (QWidget* d : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (d->isWindow() && d->isVisible())
                shown << d;
        ASSERT_EQ(shown.size(), 1) << button;
        EXPECT_EQ(shown[0]->windowTitle(), QString::fromUtf8(caption)) << button;
        shown[0]->close();
        QCoreApplication::processEvents();
    }
    // A second click brings the open dialog forward instead of making another.
    press("Images");
    press("Images");
    EXPECT_EQ(w->findChildren<ImagerDialog*>().size(), 1);
}

// The font dialog works on a copy of the selection, all of it selected; the page stays as it was.
TEST_F(DialogOpenersTest, FontEditingWorksOnACopyOfTheSelection)
{
    setMarked("a [big] word");
    press("BeginFont");
    auto* d = w->findChild<FontyDialog*>();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->Text1->selText(), QStringLiteral("big"));
    EXPECT_EQ(d->Text1->text(), QStringLiteral("big"));
    EXPECT_EQ(marked(), QStringLiteral("a [big] word"));
}

} // namespace
