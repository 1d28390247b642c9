// The source window after start-up: default page, selection, captions, hidden state.
#include "editor/DefaultPage.h"
#include "support/Fixtures.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QWindow>

using namespace orvel;
using orvel::test::crlf;

namespace {

using StartupTest = orvel::test::SourceWindowTest;

TEST_F(StartupTest, DefaultPageIsThirtySevenLinesEndingInCrLf)
{
    const QString page = defaultPage();
    EXPECT_TRUE(page.endsWith(QStringLiteral("Orvel--> \r\n")));
    EXPECT_EQ(page.count(QStringLiteral("\r\n")), 37);
    const QStringList lines = page.split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines.at(3), QStringLiteral("\t<TITLE>My web page!</TITLE>"));
    EXPECT_EQ(lines.at(5), QStringLiteral("<body  text=\"black\" bgcolor=\"white\" link=\"blue\" "
                                          "vlink=\"red\" alink=\"maroon\">"));
    for (int i = 6; i < 33; ++i)
        EXPECT_TRUE(lines.at(i).isEmpty()) << i;
    EXPECT_EQ(lines.at(33), QStringLiteral("</BODY>"));
    EXPECT_EQ(lines.at(36),
              QStringLiteral("\t\t<!--This page has been created by using Quorrin's Orvel--> "));
    EXPECT_EQ(w->Text1->text(), page);
    EXPECT_EQ(w->attempt->text(), page);
}

TEST_F(StartupTest, SelectsLinesFiveAndSixWithTheFocusOnThePage)
{
    // The first typed character replaces the selected lines.
    EXPECT_TRUE(w->Text1->hasFocus());
    // From its first line, not scrolled as the box was before it had its size.
    EXPECT_EQ(w->Text1->verticalScrollBar()->value(), 0);
    EXPECT_EQ(w->Text1->selStart(), 97);
    EXPECT_EQ(w->Text1->selLength(), 84);
    EXPECT_EQ(w->Text1->selText(),
              crlf("</HEAD>\n<body  text=\"black\" bgcolor=\"white\" link=\"blue\" vlink=\"red\" "
                   "alink=\"maroon\">"));
}

TEST_F(StartupTest, CaptionsAndStatus)
{
    EXPECT_EQ(w->windowHandle()->title(), QStringLiteral("Untitled[]: Orvel -By Quorrin"));
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(w->Label1[i]->text(), QStringLiteral("Character 97"));
        EXPECT_EQ(w->nooflines[i]->text(), QStringLiteral("Number of lines: 38"));
    }
    EXPECT_EQ(w->Label1[0]->objectName(), QStringLiteral("Label1(0)"));
    EXPECT_EQ(w->nooflines[1]->objectName(), QStringLiteral("nooflines(1)"));
    EXPECT_EQ(w->star->text(), QString());
    EXPECT_EQ(w->saveme->text(), QStringLiteral("Untitled"));
    EXPECT_EQ(w->helper->text(), QStringLiteral("Ready: Orvel-by Quorrin"));
    EXPECT_EQ(w->objectName(), QStringLiteral("orvel"));
}

TEST_F(StartupTest, HiddenStateAndTimers)
{
    EXPECT_EQ(w->varfinder->text(), QStringLiteral("0"));
    EXPECT_EQ(w->txttobefound->text(), QStringLiteral("Text2"));
    EXPECT_EQ(w->restorepoint->text(), QString());
    EXPECT_EQ(w->dirpath->text(), QString());
    EXPECT_FALSE(w->Timer1->isActive());
    EXPECT_EQ(w->Timer1->interval(), 5000);
    EXPECT_TRUE(w->Timer2->isActive());
    EXPECT_EQ(w->Timer2->interval(), 60000);
    EXPECT_TRUE(w->Timer3->isActive());
    EXPECT_EQ(w->Timer3->interval(), 1000);
    EXPECT_TRUE(w->state.previewTipPending);
    EXPECT_EQ(w->state.lineCount, 38);
}

TEST_F(StartupTest, TimerThreeFiresOnce)
{
    QTest::qWait(1300);
    EXPECT_FALSE(w->Timer3->isActive());
}

} // namespace
