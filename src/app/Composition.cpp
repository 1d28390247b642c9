#include "app/Composition.h"

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
}

} // namespace

std::unique_ptr<SourceWindow> buildSourceWindow()
{
    auto w = std::make_unique<SourceWindow>();
    installCommands(*w);
    fillChangePass(*w);
    return w;
}

} // namespace orvel
