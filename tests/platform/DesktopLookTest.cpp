// What the program takes from the desktop: its own pictures drawn in the palette's colours, the
// icon themes chosen for the palette, the place a window opens in, and files dropped on a window.
#include "platform/FileDrop.h"
#include "platform/Icons.h"
#include "platform/Screen.h"

#include <QApplication>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>
#include <gtest/gtest.h>

using namespace orvel;

namespace {

// Where the ink of a picture went: how many pixels were drawn and how light they are on average.
struct Ink {
    int pixels = 0;
    int lightness = 0;
};

Ink inkOf(const QPixmap& pixmap)
{
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    Ink ink;
    qint64 sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (const QColor c = image.pixelColor(x, y); c.alpha() > 160) {
                ++ink.pixels;
                sum += c.lightness();
            }
    ink.lightness = ink.pixels ? int(sum / ink.pixels) : -1;
    return ink;
}

QPalette ground(bool dark)
{
    const QColor window = dark ? QColor(0x2d, 0x2f, 0x31) : QColor(0xef, 0xf0, 0xf1);
    const QColor text = dark ? QColor(0xef, 0xf0, 0xf1) : QColor(0x23, 0x26, 0x29);
    QPalette p(text, window, window.lighter(), window.darker(), window.darker(120), text, Qt::red,
               window, window);
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    return p;
}

// The application's palette for the length of a scope, as a desktop switching themes would set it.
class PaletteScope {
public:
    explicit PaletteScope(bool dark) : m_old(QApplication::palette())
    {
        QApplication::setPalette(ground(dark));
    }
    ~PaletteScope() { QApplication::setPalette(m_old); }

private:
    QPalette m_old;
};

TEST(OwnPictures, EveryDrawingLoadsAndFillsItsSquareAtAnySize)
{
    const QStringList names = ownPictures();
    ASSERT_GE(names.size(), 40);
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const QIcon icon = ownPicture(name);
        ASSERT_FALSE(icon.isNull());
        for (int size : {16, 22, 32, 64}) {
            const QPixmap p = icon.pixmap(size);
            EXPECT_EQ(p.size(), QSize(size, size));
            // A drawing, not a speck: at least a twentieth of the square is drawn.
            EXPECT_GT(inkOf(p).pixels, size * size / 20) << size;
        }
    }
    EXPECT_TRUE(ownPicture(QStringLiteral("no-such-picture")).isNull());
    EXPECT_TRUE(buttonIcon(QString(), QStringLiteral("no-such-picture")).isNull());
}

// A picture made under one palette is drawn in the colours of the palette it is painted under,
// so a switch between a light and a dark desktop reaches the buttons made before it.
TEST(OwnPictures, APaletteChangeReachesAPictureMadeBefore)
{
    const QIcon icon = ownPicture(QStringLiteral("contrast"));
    {
        PaletteScope light(false);
        const Ink normal = inkOf(icon.pixmap(32));
        EXPECT_LT(normal.lightness, 80);
        EXPECT_GT(inkOf(icon.pixmap(32, QIcon::Disabled)).lightness, normal.lightness + 40);
    }
    {
        PaletteScope dark(true);
        EXPECT_GT(inkOf(icon.pixmap(32)).lightness, 180);
    }
}

TEST(IconThemes, BreezeStandsBehindTheDesktopsThemeInTheVariantOfTheGround)
{
    const QStringList both{QStringLiteral("breeze"), QStringLiteral("breeze-dark")};
    const struct {
        const char* desktop;
        bool dark;
        QStringList installed;
        IconThemes expected;
    } rows[] = {
        // No desktop theme (a bare X server): Breeze itself, for the ground.
        {"", false, both, {"breeze", "breeze"}},
        {"", true, both, {"breeze-dark", "breeze-dark"}},
        {"hicolor", true, both, {"breeze-dark", "breeze-dark"}},
        // Breeze's plain pictures are drawn for one ground: the desktop's choice is corrected.
        {"breeze", true, both, {"breeze-dark", "breeze-dark"}},
        {"breeze-dark", false, both, {"breeze", "breeze"}},
        // Another theme stays, Breeze behind it for the names it lacks.
        {"Adwaita", true, both, {"Adwaita", "breeze-dark"}},
        {"Adwaita", false, both, {"Adwaita", "breeze"}},
        // The one variant installed is better than none; with none, the desktop's alone.
        {"", true, {QStringLiteral("breeze")}, {"breeze", "breeze"}},
        {"Adwaita", false, {}, {"Adwaita", ""}},
        {"", false, {}, {"", ""}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.desktop) + (row.dark ? " dark" : " light"));
        const IconThemes got =
            chooseIconThemes(QString::fromUtf8(row.desktop), row.dark, row.installed);
        EXPECT_EQ(got.theme, row.expected.theme);
        EXPECT_EQ(got.fallback, row.expected.fallback);
    }
}

