#include "dialogs/LinkComplete.h"
#include "DialogTest.h"

#include <QCheckBox>
#include <QListWidget>
#include <QRadioButton>
#include <cstring>
#include <tuple>

using namespace orvel;
using namespace orvel::test;

namespace {

class LinkCompleteTest : public DialogTest {
protected:
    static void chooseTarget(LinkCompleteDialog* d, const QString& item)
    {
        const QListWidgetItem* row = d->targets->findItems(item, Qt::MatchExactly).first();
        QTest::mouseClick(d->targets->viewport(), Qt::LeftButton, {},
                          d->targets->visualItemRect(row).center());
    }
    // On the round indicator: the button's row is wider than its caption.
    static void choose(QRadioButton* option)
    {
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    }
    static QString opening(LinkCompleteDialog* d) { return link::openingTag(d->fields()); }
};

// The text to display is the selection at load; OK wraps it over the selection of its moment.
TEST_F(LinkCompleteTest, DefaultsWrapTheDisplayTextOverTheSelectionOfTheMoment)
{
    setPage(q("Go Home now"), 3, 4);
    QPointer<LinkCompleteDialog> d = open<LinkCompleteDialog>();
    EXPECT_EQ(d->txttodisplay->text(), q("Home"));
    QTest::keyClicks(d->linkurl, q("x.html"));
    w->Text1->setSelStart(11);
    click(d->OKButton);
    EXPECT_EQ(marked(), q(R"(Go Home now<A HREF="x.html">Home</A>|)"));
    EXPECT_TRUE(unloaded(d));
    EXPECT_TRUE(ui.prompts.isEmpty());
}

// A selection over several lines keeps its line ends inside the element.
TEST_F(LinkCompleteTest, DisplayTextKeepsTheLineEndsOfTheSelection)
{
    setPage(crlf("a\nb"), 0, 4);
    auto* d = open<LinkCompleteDialog>();
    d->linkurl->setText(q("x"));
    click(d->OKButton);
    EXPECT_EQ(marked(), crlf("<A HREF=\"x\">a\nb</A>|"));
}

TEST_F(LinkCompleteTest, TipTargetAndUnderlineJoinInFixedOrder)
{
    setPage(q("Home"), 0, 4);
    auto* d = open<LinkCompleteDialog>();
    d->linkurl->setText(q("x.html"));
    QTest::keyClicks(d->linkscreentip, q("Tip"));
    click(d->Check1);
    EXPECT_FALSE(d->targets->isVisible());
    click(d->Command1);
    EXPECT_FALSE(d->Command1->isVisible());
    EXPECT_TRUE(d->targets->isVisible());
    EXPECT_GE(d->height(), 400);
    chooseTarget(d, q("New Window"));
    EXPECT_EQ(opening(d),
              q(R"(<A HREF="x.html" TITLE="Tip" target="_blank" STYLE="text-decoration:none">)"));
    chooseTarget(d, q("Default (none)"));
    d->linkscreentip->selectAll();
    QTest::keyClick(d->linkscreentip, Qt::Key_Backspace);
    click(d->Check1);
    EXPECT_EQ(opening(d), q(R"(<A HREF="x.html">)"));
    chooseTarget(d, q("Parent Frame"));
    d->OKButton_Click();
    EXPECT_EQ(marked(), q(R"(<A HREF="x.html" target="_parent">Home</A>|)"));
}

TEST_F(LinkCompleteTest, MailModeSwapsTheFieldsAndBuildsAMailLink)
{
    setPage(q("Write"), 0, 5);
    auto* d = open<LinkCompleteDialog>();
    d->linkurl->setText(q("x.html"));
    d->linkscreentip->setText(q("old tip"));
    click(d->Command1);
    chooseTarget(d, q("Whole Page"));
    const QWidget* linkFields[] = {d->linkurl, d->linkscreentip, d->targets, d->Command1};
    const QWidget* mailFields[] = {d->mailid, d->subject, d->mailscreentip};
    for (bool mail : {true, false, true}) {
        choose(mail ? d->Option2 : d->Option1);
        for (const QWidget* f : linkFields)
            EXPECT_EQ(f->isEnabled(), !mail) << f->objectName().toStdString();
        for (const QWidget* f : mailFields)
            EXPECT_EQ(f->isEnabled(), mail) << f->objectName().toStdString();
    }
    QTest::keyClicks(d->mailid, q("me@x.org"));
    EXPECT_EQ(d->linkurl->text(), QString());
    EXPECT_EQ(d->linkscreentip->text(), QString());
    QTest::keyClicks(d->subject, q("Hi"));
    QTest::keyClicks(d->mailscreentip, q("Mail me"));
    click(d->OKButton);
    EXPECT_EQ(marked(), q(R"(<A HREF="mailto:me@x.org?subject=Hi" TITLE="Mail me">Write</A>|)"));
}

// A missing address keeps the dialog, its entries and the page, and sends the user to the field.
TEST_F(LinkCompleteTest, EmptyAddressIsReportedAndItsFieldFocused)
{
    const std::pair<bool, const char*> rows[] = {{false, "The Link URL has not been mentioned."},
                                                 {true, "The Mail Id has not been mentioned."}};
    for (const auto& [mail, message] : rows) {
        setPage(q("Home"), 0, 4);
        QPointer<LinkCompleteDialog> d = open<LinkCompleteDialog>();
        d->linkurl->setText(mail ? q("x.html") : QString());
        if (mail)
            choose(d->Option2);
        d->mailscreentip->setFocus();
        click(d->OKButton);
        ASSERT_FALSE(ui.prompts.isEmpty());
        EXPECT_EQ(ui.lastPrompt().buttons, MsgButtons::Ok);
        const Shown box{q("Assistant: Orvel"), q(message), MsgIcon::Exclamation};
        EXPECT_EQ(shown(), ShownList{box});
        EXPECT_EQ(marked(), q("[Home]"));
        ASSERT_FALSE(unloaded(d));
        EXPECT_EQ(QApplication::focusWidget(), mail ? d->mailid : d->linkurl) << message;
        d->unload();
    }
}

// A selected anchor opening tag makes way for the new one alone; what follows it in the
// selection stays, and the caret ends after the new tag.
TEST_F(LinkCompleteTest, SelectedAnchorTagIsReplacedByTheOpeningTagAlone)
{
    const std::tuple<const char*, bool, const char*> rows[] = {
        {R"(<a href="old.html">)", false, R"(<A HREF="new.html">|)"},
        {R"(<A HREF="old.html">Home</A>)", false, R"(<A HREF="new.html">|Home</A>)"},
        {R"(<A HREF="mailto:a@b">Me</A>)", true, R"(<A HREF="mailto:me@x.org">|Me</A>)"},
        {R"(<abbr>x</abbr>)", false, R"(<A HREF="new.html"><abbr>x</abbr></A>|)"},
    };
    for (const auto& [selected, mail, result] : rows) {
        setPage(q(selected), 0, int(strlen(selected)));
        auto* d = open<LinkCompleteDialog>();
        if (mail) {
            choose(d->Option2);
            d->mailid->setText(q("me@x.org"));
        } else {
            d->linkurl->setText(q("new.html"));
        }
        d->OKButton_Click();
        EXPECT_EQ(marked(), q(result)) << selected;
    }
    EXPECT_TRUE(ui.prompts.isEmpty());
}

} // namespace
