#include "dialogs/LinkComplete.h"
#include "DialogTest.h"

#include <QCheckBox>
#include <QListWidget>
#include <QRadioButton>

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
};

// The selection at load, line ends and all, linked over the selection at OK.
TEST_F(LinkCompleteTest, LinkWrapsTheDisplayTextOverTheSelectionOfTheMoment)
{
    setPage(crlf("Go\nHome now"), 0, 8);
    QPointer<LinkCompleteDialog> d = open<LinkCompleteDialog>();
    QTest::keyClicks(d->linkurl, q("x.html"));
    QTest::keyClicks(d->linkscreentip, q("Tip"));
    click(d->Check1);
    EXPECT_FALSE(d->targets->isVisible());
    click(d->Command1);
    EXPECT_FALSE(d->Command1->isVisible());
    EXPECT_TRUE(d->targets->isVisible());
    chooseTarget(d, q("New Window"));
    w->Text1->setSelStart(12);
    click(d->OKButton);
    EXPECT_EQ(marked(), crlf("Go\nHome now<A HREF=\"x.html\" TITLE=\"Tip\" target=\"_blank\" "
                             "STYLE=\"text-decoration:none\">Go\nHome</A>|"));
    EXPECT_TRUE(unloaded(d));
}

// Mail mode disables the link fields and empties them; a target chosen before stays out.
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
    EXPECT_EQ(d->linkurl->text() + d->linkscreentip->text(), QString());
    QTest::keyClicks(d->subject, q("Hi"));
    QTest::keyClicks(d->mailscreentip, q("Mail me"));
    click(d->OKButton);
    EXPECT_EQ(marked(), q(R"(<A HREF="mailto:me@x.org?subject=Hi" TITLE="Mail me">Write</A>|)"));
}

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

TEST_F(LinkCompleteTest, SelectedAnchorTagIsReplacedByTheOpeningTagAlone)
{
    setPage(q(R"(<A HREF="old.html">Home</A>)"), 0, 27);
    auto* d = open<LinkCompleteDialog>();
    d->linkurl->setText(q("new.html"));
    click(d->OKButton);
    EXPECT_EQ(marked(), q(R"(<A HREF="new.html">|Home</A>)"));
}

} // namespace
