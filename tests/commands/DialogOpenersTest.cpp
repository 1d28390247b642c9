// Buttons that preset an insertion dialog and show it without waiting for it.
#include "CommandTest.h"
#include "dialogs/BulNumCreater.h"
#include "dialogs/Fonty.h"
#include "dialogs/Heading.h"
#include "dialogs/Imager.h"
#include "dialogs/LinkComplete.h"
#include "dialogs/ListBox.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <tuple>

using namespace orvel;
using orvel::test::crlf;

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
        {"numberings", "Numbering"},
        {"Bullet", "Bullets"},
        {"selecter", "List Box"},
        {"puller", "List Box"},
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

// The list dialog is preset as its command says and writes its list over the page's selection.
TEST_F(DialogOpenersTest, ListCommandsPresetTheListDialog)
{
    const struct {
        const char* control;
        const char* button;
        QStringList types;
        const char* list;
    } rows[] = {
        {"numberings",
         "Create Numbered List",
         {"1", "A", "a", "I", "i"},
         "a<OL TYPE=\"1\">\n<LI> Point1\n<LI> Point2\n</OL>\n|b"},
        {"bulleta",
         "Create Bulletted List",
         {"disc", "circle", "square"},
         "a<UL TYPE=\"disc\"> \n<LI> Point1\n<LI> Point2\n</UL>\n|b"},
    };
    for (const auto& r : rows) {
        setMarked("a[word]b");
        press(r.control);
        auto* d = w->findChild<BulNumCreaterDialog*>();
        ASSERT_NE(d, nullptr) << r.control;
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(d->btnbulnumcreater->text(), QString::fromUtf8(r.button));
        QStringList types;
        for (int i = 0; i < d->type->count(); ++i)
            types << d->type->item(i)->text();
        EXPECT_EQ(types, r.types);
        EXPECT_EQ(d->type->currentRow(), 0);
        d->txtbulnumcreater->setText(QStringLiteral("2"));
        QTest::mouseClick(d->btnbulnumcreater, Qt::LeftButton);
        EXPECT_EQ(marked(), crlf(r.list));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(DialogOpenersTest, SelectCommandsPresetTheModeOfTheListBoxDialog)
{
    for (const char* control : {"selecter", "pulldownlista", "Selecta", "puller"}) {
        setMarked("a[word]b");
        press(control);
        auto* d = w->findChild<ListBoxDialog*>();
        ASSERT_NE(d, nullptr) << control;
        const bool listBox = d->lister->isChecked();
        EXPECT_EQ(listBox, control[0] == 'S' || control[0] == 's') << control;
        EXPECT_EQ(d->dropdown->isChecked(), !listBox);
        for (QWidget* c : std::initializer_list<QWidget*>{d->UpDown1, d->multipler, d->default_})
            EXPECT_EQ(c->isVisible(), listBox) << control << " " << c->objectName().toStdString();
        QTest::keyClicks(d->text, QStringLiteral("x"));
        QTest::mouseClick(d->Set, Qt::LeftButton);
        ui.answer(QStringLiteral("n"));
        QTest::mouseClick(d->OKButton, Qt::LeftButton);
        EXPECT_EQ(marked(), (listBox ? QStringLiteral("a<SELECT NAME=\"n\" size=2 >")
                                     : QStringLiteral("a<SELECT NAME=\"n\">")) +
                                crlf("\n<OPTION>x\n</SELECT>|b"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

} // namespace
