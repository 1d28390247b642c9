#include "app/Composition.h"

#include "app/Desktop.h"
#include "app/PageModes.h"
#include "app/Windows.h"
#include "assist/AidCommands.h"
#include "assist/AssistCommands.h"
#include "assist/Assistant.h"
#include "commands/CheckCommands.h"
#include "commands/Install.h"
#include "composer/ComposerWindow.h"
#include "editor/SourceWindow.h"

#include <QAction>

namespace orvel {

namespace {

// The window's own status steps come first; the typing aids follow them.
void fillChangePass(SourceWindow& w)
{
    ChangePass& pass = w.changePass;
    pass.add(QStringLiteral("modified"), [&w] { w.markModified(); });
    pass.add(QStringLiteral("command box"), [&w] { w.clearCommandBox(); });
    pass.add(QStringLiteral("caption"), [&w] { w.writePageCaption(); });
    pass.add(QStringLiteral("status"), [&w] { w.refreshStatus(); });
    auto* assistant = new Assistant(w);
    pass.add(QStringLiteral("auto complete"), [assistant] { assistant->step(); });
}

} // namespace

SourceWindowParts buildSourceWindow(Page* page)
{
    SourceWindowParts parts;
    parts.window = std::make_unique<SourceWindow>(page);
    // The typing aids and the command box will run the families' handlers.
    parts.commands = installCommands(*parts.window);
    parts.assist = new AssistCommands(*parts.window);
    installActions(*parts.window, *parts.assist, AssistCommands::actions());
    parts.aids = new AidCommands(*parts.window, parts.commands);
    installActions(*parts.window, *parts.aids, AidCommands::actions());
    // Check Page offers Smart Correct's dialog for a problem at a tag it knows.
    parts.commands.check->smartCorrect = [w = parts.window.get()] {
        w->menuAction(QStringLiteral("mnutruecorrect"))->trigger();
    };
    fillChangePass(*parts.window);
    SourceLinks& links = parts.window->links;
    links.showPreview = [](const QString& path) { SideWindows::instance().showPreview(path); };
    links.showHelp = [](const QString& topic) { SideWindows::instance().showHelp(topic); };
    links.showAbout = [] { SideWindows::instance().showAbout(); };
    return parts;
}

Program::~Program() = default;

SourceWindow* Program::sourceWindow(bool create)
{
    if (source.window || !create)
        return source.window.get();
    source = buildSourceWindow(page.get());
    SourceWindow& w = *source.window;
    ComposerWindow* c = composer.get();
    // Its close box and its Composer command hand the page back.
    PageModes* m = modes.get();
    w.links.closeBox = [m] { m->toComposer(); };
    w.links.showPreview = [c](const QString& path) {
        if (c->links.showPreview)
            c->links.showPreview(path);
    };
    QAction* back = w.menuAction(QStringLiteral("mnucomposer"));
    back->setEnabled(true);
    QObject::connect(back, &QAction::triggered, c, [m] { m->toComposer(); });
    openDroppedFiles(w);
    return &w;
}

std::unique_ptr<Program> buildProgram()
{
    auto program = std::make_unique<Program>();
    program->page = std::make_unique<Page>();
    program->composer = std::make_unique<ComposerWindow>(program->page.get());
    Program* p = program.get();
    program->modes = std::make_unique<PageModes>(
        *p->page, *p->composer, [p](bool create) { return p->sourceWindow(create); });
    ComposerLinks& links = program->composer->links;
    links.sourceWindow = [p](bool create) { return p->sourceWindow(create); };
    links.toSource = [p] { p->modes->toSource(); };
    links.showPreview = [](const QString& path) { SideWindows::instance().showPreview(path); };
    links.showHelp = [] { SideWindows::instance().showHelp(); };
    links.showAbout = [] { SideWindows::instance().showAbout(); };
    openDroppedFiles(*program->composer);
    return program;
}

} // namespace orvel
