#include "platform/Platform.h"

#include <cassert>

namespace orvel {

namespace {
Platform* g_platform = nullptr;
}

Platform& platform()
{
    assert(g_platform && "no platform installed");
    return *g_platform;
}

Platform* setPlatform(Platform* p)
{
    Platform* previous = g_platform;
    g_platform = p;
    return previous;
}

void Platform::message(const QString& text, MsgIcon icon, const QString& title)
{
    messageBox({title, text, MsgButtons::Ok, icon, MsgAnswer::Ok});
}

MsgAnswer Platform::ask(const QString& title, const QString& text, MsgAnswer defaultButton,
                        MsgIcon icon)
{
    return messageBox({title, text, MsgButtons::YesNo, icon, defaultButton});
}

QString Platform::input(const QString& prompt, const QString& title, const QString& defaultText)
{
    return inputBox({prompt, title, defaultText});
}

} // namespace orvel