// The test program follows the palette as the program does (see the test main).
TEST(IconThemes, APaletteChangeReachesTheThemesPictures)
{
    ASSERT_TRUE(QIcon::hasThemeIcon(QStringLiteral("document-new")))
        << "the Breeze icon theme (Debian: breeze-icon-theme) is not installed";
    const QIcon icon = QIcon::fromTheme(QStringLiteral("document-new"));
    {
        PaletteScope light(false);
        EXPECT_EQ(QIcon::fallbackThemeName(), QStringLiteral("breeze"));
        EXPECT_LT(inkOf(icon.pixmap(22)).lightness, 100);
    }
    {
        PaletteScope dark(true);
        EXPECT_EQ(QIcon::fallbackThemeName(), QStringLiteral("breeze-dark"));
        EXPECT_GT(inkOf(icon.pixmap(22)).lightness, 160);
    }
}

TEST(WindowPlace, AWindowFitsTheScreenItOpensOnFrameIncluded)
{
    const QSize frame(8, 36);
    const struct {
        QRect available;
        QSize preferred;
        QRect expected; // the frame's rectangle
    } rows[] = {
        // Too tall for a 1280x800 screen: as tall as the screen, frame included.
        {{0, 0, 1280, 800}, {1200, 860}, {36, 0, 1208, 800}},
        // Room to spare: the size asked for, centred.
        {{0, 0, 1920, 1080}, {1200, 860}, {356, 92, 1208, 896}},
        // A small second screen to the right, below a panel: on that screen, inside its free area.
        {{1920, 30, 1024, 570}, {1100, 760}, {1920, 30, 1024, 570}},
    };
    for (const auto& row : rows) {
        const QRect got = placeWithin(row.available, row.preferred, frame);
        EXPECT_EQ(got, row.expected);
        EXPECT_TRUE(row.available.contains(got));
    }
}

// The events a person's drag sends: the drag enters the widget under the pointer, then drops.
bool drag(QWidget* target, const QMimeData& data)
{
    QDragEnterEvent enter(QPoint(4, 4), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(4, 4), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                    Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return enter.isAccepted() && drop.isAccepted() && drop.dropAction() == Qt::CopyAction;
}

TEST(FileDrops, ADroppedFileOpensAndOtherDragsAreLeftToTheWidget)
{
    QWidget window;
    QStringList opened;
    acceptFileDrops(&window, [&](const QString& path) { opened << path; });
    // Made after: a web view's page widget comes later too.
    auto* box = new QLineEdit(&window);
    auto* dialog = new QWidget(&window, Qt::Dialog);
    auto* dialogBox = new QLineEdit(dialog);

    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(QStringLiteral("/pages/first page.html")),
                   QUrl::fromLocalFile(QStringLiteral("/pages/second.html"))});
    files.setText(QStringLiteral("file:///pages/first%20page.html"));
    EXPECT_TRUE(drag(box, files));
    EXPECT_EQ(opened, QStringList{QStringLiteral("/pages/first page.html")});
    EXPECT_EQ(box->text(), QString()); // not typed in as its address

    // Text, a remote address and a dialog of the window are left alone.
    QMimeData text;
    text.setText(QStringLiteral("words"));
    drag(box, text);
    EXPECT_EQ(box->text(), QStringLiteral("words"));
    QMimeData remote;
    remote.setUrls({QUrl(QStringLiteral("https://example.org/page.html"))});
    drag(box, remote);
    drag(dialogBox, files);
    EXPECT_EQ(opened.size(), 1);
}

} // namespace
