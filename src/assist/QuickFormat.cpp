#include "assist/QuickFormat.h"

#include "editor/TextModel.h"
#include "platform/Platform.h"

namespace orvel {

QString quickFormatMarkup(const QString& align, const QString& colour, const QString& face,
                          const QString& size, const QString& selected)
{
    return QStringLiteral("<P ALIGN=\"") + align + QStringLiteral("\"><FONT COLOR=\"") + colour +
           QStringLiteral("\" FACE=\"") + face + QStringLiteral("\" SIZE=\"") + size +
           QStringLiteral("\">") + selected + QStringLiteral("</FONT></P>");
}

void quickFormat(TextModel& text)
{
    Platform& ui = platform();
    const QString align = ui.input(
        QStringLiteral("Enter the alignment of the selected text: Left, right, center, justify"),
        QStringLiteral("Alignment - Assistant: Orvel"), QStringLiteral("Left"));
    const QString colour =
        ui.input(QStringLiteral("Enter the colour of the selected text:\r\nAqua, Black, Blue, "
                                "Fuchsia, Gray, Green, Lime, Maroon, Navy, Olive, Purple, Red, "
                                "Silver, Teal, White, Yellow "),
                 QStringLiteral("Font Colour - Assistant: Orvel"), QStringLiteral("black"));
    const QString face =
        ui.input(QStringLiteral("Enter the font name (face) of the selected text"),
                 QStringLiteral("Font name - Assistant: Orvel"), QStringLiteral("times new roman"));
    const QString size =
        ui.input(QStringLiteral("Enter the font size of the selected text: (1 to 7)"),
                 QStringLiteral("Font Size - Assistant: Orvel"), QStringLiteral("3"));
    text.setSelText(quickFormatMarkup(align, colour, face, size, text.selText()));
}

} // namespace orvel
