// Smart Correct: the tag at the caret opened in its dialog, fields filled, the tag selected.
#include "assist/SmartCorrect.h"
#include "AssistTest.h"
#include "assist/AidCommands.h"
#include "assist/SmartSelect.h"
#include "dialogs/Fonty.h"
#include "dialogs/Imager.h"
#include "support/Fixtures.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <map>

using namespace orvel;
using namespace orvel::test;

namespace {

class SmartCorrectTest : public SourceWindowTest {
protected:
    AidCommands* aids() const { return w->findChild<AidCommands*>(); }

    // The shown dialog's name and fields: texts, "on"/"off" for ticked (or "!name" enabled).
    QString openDialog() const
    {
        static const std::map<QString, const char*> fields = {
            {"imager", "imageurl txtheight txtwidth dimen txtalternate txtalignment txtborder"},
            {"Fonty", "Text3 Check1 Combo2 Text4 txtfontsize Text1"},
            {"hrule", "Align widther size Combo2"},
            {"linkcomplete", "Option2 !txttodisplay txttodisplay linkurl linkscreentip mailid "
                             "mailscreentip subject"}};
        QStringList shown;
        for (DialogBase* d : w->findChildren<DialogBase*>()) {
            if (!d->isVisible())
                continue;
            QStringList values{d->objectName()};
            for (QString name : QString::fromUtf8(fields.at(d->objectName())).split(u' ')) {
                const bool enabled = name.startsWith(u'!');
                auto* f = d->findChild<QWidget*>(name.remove(u'!'));
                const auto on = [](bool b) {
                    return b ? QStringLiteral("on") : QStringLiteral("off");
                };
                if (enabled)
                    values << on(f->isEnabled());
                else if (auto* b = qobject_cast<QAbstractButton*>(f))
                    values << on(b->isChecked());
                else if (auto* c = qobject_cast<QComboBox*>(f))
                    values << c->currentText();
                else if (auto* l = qobject_cast<QListWidget*>(f))
                    values << (l->selectedItems().isEmpty() ? QString()
                                                            : l->selectedItems()[0]->text());
                else if (auto* t = qobject_cast<TextBox*>(f))
                    values << t->text();
                else
                    values << qobject_cast<QLineEdit*>(f)->text();
            }
            shown << values.join(u'|');
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
        // A mail link; with the caret in its text the opening tag is selected.
        {"x<A HREF=\"mailto:me@x.org?subject=Hi\" TITLE=\"t\">m|e</A>",
         "x[<A HREF=\"mailto:me@x.org?subject=Hi\" TITLE=\"t\">]me</A>",
         "linkcomplete|on|off||mailto:me@x.org?subject=Hi|t|me@x.org|t|Hi"},
        {"x<A HREF=\"x.html\">|Home</A>", "x[<A HREF=\"x.html\">]Home</A>",
         "linkcomplete|off|off||x.html||||"},
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
