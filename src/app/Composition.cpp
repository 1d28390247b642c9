#include "app/Composition.h"

#include "assist/AssistCommands.h"
#include "assist/Assistant.h"
#include "commands/Install.h"
#include "editor/SourceWindow.h"

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

SourceWindowParts buildSourceWindow()
{
    SourceWindowParts parts;
    parts.window = std::make_unique<SourceWindow>();
    // The typing aids and the command box will run the families' handlers.
    parts.commands = installCommands(*parts.window);
    parts.assist = new AssistCommands(*parts.window);
    installActions(*parts.window, *parts.assist, AssistCommands::actions());
    fillChangePass(*parts.window);
    return parts;
}

} // namespace orvel
