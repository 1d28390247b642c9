#include "platform/CommonDialog.h"

#include "platform/Platform.h"

namespace orvel {

namespace {
bool show(CommonDialog& d, FileDialogKind kind)
{
    auto chosen = platform().fileDialog({kind, d.dialogTitle, d.fileName, d.defaultExt});
    if (!chosen)
        return false;
    d.fileName = *chosen;
    return true;
}
} // namespace

bool CommonDialog::showOpen()
{
    return show(*this, FileDialogKind::Open);
}

bool CommonDialog::showSave()
{
    return show(*this, FileDialogKind::Save);
}

} // namespace orvel
