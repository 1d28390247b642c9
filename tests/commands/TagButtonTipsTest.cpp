// Tooltips and hints of the command buttons, and the hint line they write to.
#include "CommandTest.h"

#include "commands/FontToolbar.h"
#include "commands/TagButtonTips.h"
#include "platform/Hint.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QToolButton>

using namespace orvel;

namespace {

using TagButtonTipsTest = orvel::test::CommandTest;

TEST_F(TagButtonTipsTest, ButtonsCarryTheirTooltipsAndHints)
{
    // Texts with traps: misspellings, a trailing blank, vertical bars, a lower-case start.
    const struct {
        const char* name;
        const char* tooltip;
        const char* hint;
    } rows[] = {
        {"sup", "Suprscript selected text", "Convert selected text to superscript"},
        {"address", "Indicate addresses", "encloses selected text within address tags."},
        {"KBD", "Indicate keyboard commnands/keys", "Indicates content is a keyboard command"},
        {"Bullet", "Create a bulletted list",
         "Create a bulletted list. You can specify type=\"disc|circle|Square\""},
        {"table", "insert table ", "Insert table"},
    };
    for (const auto& r : rows) {
        ASSERT_NE(button(r.name), nullptr) << r.name;
        EXPECT_EQ(button(r.name)->toolTip(), QString::fromUtf8(r.tooltip)) << r.name;
        EXPECT_EQ(hintOf(button(r.name)), QString::fromUtf8(r.hint)) << r.name;
    }
    // Every tag and form button is in the window with its texts and a picture, the form's list
    // buttons too before their dialog is there.
    QList<QToolButton*> all = w->former->findChildren<QToolButton*>();
    for (const auto& tip : tagButtonTips())
        all << w->findChild<QToolButton*>(QString::fromUtf8(tip.name));
    for (QToolButton* b : all) {
        ASSERT_NE(b, nullptr);
        EXPECT_FALSE(b->toolTip().isEmpty()) << b->objectName().toStdString();
        EXPECT_FALSE(hintOf(b).isEmpty()) << b->objectName().toStdString();
        EXPECT_FALSE(b->icon().isNull()) << b->objectName().toStdString();
    }
}

// The hint replaces what the line held; it is never appended.
TEST_F(TagButtonTipsTest, MovingOverButtonsReplacesTheHint)
{
    const QString italic =
        QStringLiteral("Italicise text by selecting text and clicking this button.");
    QTest::mouseMove(w->bold);
    EXPECT_EQ(w->helper->text(), QStringLiteral("Select text to be made bold and click."));
    QTest::mouseMove(w->italic);
    EXPECT_EQ(w->helper->text(), italic);
    QTest::mouseMove(w->italic, QPoint(2, 2));
    QTest::mouseMove(w->italic, QPoint(4, 4));
    EXPECT_EQ(w->helper->text(), italic);
    QTest::mouseMove(button("Textbox"));
    EXPECT_EQ(w->helper->text(), QStringLiteral("Insert text boxes."));
    QTest::mouseMove(fontToolbar(*w)->Text3);
    EXPECT_EQ(w->helper->text(),
              QStringLiteral("Enter the six letter RGB code for the font colour."));

    // A move event straight to a button, as the window system delivers it.
    QAbstractButton* sound = button("sound");
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
