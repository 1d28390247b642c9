#include "commands/TagToggle.h"

#include "editor/TextBox.h"

namespace orvel {

QString toggledText(const QString& selected, const QString& open, const QString& close)
{
    if (!selected.startsWith(open))
        return open + selected + close;
    // The closing characters are dropped unchecked: "<B>word</I>" also gives "word".
    const qsizetype inner = selected.size() - open.size() - close.size();
    if (inner < 0)
        return selected.mid(open.size());
    return selected.mid(open.size(), inner);
}

void toggleTag(TextBox& box, const QString& open, const QString& close)
{
    if (box.selLength() == 0)
        return;
    box.setSelText(toggledText(box.selText(), open, close));
}

} // namespace orvel
