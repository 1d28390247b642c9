// The text box model: positions in UTF-16 units with CR LF line ends, whatever the widget keeps.
#include "editor/TextBox.h"
#include "support/Fixtures.h"

#include <QTest>

using namespace orvel;
using orvel::test::crlf;

namespace {

struct TextBoxTest : ::testing::Test {
    TextBox box;
};

TEST_F(TextBoxTest, LineEndsOfEveryKindBecomeCrLf)
{
    box.setText(QStringLiteral("a\nb\r\nc\rd"));
    EXPECT_EQ(box.text(), crlf("a\nb\nc\nd"));
    EXPECT_EQ(box.length(), 10);
    EXPECT_EQ(box.lineCount(), 4);
}

TEST_F(TextBoxTest, EmptyTextHasOneLine)
{
    box.setText(QString());
    EXPECT_EQ(box.text(), QString());
    EXPECT_EQ(box.length(), 0);
    EXPECT_EQ(box.lineCount(), 1);
    EXPECT_EQ(box.selStart(), 0);
}

TEST_F(TextBoxTest, TextEndingInLineEndHasOneMoreLine)
{
    box.setText(crlf("a\nb\n"));
    EXPECT_EQ(box.lineCount(), 3);
    EXPECT_EQ(box.length(), 6);
}

// Each row: a model position, the character there, and the model position read back after
// putting the caret there.
TEST_F(TextBoxTest, PositionsCountLineEndsAsTwo)
{
    box.setText(crlf("ab\ncd\n\nef"));
    //           a b CR LF c d CR LF CR LF e f
    //           0 1 2  3  4 5 6  7  8  9  10 11
    const struct {
        int pos;
        int readBack;
    } rows[] = {{0, 0},
                {2, 2},
                {4, 4},
                {6, 6},
                {8, 8},
                {10, 10},
                {12, 12},
                // between CR and LF: the caret stands at the end of the line
                {3, 2},
                {7, 6},
                {9, 8},
                // past the end: clamped
                {99, 12},
                {-5, 0}};
    for (const auto& r : rows) {
        box.setSelStart(r.pos);
        EXPECT_EQ(box.selStart(), r.readBack) << "pos " << r.pos;
        EXPECT_EQ(box.selLength(), 0) << "pos " << r.pos;
    }
}

TEST_F(TextBoxTest, SelectionAcrossLineEndsCountsTheirTwoCharacters)
{
    box.setText(crlf("ab\ncd\nef"));
    box.setSelStart(1);
    box.setSelLength(5);
    EXPECT_EQ(box.selStart(), 1);
    EXPECT_EQ(box.selLength(), 5);
    EXPECT_EQ(box.selText(), crlf("b\ncd"));
}

TEST_F(TextBoxTest, SelectionEndingBetweenCrAndLfTakesTheWholeLineEnd)
{
    box.setText(crlf("ab\ncd"));
    box.setSelStart(1);
    box.setSelLength(2); // "b" and the CR
    EXPECT_EQ(box.selText(), crlf("b\n"));
    EXPECT_EQ(box.selLength(), 3);
}

TEST_F(TextBoxTest, SelLengthIsClampedAtTheEnd)
{
    box.setText(QStringLiteral("abc"));
    box.setSelStart(1);
    box.setSelLength(60000);
    EXPECT_EQ(box.selText(), QStringLiteral("bc"));
    EXPECT_EQ(box.selLength(), 2);
}

TEST_F(TextBoxTest, SetSelStartCollapsesTheSelection)
{
    box.setText(QStringLiteral("abcdef"));
    box.setSelStart(1);
    box.setSelLength(3);
    box.setSelStart(2);
    EXPECT_EQ(box.selLength(), 0);
    EXPECT_EQ(box.selText(), QString());
}

TEST_F(TextBoxTest, NonAsciiAndSurrogatePairsCountInUtf16Units)
{
    // "é" is one unit, the emoji two (a surrogate pair), the line end two.
    box.setText(QStringLiteral("\u00e9\U0001F600\r\nx"));
    EXPECT_EQ(box.length(), 6);
    box.setSelStart(5);
    box.setSelLength(1);
    EXPECT_EQ(box.selText(), QStringLiteral("x"));
    box.setSelStart(1);
    box.setSelLength(2);
    EXPECT_EQ(box.selText(), QStringLiteral("\U0001F600"));
    EXPECT_EQ(box.mid(0, 3), QStringLiteral("\u00e9\U0001F600"));
}

TEST_F(TextBoxTest, MidReadsAcrossAndIntoLineEnds)
{
    box.setText(crlf("ab\ncd"));
    EXPECT_EQ(box.mid(0, 7), crlf("ab\ncd"));
    EXPECT_EQ(box.mid(1, 2), QStringLiteral("b\r"));
    EXPECT_EQ(box.mid(3, 2), QStringLiteral("\nc"));
    EXPECT_EQ(box.mid(5, 10), QStringLiteral("d"));
    EXPECT_EQ(box.mid(6, 3), QString());
    EXPECT_EQ(box.mid(-2, 3), QStringLiteral("ab\r"));
}

TEST_F(TextBoxTest, SetSelTextLeavesTheCaretAfterTheNewText)
{
    box.setText(QStringLiteral("hello world"));
    box.setSelStart(6);
    box.setSelLength(5);
    box.setSelText(QStringLiteral("there\nnow"));
    EXPECT_EQ(box.text(), crlf("hello there\nnow"));
    EXPECT_EQ(box.selStart(), 16);
    EXPECT_EQ(box.selLength(), 0);
}

TEST_F(TextBoxTest, SetSelTextAtBothEnds)
{
    box.setText(QStringLiteral("mid"));
    box.setSelStart(0);
    box.setSelText(QStringLiteral("<"));
    box.setSelStart(box.length());
    box.setSelText(QStringLiteral(">"));
    EXPECT_EQ(box.text(), QStringLiteral("<mid>"));
    EXPECT_EQ(box.selStart(), 5);
}

TEST_F(TextBoxTest, ChangeFiresWithTheCaretAlreadyAfterTheNewText)
{
    box.setText(QStringLiteral("abc"));
    box.setSelStart(1);
    QList<int> caretsSeen;
    QObject::connect(&box, &TextBox::changed, [&] { caretsSeen << box.selStart(); });
    box.setSelText(QStringLiteral("XY"));
    EXPECT_EQ(caretsSeen, QList<int>{3});
}

TEST_F(TextBoxTest, ChangeHandlerMayChangeTheTextAgainInsideItself)
{
    // A handler that turns a typed "<b>" into a pair with the caret between, as the
    // completion does, runs nested inside the outer change.
    box.setText(QStringLiteral("xx"));
    box.setSelStart(2);
    int depth = 0, maxDepth = 0, calls = 0;
    QObject::connect(&box, &TextBox::changed, [&] {
        ++calls;
        ++depth;
        maxDepth = std::max(maxDepth, depth);
        const int caret = box.selStart();
        if (caret >= 3 && box.mid(caret - 3, 3) == QStringLiteral("<b>")) {
            box.setSelStart(caret - 3);
            box.setSelLength(3);
            box.setSelText(QStringLiteral("<B></B>"));
            box.setSelStart(box.selStart() - 4);
        }
        --depth;
    });
    box.setSelText(QStringLiteral("<b>"));
    EXPECT_EQ(box.text(), QStringLiteral("xx<B></B>"));
    EXPECT_EQ(box.selStart(), 5);
    EXPECT_EQ(maxDepth, 2);
    EXPECT_EQ(calls, 2);
}

TEST_F(TextBoxTest, TypedKeysGoThroughTheChangeHandler)
{
    box.setText(QString());
    int changes = 0;
    QObject::connect(&box, &TextBox::changed, [&] { ++changes; });
    QTest::keyClicks(&box, QStringLiteral("ab"));
    QTest::keyClick(&box, Qt::Key_Return);
    QTest::keyClick(&box, Qt::Key_Return, Qt::ShiftModifier); // no soft line break
    QTest::keyClicks(&box, QStringLiteral("c"));
    EXPECT_EQ(box.text(), crlf("ab\n\nc"));
    EXPECT_EQ(box.selStart(), 7);
    EXPECT_EQ(changes, 5);

    // Each edit key is one change, also where lines are joined.
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClick(&box, Qt::Key_Left);
    QTest::keyClick(&box, Qt::Key_Delete);
    EXPECT_EQ(box.text(), crlf("ab"));
    EXPECT_EQ(changes, 8);
}

TEST_F(TextBoxTest, NonBreakingSpacesSurvive)
{
    box.setText(QStringLiteral("a\u00a0b"));
    EXPECT_EQ(box.text(), QStringLiteral("a\u00a0b"));
}

TEST_F(TextBoxTest, DeepInALargePagePositionsStayExact)
{
    QString page;
    for (int i = 0; i < 20000; ++i)
        page += QStringLiteral("line %1\r\n").arg(i);
    box.setText(page);
    const int pos = int(page.indexOf(QStringLiteral("line 12345")));
    box.setSelStart(pos);
    box.setSelLength(10);
    EXPECT_EQ(box.selStart(), pos);
    EXPECT_EQ(box.selText(), QStringLiteral("line 12345"));
    EXPECT_EQ(box.length(), page.size());
    EXPECT_EQ(box.lineCount(), 20001);
}

} // namespace
