// Tooltips and hints of the tag buttons, and the hint line they write to.
#include "CommandTest.h"

#include "commands/TagButtonTips.h"
#include "platform/Hint.h"

#include <QLineEdit>
#include <QMouseEvent>

using namespace orvel;

namespace {

using TagButtonTipsTest = orvel::test::CommandTest;

struct Expected {
    const char* name;
    const char* tooltip;
    const char* hint;
};

// Texts with traps: a misspelling, a trailing blank, vertical bars, a lower-case start.
const Expected kExpected[] = {
    {"bold", "Make text bold", "Select text to be made bold and click."},
    {"sup", "Suprscript selected text", "Convert selected text to superscript"},
    {"address", "Indicate addresses", "encloses selected text within address tags."},
    {"KBD", "Indicate keyboard commnands/keys", "Indicates content is a keyboard command"},
    {"numberings", "Create numbered lists",
     "Make a numbered list. Text after each <LI> is treated as a point. TYPES: TYPE=A|a|I|i|1"},
    {"Bullet", "Create a bulletted list",
     "Create a bulletted list. You can specify type=\"disc|circle|Square\""},
    {"table", "insert table ", "Insert table"},
    {"insert", "Add mouse action commands", "Link mouse actions with links."},
};

TEST_F(TagButtonTipsTest, ButtonsCarryTheirTooltipsAndHints)
{
    for (const Expected& e : kExpected) {
        QToolButton* b = button(e.name);
        ASSERT_NE(b, nullptr) << e.name;
        EXPECT_EQ(b->toolTip(), QString::fromUtf8(e.tooltip)) << e.name;
        EXPECT_EQ(hintOf(b), QString::fromUtf8(e.hint)) << e.name;
    }
    // Every button of the table is in the window with its texts and a picture.
    for (const auto& tip : tagButtonTips()) {
        QToolButton* b = button(tip.name);
        ASSERT_NE(b, nullptr) << tip.name;
        EXPECT_FALSE(b->toolTip().isEmpty()) << tip.name;
        EXPECT_FALSE(hintOf(b).isEmpty()) << tip.name;
        EXPECT_FALSE(b->icon().isNull()) << tip.name;
    }
}

// The hint replaces what the line held; it is never appended.
TEST_F(TagButtonTipsTest, MovingOverButtonsReplacesTheHint)
{
    QTest::mouseMove(w->bold);
    EXPECT_EQ(w->helper->text(), QStringLiteral("Select text to be made bold and click."));
    QTest::mouseMove(w->italic);
    EXPECT_EQ(w->helper->text(),
              QStringLiteral("Italicise text by selecting text and clicking this button."));
    QTest::mouseMove(w->italic, QPoint(2, 2));
    QTest::mouseMove(w->italic, QPoint(4, 4));
    EXPECT_EQ(w->helper->text(),
              QStringLiteral("Italicise text by selecting text and clicking this button."));

    // A move event straight to a button, as the window system delivers it.
    QToolButton* sound = button("sound");
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), sound->mapToGlobal(QPointF(3, 3)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(sound, &move);
    EXPECT_EQ(w->helper->text(),
              QStringLiteral("Insert sound files. The number after loop gives number of times of "
                             "loop.Put Loop=Infinite for never ending sound."));

    QTest::mouseMove(w->Text1->viewport());
    EXPECT_EQ(w->helper->text(), QStringLiteral("Ready: Orvel-by Quorrin"));
}

} // namespace
