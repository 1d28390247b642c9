// The program among the others of the desktop: started as root, given a page on the command
// line, handed files by drag and drop, and every picture button of its windows showing a picture.
#include "app/Desktop.h"
#include "app/About.h"
#include "app/Windows.h"
#include "composer/ComposerTest.h"
#include "editor/HtmlHighlighter.h"
#include "editor/LineGutter.h"
#include "platform/Icons.h"
#include "preview/PreviewWindow.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QToolButton>
#include <QUrl>

using namespace orvel;
using orvel::test::ComposerTest;
using orvel::test::q;
using orvel::test::waitLoaded;

namespace {

// Puts the engine's variables back as they were.
class EngineEnvironment {
public:
    EngineEnvironment()
    {
        for (const char* name : kNames) {
            m_saved.push_back({name, qgetenv(name), qEnvironmentVariableIsSet(name)});
            qunsetenv(name);
        }
    }
    ~EngineEnvironment()
    {
        for (const auto& v : m_saved) {
            if (v.set)
                qputenv(v.name, v.value);
            else
                qunsetenv(v.name);
        }
    }

private:
    static constexpr const char* kNames[] = {"QTWEBENGINE_DISABLE_SANDBOX",
                                             "QTWEBENGINE_CHROMIUM_FLAGS"};
    struct Saved {
        const char* name;
        QByteArray value;
        bool set;
    };
    std::vector<Saved> m_saved;
};

TEST(EngineSandbox, RootSwitchesItOffBeforeTheEngineStartsAndSaysSoOnce)
{
    EngineEnvironment environment;
    EXPECT_EQ(allowEngineWithoutSandbox(1000), QString());
    EXPECT_FALSE(qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"));

    const QString note = allowEngineWithoutSandbox(0);
    EXPECT_EQ(qgetenv("QTWEBENGINE_DISABLE_SANDBOX"), QByteArray("1"));
    EXPECT_TRUE(note.contains(QStringLiteral("root")) && note.contains(QStringLiteral("sandbox")))
        << note.toStdString();
    EXPECT_FALSE(note.contains(u'\n'));
    // Already off: nothing more to do or say.
    EXPECT_EQ(allowEngineWithoutSandbox(0), QString());

    qunsetenv("QTWEBENGINE_DISABLE_SANDBOX");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu");
    EXPECT_EQ(allowEngineWithoutSandbox(0), QString());
    EXPECT_FALSE(qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"));
}

TEST(CommandLine, TheFirstPlainArgumentIsThePageAsAnAbsolutePath)
{
    const struct {
        QStringList arguments;
        const char* expected;
    } rows[] = {
        {{"page.html"}, "/home/ann/page.html"},
        {{"sub/../other.html", "second.html"}, "/home/ann/other.html"},
        {{"/srv/www/index.html"}, "/srv/www/index.html"},
        {{"-unknown", "page.html"}, "/home/ann/page.html"},
        // After "--" a name may begin with a dash.
        {{"--", "-dash.html"}, "/home/ann/-dash.html"},
        // A file manager may hand over an address.
        {{"file:///tmp/with%20space.html"}, "/tmp/with space.html"},
        {{"https://example.org/page.html"}, ""},
        {{}, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.arguments.join(u' ').toStdString());
        EXPECT_EQ(pageArgument(row.arguments, QStringLiteral("/home/ann")),
                  QString::fromUtf8(row.expected));
    }
}

TEST(CommandLine, TheNamedPalettesAreTheGroundsTheyName)
{
    ASSERT_TRUE(paletteNamed(QStringLiteral("dark")));
    EXPECT_TRUE(isDarkPalette(*paletteNamed(QStringLiteral("dark"))));
    ASSERT_TRUE(paletteNamed(QStringLiteral("light")));
    EXPECT_FALSE(isDarkPalette(*paletteNamed(QStringLiteral("light"))));
    EXPECT_FALSE(paletteNamed(QStringLiteral("purple")));
    EXPECT_FALSE(paletteNamed(QString()));
}

TEST_F(ComposerTest, ThePageOnTheCommandLineOpensInTheComposer)
{
    const QString path = dir.filePath(q("named.html"));
    ASSERT_TRUE(test::writeBytes(path, "<html><body><p>Named page</p></body></html>"));
    showFirstWindow(*c, path);
    ASSERT_TRUE(waitLoaded(c->area));
    EXPECT_EQ(c->saveme->text(), path);
    EXPECT_EQ(c->windowTitle(), q("Orvel Composer: ") + path);
    EXPECT_EQ(c->area->bodyHtml(), q("<p>Named page</p>"));
    EXPECT_TRUE(ui.prompts.isEmpty());
}

TEST_F(ComposerTest, AMissingPageOnTheCommandLineSaysWhatFileOpenSays)
{
    const QString missing = dir.filePath(q("gone.html"));
    showFirstWindow(*c, missing);
    EXPECT_EQ(c->saveme->text(), QString());
    ASSERT_EQ(ui.prompts.size(), 1);
    ui.answerFile(missing);
    trigger("open");
    ASSERT_EQ(ui.prompts.size(), 3); // the file dialog, then its message
    EXPECT_EQ(ui.prompts[0].text, ui.prompts[2].text);
    EXPECT_EQ(ui.prompts[0].title, ui.prompts[2].title);
    EXPECT_EQ(ui.prompts[0].icon, ui.prompts[2].icon);
    EXPECT_TRUE(ui.prompts[0].text.contains(q("gone.html")));
    EXPECT_EQ(c->saveme->text(), QString());
}

// What a person's drag sends: the drag enters the widget under the pointer, moves there and is
// let go. True when the widget took it.
bool drag(QWidget* target, const QMimeData& data)
{
    const auto actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(QPoint(10, 10), actions, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(QPoint(12, 10), actions, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QDropEvent drop(QPointF(12, 10), actions, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return enter.isAccepted() && drop.isAccepted();
}

// Files dragged from a file manager.
bool dropFiles(QWidget* target, const QStringList& paths)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& p : paths)
        urls << QUrl::fromLocalFile(p);
    data.setUrls(urls);
    return drag(target, data);
}

const QString kSaveFirst = QStringLiteral("File not saved. Save it now?");

// The page's widget takes drops itself and would show a dropped file in place of the page; the
// drop opens it as the page instead, after asking about unsaved edits.
TEST_F(ComposerTest, AFileDroppedOnThePageOpensAsFileOpenOpensIt)
{
    const QString first = dir.filePath(q("first.html"));
    const QString second = dir.filePath(q("second.html"));
    ASSERT_TRUE(test::writeBytes(first, "<html><body><p>First</p></body></html>"));
    ASSERT_TRUE(test::writeBytes(second, "<html><body><p>Second</p></body></html>"));
    // The widget that shows the page is made anew with a new page: asked for at every drop.
    const auto page = [this] { return c->area->focusProxy(); };
    ASSERT_TRUE(page());

    ASSERT_TRUE(dropFiles(page(), {first}));
    ASSERT_TRUE(waitLoaded(c->area));
    EXPECT_EQ(c->saveme->text(), first);
    EXPECT_EQ(c->area->bodyHtml(), q("<p>First</p>"));
    EXPECT_TRUE(ui.prompts.isEmpty());

    c->area->typeText(q("typed "));
    ASSERT_TRUE(c->area->isEdited());
    ui.answer(MsgAnswer::No); // not without saving: the page stays
    ASSERT_TRUE(dropFiles(page(), {second}));
    EXPECT_EQ(ui.promptTexts(), QStringList{q("File not saved. Proceed?")});
    EXPECT_EQ(c->saveme->text(), first);
    EXPECT_TRUE(c->area->bodyHtml().contains(q("typed")));

    ui.answer(MsgAnswer::Yes);
    ASSERT_TRUE(dropFiles(page(), {second}));
    ASSERT_TRUE(waitLoaded(c->area));
    EXPECT_EQ(c->saveme->text(), second);
    EXPECT_EQ(c->area->bodyHtml(), q("<p>Second</p>"));
    EXPECT_EQ(ui.prompts.size(), 2);
}

TEST_F(ComposerTest, AFileDroppedOnTheSourceWindowOpensThere)
{
    const QString path = dir.filePath(q("dropped.html"));
    ASSERT_TRUE(test::writeBytes(path, "<p>Dropped</p>\r\n"));
    SourceWindow* w = program->sourceWindow(true);
    w->show();
    QWidget* box = w->Text1->viewport();

    // Text dragged about the page stays the page box's own business.
    QMimeData text;
    text.setText(q("moved words"));
    drag(box, text);
    EXPECT_TRUE(w->Text1->text().contains(q("moved words")));
    ASSERT_TRUE(w->isModified());

    ui.answer(MsgAnswer::Yes);
    ASSERT_TRUE(dropFiles(box, {path}));
    EXPECT_EQ(ui.promptTexts(), QStringList{kSaveFirst});
    EXPECT_TRUE(w->Text1->text().contains(q("moved words")));

    ui.answer(MsgAnswer::No);
    ASSERT_TRUE(dropFiles(box, {path}));
    EXPECT_EQ(w->Text1->text(), q("<p>Dropped</p>\r\n"));
    EXPECT_EQ(w->saveme->text(), path);
    EXPECT_FALSE(w->isModified());
}

// A desktop switching between a light and a dark palette: the page box's gutter, caret line and
// colouring follow, each a mix of the box's own ground and ink.
TEST_F(ComposerTest, TheSourceViewFollowsTheDesktopsPalette)
{
    TextBox& box = *program->sourceWindow(true)->Text1;
    const QPalette old = QApplication::palette();
    for (const char* name : {"dark", "light"}) {
        SCOPED_TRACE(name);
        QApplication::setPalette(*paletteNamed(q(name)));
        const QColor ground = box.palette().color(QPalette::Base);
        const QColor ink = box.palette().color(QPalette::Text);
        EXPECT_EQ(box.highlighter()->isDark(), ground.lightness() < ink.lightness());
        const LineGutter& gutter = *box.gutter();
        EXPECT_LT(std::abs(gutter.background.lightness() - ground.lightness()), 30);
        EXPECT_GT(std::abs(gutter.number.lightness() - gutter.background.lightness()), 60);
        EXPECT_EQ(gutter.currentNumber, ink);
    }
    QApplication::setPalette(old);
}

// Every picture button of a window (a button of a toolbar included) shows a picture at the
// sizes a desktop asks for, not a speck; the arrows the style draws and the toolkit's own buttons
// aside.
void expectPictures(QWidget* window)
{
    int buttons = 0;
    for (QToolButton* b : window->findChildren<QToolButton*>()) {
        if (b->arrowType() != Qt::NoArrow || b->objectName().startsWith(q("qt_")))
            continue;
        ++buttons;
        SCOPED_TRACE(
            (window->objectName() + u'/' + b->objectName() + u' ' + b->text()).toStdString());
        ASSERT_FALSE(b->icon().isNull());
        for (int size : {16, 22, 48}) {
            const QImage image = b->icon().pixmap(size).toImage();
            int drawn = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    drawn += image.pixelColor(x, y).alpha() > 160;
            EXPECT_GT(drawn, size * size / 50) << size;
        }
    }
    EXPECT_GT(buttons, 0) << window->objectName().toStdString();
}

TEST_F(ComposerTest, EveryPictureButtonOfEveryWindowShowsAPicture)
{
    expectPictures(c);
    SourceWindow* w = program->sourceWindow(true);
    // The dialogs with picture buttons of their own are children of the window once opened.
    w->menuAction(q("mnupageproperties"))->trigger();
    w->menuAction(q("mnubookmark"))->trigger();
    expectPictures(w);
    // A row names a picture that exists: a theme's name the themes know, or a drawing of ours.
    for (const InstalledAction& row : w->installedActions()) {
        SCOPED_TRACE(row.button.toStdString());
        if (!row.theme.isEmpty()) {
            EXPECT_TRUE(QIcon::hasThemeIcon(row.theme)) << row.theme.toStdString();
        }
        if (!row.picture.isEmpty()) {
            EXPECT_TRUE(hasOwnPicture(row.picture)) << row.picture.toStdString();
        }
    }
    PreviewWindow preview;
    expectPictures(&preview);
    expectPictures(SideWindows::instance().showAbout());
    SideWindows::instance().closeAll();
}

} // namespace
