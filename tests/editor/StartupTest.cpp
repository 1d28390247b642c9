// The source window after start-up: default page, selection, focus, captions, timers.
#include "editor/DefaultPage.h"
#include "support/Fixtures.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>
#include <QWindow>

using namespace orvel;
using orvel::test::crlf;

namespace {

using StartupTest = orvel::test::SourceWindowTest;

TEST_F(StartupTest, ShowsTheDefaultPageWithLinesFiveAndSixSelected)
{
    EXPECT_EQ(w->Text1->text(), defaultPage());
    EXPECT_EQ(w->attempt->text(), defaultPage());
    // The first typed character replaces the selected lines, seen from the first line, not
    // scrolled as the box was before it had its size.
    EXPECT_TRUE(w->Text1->hasFocus());
    EXPECT_EQ(w->Text1->verticalScrollBar()->value(), 0);
    EXPECT_EQ(w->Text1->selStart(), 97);
    EXPECT_EQ(w->Text1->selText(),
              crlf("</HEAD>\n<body  text=\"black\" bgcolor=\"white\" link=\"blue\" vlink=\"red\" "
                   "alink=\"maroon\">"));
    EXPECT_EQ(w->windowHandle()->title(), QStringLiteral("Untitled[]: Orvel -By Quorrin"));
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(w->Label1[i]->text(), QStringLiteral("Character 97"));
        // 37 line ends, the last one closing the page.
        EXPECT_EQ(w->nooflines[i]->text(), QStringLiteral("Number of lines: 38"));
    }
    EXPECT_FALSE(w->Timer1->isActive());
    EXPECT_TRUE(w->Timer2->isActive());
    EXPECT_TRUE(w->Timer3->isActive());
}

} // namespace
