// Buttons that preset an insertion dialog and show it without waiting for it.
#include "CommandTest.h"
#include "dialogs/Fonty.h"
#include "dialogs/Heading.h"
#include "dialogs/Imager.h"
#include "dialogs/LinkComplete.h"

#include <QPushButton>
#include <QRadioButton>
#include <tuple>

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
        {"InsertHead", "Insert Heading"},
        {"linker", "Insert Hyperlink: Orvel"},
        {"Mail", "Insert Hyperlink: Orvel"},
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

// Button and menu entry open the dialog preset; its OK writes the markup over the selection.
TEST_F(DialogOpenersTest, LinkAndHeadingDialogsOpenPresetAndWriteTheirMarkup)
{
    // the control, whether it opens the hyperlink dialog in mail mode, the page afterwards
    const std::tuple<const char*, bool, const char*> rows[] = {
        {"linker", false, "a <A HREF=\"x.html\">Home</A>| b"},
        {"mnuhyperlink", false, "a <A HREF=\"x.html\">Home</A>| b"},
        {"Mail", true, "a <A HREF=\"mailto:me@x.org\">Home</A>| b"},
        {"mnulinkmail", true, "a <A HREF=\"mailto:me@x.org\">Home</A>| b"},
        {"InsertHead", false, "a <H1 ALIGN=\"Left\">Top</H1>| b"},
        {"mnuheading", false, "a <H1 ALIGN=\"Left\">Top</H1>| b"},
    };
    for (const auto& [control, mail, after] : rows) {
        setMarked("a [Home] b");
        press(control);
        if (auto* h = w->findChild<HeadingDialog*>()) {
            EXPECT_TRUE(h->isVisible()) << control;
            QTest::keyClicks(h->heading, QStringLiteral("Top"));
            h->OKButton->click();
        } else {
            auto* d = w->findChild<LinkCompleteDialog*>();
            ASSERT_NE(d, nullptr) << control;
            EXPECT_TRUE(d->isVisible()) << control;
            EXPECT_EQ(d->txttodisplay->text(), QStringLiteral("Home")) << control;
            EXPECT_EQ(d->Option2->isChecked(), mail) << control;
            EXPECT_EQ(d->mailid->isEnabled(), mail) << control;
            EXPECT_EQ(d->linkurl->isEnabled(), !mail) << control;
            QTest::keyClicks(mail ? d->mailid : d->linkurl,
                             mail ? QStringLiteral("me@x.org") : QStringLiteral("x.html"));
            d->OKButton->click();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(marked(), QString::fromUtf8(after)) << control;
        EXPECT_TRUE(w->findChildren<DialogBase*>().isEmpty()) << control;
    }
    EXPECT_TRUE(ui.prompts.isEmpty());
}

// The link is for what is selected when the button is clicked, also with the dialog open.
TEST_F(DialogOpenersTest, HyperlinkButtonTakesTheSelectionOfItsMoment)
{
    setMarked("[one] two");
    press("linker");
    w->Text1->setSelStart(4);
    w->Text1->setSelLength(3);
    press("linker");
    EXPECT_EQ(w->findChild<LinkCompleteDialog*>()->txttodisplay->text(), QStringLiteral("two"));
}

} // namespace
