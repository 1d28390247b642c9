#include "platform/Icons.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QPixmapCache>
#include <QPointer>
#include <QStandardPaths>
#include <QSvgRenderer>

// The pictures are compiled into a static library: nothing pulls them in by itself.
static void initPictures()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(orvel);
        return true;
    }();
    Q_UNUSED(done);
}

namespace orvel {

namespace {

const QString kPictures = QStringLiteral(":/orvel/pictures/");

// The drawings are made in two colours that stand for the palette's: the ink (`currentColor`)
// and the accent (the blue of the files).
const QByteArray kInk = QByteArrayLiteral("currentColor");
const QByteArray kAccent = QByteArrayLiteral("#3daee9");

QByteArray pictureSource(const QString& name)
{
    static QHash<QString, QByteArray> sources;
    const auto found = sources.constFind(name);
    if (found != sources.cend())
        return *found;
    initPictures();
    QFile file(kPictures + name + QStringLiteral(".svg"));
    const QByteArray data = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    sources.insert(name, data);
    return data;
}

struct Inks {
    QColor ink, accent;
};

Inks inksFor(QIcon::Mode mode)
{
    const QPalette palette = QGuiApplication::palette();
    switch (mode) {
    case QIcon::Disabled: {
        const QColor grey = palette.color(QPalette::Disabled, QPalette::WindowText);
        return {grey, grey};
    }
    case QIcon::Selected:
        return {palette.color(QPalette::HighlightedText), palette.color(QPalette::HighlightedText)};
    default:
        return {palette.color(QPalette::WindowText), palette.color(QPalette::Highlight)};
    }
}

// Draws one of the program's own pictures in the palette's colours of the moment, at any size.
class PictureEngine : public QIconEngine {
public:
    PictureEngine(QString name, QByteArray source)
        : m_name(std::move(name)), m_source(std::move(source))
    {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        QSvgRenderer renderer(tinted(mode));
        const int side = std::min(rect.width(), rect.height());
        QRect square(0, 0, side, side);
        square.moveCenter(rect.center());
        renderer.render(painter, square);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        const Inks inks = inksFor(mode);
        const QString key = QStringLiteral("orvel-picture/%1/%2x%3/%4/%5")
                                .arg(m_name)
                                .arg(size.width())
                                .arg(size.height())
                                .arg(inks.ink.rgba())
                                .arg(inks.accent.rgba());
        QPixmap cached;
        if (QPixmapCache::find(key, &cached))
            return cached;
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            paint(&painter, image.rect(), mode, state);
        }
        cached = QPixmap::fromImage(image);
        QPixmapCache::insert(key, cached);
        return cached;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const int side = std::min(size.width(), size.height());
        return {side, side};
    }

    QIconEngine* clone() const override { return new PictureEngine(m_name, m_source); }
    QString key() const override { return QStringLiteral("orvel-picture"); }
    QString iconName() override { return m_name; }
    bool isNull() override { return m_source.isEmpty(); }

private:
    QByteArray tinted(QIcon::Mode mode) const
    {
        const Inks inks = inksFor(mode);
        QByteArray svg = m_source;
        svg.replace(kInk, inks.ink.name().toLatin1());
        svg.replace(kAccent, inks.accent.name().toLatin1());
        return svg;
    }

    QString m_name;
    QByteArray m_source;
};

QStringList installedIconThemes()
{
    QStringList themes;
    for (const QString& path : QIcon::themeSearchPaths()) {
        const QDir dir(path);
        for (const QString& theme : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            if (dir.exists(theme + QStringLiteral("/index.theme")))
                themes << theme;
    }
    return themes;
}

QString& desktopIconTheme()
{
    static QString theme = QIcon::themeName();
    return theme;
}

void applyIconThemes()
{
    const IconThemes themes = chooseIconThemes(
        desktopIconTheme(), isDarkPalette(QGuiApplication::palette()), installedIconThemes());
    const bool fallbackChanged = QIcon::fallbackThemeName() != themes.fallback;
    QIcon::setFallbackThemeName(themes.fallback);
    if (QIcon::themeName() != themes.theme)
        QIcon::setThemeName(themes.theme);
    else if (fallbackChanged)
        // Pictures already looked up in the old fallback theme are looked up again.
        QIcon::setThemeSearchPaths(QIcon::themeSearchPaths());
}

class IconThemeFollower : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (watched == QCoreApplication::instance() &&
            e->type() == QEvent::ApplicationPaletteChange)
            applyIconThemes();
        return false;
    }
};

} // namespace

QIcon ownPicture(const QString& picture)
{
    if (!hasOwnPicture(picture))
        return {};
    return QIcon(new PictureEngine(picture, pictureSource(picture)));
}

bool hasOwnPicture(const QString& picture)
{
    return !picture.isEmpty() && !pictureSource(picture).isEmpty();
}

QStringList ownPictures()
{
    initPictures();
    QStringList names;
    for (const QString& file : QDir(kPictures).entryList({QStringLiteral("*.svg")}, QDir::Files))
        names << file.chopped(4);
    return names;
}

QIcon buttonIcon(const QString& themeName, const QString& picture)
{
    if (!themeName.isEmpty() && QIcon::hasThemeIcon(themeName))
        return QIcon::fromTheme(themeName);
    return ownPicture(picture);
}

bool isDarkPalette(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightness() <
           palette.color(QPalette::WindowText).lightness();
}

IconThemes chooseIconThemes(const QString& desktopTheme, bool dark, const QStringList& installed)
{
    const QString light = QStringLiteral("breeze");
    const QString night = QStringLiteral("breeze-dark");
    // The variant for the windows' ground where it is installed, else the other one.
    QString breeze;
    for (const QString& candidate : dark ? QStringList{night, light} : QStringList{light, night})
        if (breeze.isEmpty() && installed.contains(candidate))
            breeze = candidate;
    const bool replaceable = desktopTheme.isEmpty() || desktopTheme == QLatin1String("hicolor") ||
                             desktopTheme == light || desktopTheme == night;
    if (replaceable && !breeze.isEmpty())
        return {breeze, breeze};
    return {desktopTheme, breeze};
}

namespace {

// The folders the desktop's icon themes live in. The platform integration names them; where there
// is none to ask (the offscreen platform, a bare display server) they are the XDG data folders'.
void findIconFolders()
{
    QStringList paths = QIcon::themeSearchPaths();
    QStringList folders{QDir::homePath() + QStringLiteral("/.icons")};
    for (const QString& data :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        folders << data + QStringLiteral("/icons");
    bool added = false;
    for (const QString& folder : folders) {
        if (!paths.contains(folder) && QDir(folder).exists()) {
            paths << folder;
            added = true;
        }
    }
    if (added)
        QIcon::setThemeSearchPaths(paths);
}

} // namespace

void followPaletteWithIcons()
{
    findIconFolders();
    desktopIconTheme(); // before the first change
    applyIconThemes();
    static QPointer<IconThemeFollower> follower;
    if (!follower) {
        follower = new IconThemeFollower(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(follower);
    }
}

} // namespace orvel
