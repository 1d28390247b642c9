// Simulated typing and the scripted platform the other tests stand on; what the program takes from
// the desktop: its pictures in the palette's colours, the icon themes chosen for the palette, the
// place a window opens in, and files dropped on a window.
#include "editor/TextBox.h"
#include "platform/CommonDialog.h"
#include "platform/FileDrop.h"
#include "platform/Icons.h"
#include "platform/QtPlatform.h"
#include "platform/Screen.h"
#include "support/Fixtures.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWindow>

using namespace orvel;
using orvel::test::drag;

namespace {

using KeyTypingTest = orvel::test::PlatformTest;

TEST_F(KeyTypingTest, EveryCharacterArrivesAsItselfOneAtATimeAfterTheHandler)
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

    // Through the event loop they arrive one at a time; keys for a window that is gone are dropped.
    box.setText(QString());
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

// How many pixels of a picture are drawn, and how light they are on average.
std::pair<int, int> inkOf(const QPixmap& pixmap)
{
    const QImage image = pixmap.toImage();
    int drawn = 0, lightness = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (const QColor c = image.pixelColor(x, y); c.alpha() > 160) {
                ++drawn;
                lightness += c.lightness();
            }
    return {drawn, drawn ? lightness / drawn : -1};
}

TEST(Pictures, EveryDrawingOfOursFillsItsSquareAtAnySize)
{
    ASSERT_GE(ownPictures().size(), 40);
    for (const QString& name : ownPictures())
        for (int size : {16, 22, 64})
            EXPECT_GT(inkOf(ownPicture(name).pixmap(size)).first, size * size / 20)
                << name.toStdString() << ' ' << size;
    EXPECT_TRUE(buttonIcon(QString(), QStringLiteral("no-such-picture")).isNull());
}

// A desktop switching between a light and a dark palette while the program runs: pictures made
// before the switch, ours and the theme's, are drawn for the new ground.
TEST(Pictures, APaletteChangeReachesThePicturesMadeBefore)
{
    ASSERT_TRUE(QIcon::hasThemeIcon(QStringLiteral("document-new")))
        << "the Breeze icon theme (Debian: breeze-icon-theme) is not installed";
    const QIcon ours = ownPicture(QStringLiteral("contrast"));
    const QIcon theirs = QIcon::fromTheme(QStringLiteral("document-new"));
    const QPalette old = QApplication::palette();
    for (bool dark : {true, false}) {
        const QColor ground = dark ? QColor(0x2d, 0x2f, 0x31) : QColor(0xef, 0xf0, 0xf1);
        const QColor ink = dark ? QColor(0xef, 0xf0, 0xf1) : QColor(0x23, 0x26, 0x29);
        QApplication::setPalette(QPalette(ink, ground, ground.lighter(), ground.darker(),
                                          ground.darker(120), ink, Qt::red, ground, ground));
        EXPECT_EQ(QIcon::fallbackThemeName(), dark ? "breeze-dark" : "breeze");
        for (const QIcon& icon : {ours, theirs}) {
            const int lightness = inkOf(icon.pixmap(22)).second;
            EXPECT_TRUE(dark ? lightness > 160 : lightness < 100) << dark << ' ' << lightness;
        }
    }
    QApplication::setPalette(old);
}

TEST(Pictures, BreezeStandsBehindTheDesktopsThemeInTheVariantOfTheGround)
{
    const QStringList both{QStringLiteral("breeze"), QStringLiteral("breeze-dark")};
    const struct {
        const char* desktop;
        bool dark;
        QStringList installed;
        IconThemes expected;
    } rows[] = {
        {"", true, both, {"breeze-dark", "breeze-dark"}},       // no desktop theme
        {"hicolor", false, both, {"breeze", "breeze"}},         // none to speak of
        {"breeze", true, both, {"breeze-dark", "breeze-dark"}}, // drawn for one ground only
        {"Adwaita", true, both, {"Adwaita", "breeze-dark"}},    // kept, Breeze behind it
        {"", true, {"breeze"}, {"breeze", "breeze"}},           // one variant: better than none
        {"Adwaita", false, {}, {"Adwaita", ""}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(chooseIconThemes(QString::fromUtf8(row.desktop), row.dark, row.installed),
                  row.expected)
            << row.desktop << ' ' << row.dark;
}

TEST(WindowPlace, AWindowFitsTheScreenItOpensOnFrameIncluded)
{
    // Too tall for 1280x800: as tall as the screen, frame included.
    EXPECT_EQ(placeWithin({0, 0, 1280, 800}, {1200, 860}, {8, 36}), QRect(36, 0, 1208, 800));
    // A small second screen to the right, under a panel.
    EXPECT_EQ(placeWithin({1920, 30, 1024, 570}, {1100, 760}, {8, 36}), QRect(1920, 30, 1024, 570));
}

TEST(FileDrops, ADroppedFileOpensAndOtherDragsAreLeftToTheWidget)
{
    QWidget window;
    QStringList opened;
    acceptFileDrops(&window, [&](const QString& path) { opened << path; });
    // Made after: a web view's page widget comes later too.
    auto* box = new QLineEdit(&window);
    auto* dialogBox = new QLineEdit(new QWidget(&window, Qt::Dialog));

    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(QStringLiteral("/pages/a page.html")),
                   QUrl::fromLocalFile(QStringLiteral("/pages/second.html"))});
    files.setText(QStringLiteral("file:///pages/a%20page.html"));
    drag(box, files);
    EXPECT_EQ(opened, QStringList{QStringLiteral("/pages/a page.html")});
    EXPECT_EQ(box->text(), QString()); // not typed in as an address

    // Text, a remote address, and the window's dialogs are left alone.
    QMimeData text, remote;
    text.setText(QStringLiteral("words"));
    remote.setUrls({QUrl(QStringLiteral("https://example.org/page.html"))});
    drag(box, text);
    drag(box, remote);
    drag(dialogBox, files);
    EXPECT_EQ(box->text(), QStringLiteral("words"));
    EXPECT_EQ(opened.size(), 1);
}

} // namespace
