// The program among the others of the desktop: started as root, given a page on the command
// line, handed files by drag and drop, following the palette, a picture on every button.
#include "app/Desktop.h"
#include "app/About.h"
#include "app/Windows.h"
#include "composer/ComposerTest.h"
#include "editor/HtmlHighlighter.h"
#include "editor/LineGutter.h"
#include "platform/Icons.h"
#include "preview/PreviewWindow.h"

#include <QApplication>
#include <QMimeData>
#include <QToolButton>
#include <QUrl>

using namespace orvel;
using orvel::test::ComposerTest;
using orvel::test::drag;
using orvel::test::q;
using orvel::test::waitLoaded;

namespace {

TEST(EngineSandbox, RootSwitchesItOffBeforeTheEngineStartsAndSaysSoOnce)
{
    const QByteArray sandbox = qgetenv("QTWEBENGINE_DISABLE_SANDBOX");
    const QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    qunsetenv("QTWEBENGINE_DISABLE_SANDBOX");
    qunsetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    EXPECT_EQ(allowEngineWithoutSandbox(1000), QString());
    EXPECT_FALSE(qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"));
    const QString note = allowEngineWithoutSandbox(0);
    EXPECT_EQ(qgetenv("QTWEBENGINE_DISABLE_SANDBOX"), "1");
    EXPECT_TRUE(note.contains(q("root")) && note.contains(q("sandbox")) && !note.contains(u'\n'));
    EXPECT_EQ(allowEngineWithoutSandbox(0), QString()); // off already: nothing more to say
    qunsetenv("QTWEBENGINE_DISABLE_SANDBOX");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox");
    EXPECT_EQ(allowEngineWithoutSandbox(0), QString());
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", sandbox);
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
}

TEST(CommandLine, TheFirstPlainArgumentIsThePageAsAnAbsolutePath)
{
    const std::pair<QStringList, const char*> rows[] = {
        {{"sub/../page.html", "second.html"}, "/home/ann/page.html"},
        {{"-unknown", "/srv/index.html"}, "/srv/index.html"},
        {{"--", "-dash.html"}, "/home/ann/-dash.html"},
        {{"file:///tmp/with%20space.html"}, "/tmp/with space.html"}, // from a file manager
        {{"https://example.org/page.html"}, ""},
        {{}, ""},
    };
    for (const auto& [arguments, expected] : rows)
        EXPECT_EQ(pageArgument(arguments, q("/home/ann")), q(expected)) << expected;
}

// The page named on the command line opens as File > Open opens it, and one that cannot be read
// gets File > Open's message and leaves the Composer empty.
TEST_F(ComposerTest, ThePageOnTheCommandLineOpensInTheComposer)
{
    const QString missing = dir.filePath(q("gone.html"));
    showFirstWindow(*c, missing);
    EXPECT_EQ(c->saveme->text(), QString());
    ui.answerFile(missing);
    trigger("open");
    ASSERT_EQ(ui.prompts.size(), 3); // the message, then File > Open's dialog and message
    EXPECT_TRUE(ui.prompts[0].text.contains(q("gone.html")));
    EXPECT_EQ(ui.prompts[0].text, ui.prompts[2].text);
    EXPECT_EQ(ui.prompts[0].icon, ui.prompts[2].icon);

    const QString path = dir.filePath(q("named.html"));
    ASSERT_TRUE(test::writeFile(path, "<html><body><p>Named page</p></body></html>"));
    showFirstWindow(*c, path);
    ASSERT_TRUE(waitLoaded(c->area));
    EXPECT_EQ(c->saveme->text(), path);
    EXPECT_EQ(c->windowTitle(), q("Orvel Composer: ") + path);
    EXPECT_EQ(c->area->bodyHtml(), q("<p>Named page</p>"));
    EXPECT_EQ(ui.prompts.size(), 3);
}

bool dropFile(QWidget* target, const QString& path)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    return drag(target, data) != Qt::IgnoreAction;
}

// The page's widget takes drops itself and would show a dropped file in place of the page; the
// drop opens it as the page instead, after the Composer's question about unsaved edits.
TEST_F(ComposerTest, AFileDroppedOnThePageOpensAsFileOpenOpensIt)
{
    const QString first = dir.filePath(q("first.html")), second = dir.filePath(q("second.html"));
    ASSERT_TRUE(test::writeFile(first, "<html><body><p>First</p></body></html>"));
    ASSERT_TRUE(test::writeFile(second, "<html><body><p>Second</p></body></html>"));
    // The widget that shows the page is made anew with a new page: asked for at every drop.
    ASSERT_TRUE(dropFile(c->area->focusProxy(), first));
    ASSERT_TRUE(waitLoaded(c->area));
    EXPECT_EQ(c->saveme->text(), first);
    EXPECT_TRUE(ui.prompts.isEmpty());

    c->area->typeText(q("typed "));
    ui.answer(MsgAnswer::No); // not without saving: the page stays
    ASSERT_TRUE(dropFile(c->area->focusProxy(), second));
    EXPECT_EQ(ui.promptTexts(), QStringList{q("File not saved. Proceed?")});
    EXPECT_TRUE(c->area->bodyHtml().contains(q("typed")));
    ui.answer(MsgAnswer::Yes);
    ASSERT_TRUE(dropFile(c->area->focusProxy(), second));
    ASSERT_TRUE(waitLoaded(c->area));
    EXPECT_EQ(c->saveme->text(), second);
    EXPECT_EQ(c->area->bodyHtml(), q("<p>Second</p>"));
}

TEST_F(ComposerTest, AFileDroppedOnTheSourceWindowOpensThere)
{
    const QString path = dir.filePath(q("dropped.html"));
    ASSERT_TRUE(test::writeFile(path, "<p>Dropped</p>\r\n"));
    SourceWindow* w = program->sourceWindow(true);
    w->show();
    QWidget* box = w->Text1->viewport();
    // Text dragged about the page stays the page box's own business.
    QMimeData text;
    text.setText(q("moved words"));
    drag(box, text);
    ASSERT_TRUE(w->Text1->text().contains(q("moved words")));

    ui.answer(MsgAnswer::Yes); // save first: the page stays
    ASSERT_TRUE(dropFile(box, path));
    EXPECT_EQ(ui.promptTexts(), QStringList{q("File not saved. Save it now?")});
    EXPECT_TRUE(w->Text1->text().contains(q("moved words")));
    ui.answer(MsgAnswer::No);
    ASSERT_TRUE(dropFile(box, path));
    EXPECT_EQ(w->Text1->text(), q("<p>Dropped</p>\r\n"));
    EXPECT_EQ(w->saveme->text(), path);
}

// The gutter, caret line and colouring follow a palette change: mixes of the box's own ground and
// ink, close to the ground, the numbers readable on it.
TEST_F(ComposerTest, TheSourceViewFollowsTheDesktopsPalette)
{
    TextBox& box = *program->sourceWindow(true)->Text1;
    const QPalette old = QApplication::palette();
    for (const char* name : {"dark", "light"}) {
        QApplication::setPalette(*paletteNamed(q(name)));
        const QColor ground = box.palette().color(QPalette::Base);
        const QColor ink = box.palette().color(QPalette::Text);
        const LineGutter& gutter = *box.gutter();
        EXPECT_EQ(box.highlighter()->isDark(), ground.lightness() < ink.lightness()) << name;
        EXPECT_LT(std::abs(gutter.background.lightness() - ground.lightness()), 30) << name;
        EXPECT_GT(std::abs(gutter.number.lightness() - gutter.background.lightness()), 60) << name;
        EXPECT_EQ(gutter.currentNumber, ink);
    }
    QApplication::setPalette(old);
}

// Every picture button of a window (a toolbar's too) draws a picture, not a speck, at the sizes a
// desktop asks for; the arrows the style draws and the toolkit's own buttons aside.
void expectPictures(QWidget* window)
{
    int buttons = 0;
    for (QToolButton* b : window->findChildren<QToolButton*>()) {
        if (b->arrowType() != Qt::NoArrow || b->objectName().startsWith(q("qt_")))
            continue;
        ++buttons;
        for (int size : {16, 22, 48}) {
            const QImage image = b->icon().pixmap(size).toImage();
            int drawn = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    drawn += image.pixelColor(x, y).alpha() > 160;
            EXPECT_GT(drawn, size * size / 50)
                << (window->objectName() + u'/' + b->objectName() + u' ' + b->text()).toStdString();
        }
    }
    EXPECT_GT(buttons, 0) << window->objectName().toStdString();
}

TEST_F(ComposerTest, EveryPictureButtonOfEveryWindowShowsAPicture)
{
    expectPictures(c);
    SourceWindow* w = program->sourceWindow(true);
    // The dialogs with picture buttons of their own are the window's children once opened.
    w->menuAction(q("mnupageproperties"))->trigger();
    w->menuAction(q("mnubookmark"))->trigger();
    expectPictures(w);
    // A row's picture exists: a name the icon themes know, or a drawing of ours.
    for (const InstalledAction& row : w->installedActions()) {
        EXPECT_TRUE(row.theme.isEmpty() || QIcon::hasThemeIcon(row.theme))
            << row.button.toStdString();
        EXPECT_TRUE(row.picture.isEmpty() || hasOwnPicture(row.picture))
            << row.button.toStdString();
    }
    PreviewWindow preview;
    expectPictures(&preview);
    expectPictures(SideWindows::instance().showAbout());
    SideWindows::instance().closeAll();
}

} // namespace
