// The text box model: positions in UTF-16 units with CR LF line ends, whatever the widget keeps.
// The page box and its string twin run the same contract, so logic tested on the twin behaves
// the same on the page.
#include "editor/Find.h"
#include "editor/StringText.h"
#include "editor/TextBox.h"
#include "support/Fixtures.h"

#include <QTest>

using namespace orvel;
using orvel::test::crlf;

namespace {

void onChange(TextBox& box, std::function<void()> f)
{
    QObject::connect(&box, &TextBox::changed, std::move(f));
}

void onChange(StringText& text, std::function<void()> f)
{
    text.onChange = std::move(f);
}

template <class Model> struct TextModelTest : ::testing::Test {
    Model box;
};

using Models = ::testing::Types<TextBox, StringText>;
TYPED_TEST_SUITE(TextModelTest, Models);

TYPED_TEST(TextModelTest, LineEndsOfEveryKindBecomeCrLfAndCountTwo)
{
    auto& box = this->box;
    const struct {
        const char* text;
        const char* model;
        int length;
        int lines;
    } rows[] = {
        {"a\nb\r\nc\rd", "a\r\nb\r\nc\r\nd", 10, 4},
        {"", "", 0, 1},
        {"a\r\nb\r\n", "a\r\nb\r\n", 6, 3},
        {"\r\r", "\r\n\r\n", 4, 3},
        // A non-breaking space is text, not a blank to be dropped.
        {"a\u00a0b", "a\u00a0b", 3, 1},
        // A character past the 16 bits counts two units.
        {"\u00e9\U0001F600\nx", "\u00e9\U0001F600\r\nx", 6, 2},
    };
    for (const auto& r : rows) {
        box.setText(QString::fromUtf8(r.text));
        EXPECT_EQ(box.text(), QString::fromUtf8(r.model)) << r.text;
        EXPECT_EQ(box.length(), r.length) << r.text;
        EXPECT_EQ(box.lineCount(), r.lines) << r.text;
        EXPECT_EQ(box.selStart(), 0);
    }
}

TYPED_TEST(TextModelTest, CaretPositionsAndSelectionsAroundLineEnds)
{
    auto& box = this->box;
    box.setText(crlf("ab\ncd\n\nef"));
    //           a b CR LF c d CR LF CR LF e f
    //           0 1 2  3  4 5 6  7  8  9  10 11
    const struct {
        int start;
        int length;
        int readStart;
        const char* selected;
    } rows[] = {
        {12, 0, 12, ""},
        // Between CR and LF the caret stands at the end of the line.
        {3, 0, 2, ""},
        {9, 0, 8, ""},
        // Clamped at both ends.
        {99, 0, 12, ""},
        {-5, 0, 0, ""},
        {1, 5, 1, "b\ncd"},
        // A selection ending between CR and LF takes the whole line end.
        {1, 2, 1, "b\n"},
        {10, 60000, 10, "ef"},
    };
    for (const auto& r : rows) {
        box.setSelStart(r.start);
        box.setSelLength(r.length);
        const QString selected = crlf(r.selected);
        EXPECT_EQ(box.selStart(), r.readStart) << r.start << "+" << r.length;
        EXPECT_EQ(box.selText(), selected) << r.start << "+" << r.length;
        EXPECT_EQ(box.selLength(), selected.size()) << r.start << "+" << r.length;
    }
}

TYPED_TEST(TextModelTest, MidReadsAcrossAndIntoLineEnds)
{
    auto& box = this->box;
    box.setText(crlf("ab\ncd"));
    EXPECT_EQ(box.mid(1, 2), QStringLiteral("b\r"));
    EXPECT_EQ(box.mid(3, 2), QStringLiteral("\nc"));
    EXPECT_EQ(box.mid(5, 10), QStringLiteral("d"));
    EXPECT_EQ(box.mid(6, 3), QString());
    EXPECT_EQ(box.mid(-2, 3), QStringLiteral("ab\r"));
    box.setText(QStringLiteral("\u00e9\U0001F600\r\nx"));
    EXPECT_EQ(box.mid(1, 5), QStringLiteral("\U0001F600\r\nx"));
}

TYPED_TEST(TextModelTest, SetSelTextLeavesTheCaretAfterTheNewTextAndFiresWithItThere)
{
    auto& box = this->box;
    box.setText(QStringLiteral("hello world"));
    box.setSelStart(6);
    box.setSelLength(5);
    QList<int> caretsSeen;
    onChange(box, [&] { caretsSeen << box.selStart(); });
    box.setSelText(QStringLiteral("there\nnow"));
    EXPECT_EQ(box.text(), crlf("hello there\nnow"));
    EXPECT_EQ(box.selStart(), 16);
    EXPECT_EQ(box.selLength(), 0);
    EXPECT_EQ(caretsSeen, QList<int>{16});

    box.setSelStart(box.length());
    box.setSelText(QStringLiteral(">"));
    EXPECT_EQ(box.selStart(), box.length());
}

// Replacing at given places changes those characters alone, as one change; the caret moves with
// the text around it, and a span may hold or end in a line end.
TYPED_TEST(TextModelTest, ReplaceAtChangesItsSpansAsOneChange)
{
    const struct {
        const char *text, *what, *with;
        int caret;
        const char* after; // "|" the caret
    } rows[] = {
        {"a\nb\nc", "\n", "<BR>\n", 6, "a<BR>\nb<BR>\n|c"},
        {"cat cat", "cat", "", 4, " |"},
        {"xay\nay", "ay", "bb\nb", 2, "xbb\nb|\nbb\nb"},
    };
    auto& box = this->box;
    int changes = 0;
    onChange(box, [&changes] { ++changes; });
    for (const auto& r : rows) {
        box.setText(crlf(r.text));
        box.setSelStart(r.caret);
        changes = 0;
        const QString what = crlf(r.what);
        box.replaceAt(matchesOf(box.text(), what, Qt::CaseSensitive), int(what.size()),
                      crlf(r.with));
        QString shown = box.text();
        EXPECT_EQ(shown.insert(box.selStart(), u'|'), crlf(r.after)) << r.text;
        EXPECT_EQ(changes, 1) << r.text;
    }
}

TYPED_TEST(TextModelTest, TheChangeHandlerMayChangeTheTextAgainInsideItself)
{
    // A handler that turns a typed "<b>" into a pair with the caret between, as the completion
    // does, runs nested inside the outer change.
    auto& box = this->box;
    box.setText(QStringLiteral("xx"));
    box.setSelStart(2);
    int depth = 0, maxDepth = 0, calls = 0;
    onChange(box, [&] {
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

TYPED_TEST(TextModelTest, AnEditGroupStillFiresForEveryStep)
{
    auto& box = this->box;
    box.setText(QStringLiteral("ab"));
    int changes = 0;
    onChange(box, [&] { ++changes; });
    {
        EditGroup group(box);
        box.setSelStart(1);
        box.setSelText(QStringLiteral("1"));
        {
            EditGroup nested(box);
            box.setSelText(QStringLiteral("2"));
        }
        box.setText(QStringLiteral("whole") + box.text());
    }
    EXPECT_EQ(box.text(), QStringLiteral("wholea12b"));
    EXPECT_EQ(changes, 3);
}

// One command's edit group is one undo step, typing stays as before.
TEST(EditGroupUndo, AGroupIsTakenBackWhole)
{
    TextBox box;
    box.setText(QStringLiteral("ab"));
    box.document()->clearUndoRedoStacks();
    box.setSelStart(2);
    box.setSelText(QStringLiteral("!"));
    {
        EditGroup group(box);
        box.setText(QStringLiteral("renamed ") + box.text());
        box.setSelStart(box.length());
        box.setSelText(QStringLiteral("<TABLE>"));
        box.setSelText(QStringLiteral("</TABLE>"));
    }
    EXPECT_EQ(box.text(), QStringLiteral("renamed ab!<TABLE></TABLE>"));
    box.undo();
    EXPECT_EQ(box.text(), QStringLiteral("ab!"));
    box.undo();
    EXPECT_EQ(box.text(), QStringLiteral("ab"));
    // The string twin counts its steps.
    StringText text(QStringLiteral("ab"));
    text.setSelText(QStringLiteral("x"));
    {
        EditGroup group(text);
        text.setSelText(QStringLiteral("y"));
        text.setSelText(QStringLiteral("z"));
    }
    {
        EditGroup empty(text);
    }
    EXPECT_EQ(text.undoSteps(), 2);
}

TEST(TextBoxTyping, TypedKeysGoThroughTheChangeHandler)
{
    TextBox box;
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

} // namespace
