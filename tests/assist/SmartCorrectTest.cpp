// Smart Correct: the tag at the caret opened in its dialog, fields filled, the tag selected.
#include "assist/SmartCorrect.h"
#include "AssistTest.h"
#include "assist/AidCommands.h"
#include "assist/SmartSelect.h"
#include "dialogs/Fonty.h"
#include "dialogs/Hrule.h"
#include "dialogs/Imager.h"
#include "dialogs/LinkComplete.h"
#include "support/Fixtures.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace orvel;
using namespace orvel::test;

namespace {

QString on(bool b)
{
    return b ? QStringLiteral("on") : QStringLiteral("off");
}

class SmartCorrectTest : public SourceWindowTest {
protected:
    AidCommands* aids() const { return w->findChild<AidCommands*>(); }

    // The one dialog open on the window, with the fields Smart Correct fills.
    QString openDialog() const
    {
        QStringList shown;
        for (DialogBase* d : w->findChildren<DialogBase*>()) {
            if (!d->isVisible())
                continue;
            if (auto* i = qobject_cast<ImagerDialog*>(d))
                shown << QStringList{"imager",
                                     i->imageurl->text(),
                                     i->txtheight->text(),
                                     i->txtwidth->text(),
                                     on(i->dimen->isChecked()),
                                     i->txtalternate->text(),
                                     i->txtalignment->currentText(),
                                     i->txtborder->text()}
                             .join(u'|');
            else if (auto* f = qobject_cast<FontyDialog*>(d))
                shown << QStringList{"Fonty",
                                     f->Text3->text(),
                                     on(f->Check1->isChecked()),
                                     f->Combo2->currentText(),
                                     f->Text4->text(),
                                     f->txtfontsize->text(),
                                     f->Text1->text()}
                             .join(u'|');
            else if (auto* h = qobject_cast<HruleDialog*>(d))
                shown << QStringList{"hrule",
                                     h->Align->selectedItems().isEmpty()
                                         ? QString()
                                         : h->Align->selectedItems().first()->text(),
                                     h->widther->text(), h->size->text(), h->Combo2->currentText()}
                             .join(u'|');
            else if (auto* l = qobject_cast<LinkCompleteDialog*>(d))
                shown << QStringList{"link",
                                     on(l->Option2->isChecked()),
                                     on(l->txttodisplay->isEnabled()),
                                     l->txttodisplay->text(),
                                     l->linkurl->text(),
                                     l->linkscreentip->text(),
                                     l->mailid->text(),
                                     l->mailscreentip->text(),
                                     l->subject->text()}
                             .join(u'|');
        }
        return shown.join(u'/');
    }

