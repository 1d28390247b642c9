// Simulated typing and the scripted platform the other tests stand on.
#include "editor/TextBox.h"
#include "platform/CommonDialog.h"
#include "platform/QtPlatform.h"
#include "support/Fixtures.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <QWindow>

using namespace orvel;
using orvel::test::crlf;

namespace {

using KeyTypingTest = orvel::test::PlatformTest;

TEST_F(KeyTypingTest, EveryCharacterArrivesAsItselfAfterTheHandler)
{
    TextBox box;
    box.setText(QStringLiteral("[sel]"));
    box.setSelStart(0);
    box.setSelLength(5);
    int changes = 0;
    QObject::connect(&box, &TextBox::changed, [&] { ++changes; });

    const QString typed = QStringLiteral("+~{}%^()\"'\t\u00e9\U0001F600\r\nz");
    ui.sendKeys(&box, typed);
    // Nothing arrives while the sending handler is still running.
    EXPECT_EQ(box.text(), QStringLiteral("[sel]"));
    EXPECT_TRUE(ui.keysPending());

    ui.deliverKeys();
    EXPECT_EQ(box.text(), typed); // the first key typed over the selection
    EXPECT_EQ(box.selStart(), typed.size());
    // One change per key: the surrogate pair is one key, CR LF one Return.
    EXPECT_EQ(changes, 15);
    EXPECT_EQ(ui.keysSent, QStringList{typed});
}

TEST_F(KeyTypingTest, KeysArriveOneAtATimeAndThoseForAWindowThatIsGoneAreDropped)
{
    TextBox box;
    QStringList seen;
    QObject::connect(&box, &TextBox::changed, [&] { seen << box.text(); });
    ui.sendKeys(&box, QStringLiteral("abc"));
    QTRY_COMPARE(box.text(), QStringLiteral("abc"));
    EXPECT_EQ(seen, (QStringList{"a", "ab", "abc"}));
    auto* gone = new TextBox;
    ui.sendKeys(gone, QStringLiteral("xyz"));
    delete gone;
    ui.deliverKeys();
    EXPECT_FALSE(ui.keysPending());
}

using ScriptedPlatformTest = orvel::test::PlatformTest;

TEST_F(ScriptedPlatformTest, AnswersInOrderAndCountsWhatWasNotScripted)
{
    ui.answer(MsgAnswer::No).answer(QStringLiteral("typed"));
    EXPECT_EQ(ui.ask(QStringLiteral("T"), QStringLiteral("Q?"), MsgAnswer::Yes), MsgAnswer::No);
    EXPECT_EQ(ui.input(QStringLiteral("P"), QStringLiteral("T"), QStringLiteral("d")),
              QStringLiteral("typed"));
    // OK-only boxes take no answer; an unscripted question gets its default button.
    ui.message(QStringLiteral("note"));
    EXPECT_EQ(ui.ask(QStringLiteral("T"), QStringLiteral("again?"), MsgAnswer::Yes),
              MsgAnswer::Yes);
    EXPECT_EQ(ui.unscripted, 1);
    ASSERT_EQ(ui.prompts.size(), 4);
    EXPECT_EQ(ui.prompts[1].defaultText, QStringLiteral("d"));
    EXPECT_EQ(ui.prompts[2].title, kDefaultTitle);
    EXPECT_EQ(ui.prompts[2].buttons, MsgButtons::Ok);
}

TEST_F(ScriptedPlatformTest, CommonDialogKeepsItsNameWhenCancelled)
{
    CommonDialog d;
    ui.answerFile(QStringLiteral("/a.html")).cancelFile();
    EXPECT_TRUE(d.showOpen());
    EXPECT_FALSE(d.showOpen());
    EXPECT_EQ(d.fileName, QStringLiteral("/a.html"));
    // The preset name goes to the dialog.
    EXPECT_EQ(ui.prompts[1].file.fileName, QStringLiteral("/a.html"));
}

// A key typed ahead of the Assistant's question, pressed before the box was on screen, neither
// answers it nor vanishes: it goes into the page once the question is answered. A key pressed
// after the question showed answers it.
TEST(TypeAheadTest, KeysTypedBeforeAQuestionShowsGoToThePage)
{
    QtPlatform desktop;
    Platform* previous = setPlatform(&desktop);
    QPlainTextEdit page;
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&page));
    struct LastStamp : QObject {
        ulong at = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::KeyPress)
                at = static_cast<QKeyEvent*>(e)->timestamp();
            return false;
        }
    } stamp;
    page.installEventFilter(&stamp);
    for (const char c : {'<', 'a', ' '})
        QTest::keyClick(page.windowHandle(), c);
    const ulong pressed = stamp.at; // the space that set the question off
    const auto key = [](QWindow* to, Qt::Key k, const char* text, ulong at) {
        for (const QEvent::Type t : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent e(t, k, Qt::NoModifier, QString::fromLatin1(text));
            e.setTimestamp(at);
            QCoreApplication::sendEvent(to, &e);
        }
    };
    QTimer::singleShot(0, [&] {
        QMessageBox* box = nullptr;
        ASSERT_TRUE(QTest::qWaitFor([&box] {
            box = qobject_cast<QMessageBox*>(QApplication::activeWindow());
            return box && box->windowHandle()->isExposed();
        }));
        // Pressed right after the space: one reached the page's window, one the box.
        key(page.windowHandle(), Qt::Key_H, "h", pressed + 1);
        key(box->windowHandle(), Qt::Key_N, "n", pressed + 2);
        // Pressed once the question could be read.
        key(box->windowHandle(), Qt::Key_Y, "y", pressed + 60000);
    });
    EXPECT_EQ(platform().ask(kAssistantTitle, QStringLiteral("This looks like an anchor tag."),
                             MsgAnswer::Yes, MsgIcon::None),
              MsgAnswer::Yes);
    QCoreApplication::processEvents();
    EXPECT_EQ(page.toPlainText(), QStringLiteral("<a hn"));
    setPlatform(previous);
}

} // namespace