    void closeDialogs()
    {
        for (DialogBase* d : w->findChildren<DialogBase*>())
            d->unload();
    }
};

TEST_F(SmartCorrectTest, TagsOpenTheirDialogs)
{
    const struct {
        const char* before;
        const char* after;
        const char* dialog;
        QStringList prompts = {};
    } rows[] = {
        {"x<IMG SRC=\"a.gif\" ALT=\"pic\" BORDER=2|>y",
         "x[<IMG SRC=\"a.gif\" ALT=\"pic\" BORDER=2>]y", "imager|a.gif|800|600|off|pic|Left|2"},
        // Right after another tag, and with the caret right after its own ">".
        {"x<B><IMG SRC=\"b\" HEIGHT=\"40\" WIDTH=\"30\" align=\"Top\">|</B>",
         "x<B>[<IMG SRC=\"b\" HEIGHT=\"40\" WIDTH=\"30\" align=\"Top\">]</B>",
         "imager|b|40|30|on|Images not available|Top|0"},
        {"x<IMG SRC=\"c\" HEIGHT=\"h1\" BORDER=x>|", "x[<IMG SRC=\"c\" HEIGHT=\"h1\" BORDER=x>]",
         "imager|c|800|600|off|Images not available|Left|0"},
        // The colour list is emptied and the RGB code box switched on.
        {"x<FONT co|lor=\"#CCFFCC\" face=\"Arial\" size=\"4\">a</FONT>",
         "x[<FONT color=\"#CCFFCC\" face=\"Arial\" size=\"4\">]a</FONT>",
         "Fonty|CCFFCC|on||Arial|4|<FONT color=\"#CCFFCC\" face=\"Arial\" size=\"4\">"},
        {"<P>\n<font |color=\"red\">", "<P>\n[<font color=\"red\">]",
         "Fonty||off|red|Times New Roman|3|<font color=\"red\">"},
        {"x<hr wi|dth=50 size=\"3\" color=\"red\">", "x[<hr width=50 size=\"3\" color=\"red\">]",
         "hrule|Center|50|3|red"},
        {"x<HR align=\"Right\"|>", "x[<HR align=\"Right\">]", "hrule|Right||0|black"},
        {"x<HR align=\"justify\"|>", "x[<HR align=\"justify\">]", "hrule|||0|black"},
        // A mail link fills the hyperlink fields too; with the caret in its text the selection
        // comes back to the opening tag.
        {"x<A HREF=\"mailto:me@x.org?subject=Hi\" TITLE=\"t\">m|e</A>",
         "x[<A HREF=\"mailto:me@x.org?subject=Hi\" TITLE=\"t\">]me</A>",
         "link|on|off||mailto:me@x.org?subject=Hi|t|me@x.org|t|Hi"},
        {"x<A HREF=\"x.html\">|Home</A>", "x[<A HREF=\"x.html\">]Home</A>",
         "link|off|off||x.html||||"},
        // Not one of the kinds: Smart Select's selection stays, nothing is said.
        {"x<Img src=\"a\"|>", "x[<Img src=\"a\">]", ""},
        {"x<a href=\"x\"|>", "x[<a href=\"x\">]", ""},
        {"x<FONT|>", "x[<FONT>]", ""},
        {"plain |text", "plain |text", "", {kPlaceCursorMessage}},
        {"x<IMG SRC=\"a\"|", "|x<IMG SRC=\"a\">", "", {kEndTagAddedMessage, kPlaceCursorMessage}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.before);
        const QString before = crlf(r.before);
        setPage(QString(before).remove(u'|'), int(before.indexOf(u'|')));
        ui.prompts.clear();
        aids()->mnutruecorrect_Click();
        EXPECT_EQ(marked(), crlf(r.after));
        EXPECT_EQ(openDialog(), QString::fromUtf8(r.dialog));
        EXPECT_EQ(ui.promptTexts(), r.prompts);
        closeDialogs();
    }
    EXPECT_EQ(aids()->correctState, 9);
}

// Without a ">" after it the tag gets one at the very end of the page, in its kind's wording.
TEST_F(SmartCorrectTest, TagWithoutItsEnd)
{
    const std::tuple<const char*, const char*, QString, QString> rows[] = {
        {"x[<IMG SRC]\nmore", "x|<IMG SRC\nmore>", kTagEndCorrectedMessage, kAssistantTitle},
        {"x[<hr]", "x|<hr>", kTagEndCorrectedLower, kAssistantTitleLower},
    };
    for (const auto& [page, after, text, title] : rows) {
        StringText t = markedText(page);
        ui.prompts.clear();
        int state = 0;
        trueAutoCorrect({w.get(), &t}, state);
        EXPECT_EQ(markedOf(t), QString::fromUtf8(after));
        ASSERT_EQ(ui.prompts.size(), 1);
        EXPECT_EQ(ui.lastPrompt().text, text);
        EXPECT_EQ(ui.lastPrompt().title, title);
        EXPECT_EQ(ui.lastPrompt().icon, MsgIcon::Exclamation);
        EXPECT_EQ(openDialog(), QString());
    }
}

// Ctrl+F5, an edit in the dialog, OK: the edited tag stands where the old one stood.
TEST_F(SmartCorrectTest, OkReplacesTheTag)
{
    setPage(crlf("<P>\n<IMG SRC=\"a.gif\" BORDER=0 align=\"Left\" ALT=\"old\" > text"), 10);
    w->Text1->setFocus();
    QTest::keyClick(w->Text1, Qt::Key_F5, Qt::ControlModifier);
    auto* d = w->findChild<ImagerDialog*>();
    ASSERT_TRUE(d && d->isVisible());
    d->txtalternate->setText(QStringLiteral("new"));
    QTest::mouseClick(d->OKButton, Qt::LeftButton);
    EXPECT_EQ(w->Text1->text(),
              crlf("<P>\n<IMG SRC=\"a.gif\" BORDER=0 align=\"Left\" ALT=\"new\" >  text"));

    // The font dialog writes its own copy back: OK keeps the tag.
    closeDialogs();
    setPage(crlf("x<font size=\"2\">a</font>"), 4);
    w->menuAction(QStringLiteral("mnutruecorrect"))->trigger();
    auto* f = w->findChild<FontyDialog*>();
    ASSERT_TRUE(f);
    QTest::mouseClick(f->OKButton, Qt::LeftButton);
    EXPECT_EQ(w->Text1->text(), crlf("x<font size=\"2\">a</font>"));
}

// The image dialog stays open after its OK; Smart Correct on the next image starts it from its
// defaults, so a field that image does not carry never gets the last image's value.
TEST_F(SmartCorrectTest, FieldsATagLacksGetTheDialogsDefaults)
{
    const QString page = crlf("<P>\n<IMG SRC=\"a.gif\" ALT=\"Cat\" HSPACE=0>\n<IMG SRC=\"b.gif\">");
    openPage(page.toUtf8(), 8);
    w->menuAction(QStringLiteral("mnutruecorrect"))->trigger();
    auto* d = w->findChild<ImagerDialog*>();
    ASSERT_TRUE(d && d->isVisible());
    d->horispace->setText(QStringLiteral("7"));
    QTest::mouseClick(d->OKButton, Qt::LeftButton);
    w->Text1->setSelStart(int(w->Text1->text().lastIndexOf(QStringLiteral("b.gif"))));
    w->menuAction(QStringLiteral("mnutruecorrect"))->trigger();
    d = w->findChild<ImagerDialog*>();
    ASSERT_TRUE(d && d->isVisible());
    EXPECT_EQ(openDialog(), QStringLiteral("imager|b.gif|800|600|off|Images not available|Left|0"));
    EXPECT_EQ(d->horispace->text(), QStringLiteral("0"));
}

} // namespace
