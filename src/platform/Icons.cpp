#include "platform/Icons.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

namespace orvel {

QIcon glyphIcon(const QString& glyph)
{
    const int size = 32;
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QColor(0x33, 0x33, 0x33));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    // Shrink long glyphs so they still fit the button.
    font.setPixelSize(glyph.size() <= 1 ? 22 : glyph.size() == 2 ? 16 : glyph.size() == 3 ? 12 : 9);
    p.setFont(font);
    p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, glyph);
    return QIcon(pixmap);
}

QIcon buttonIcon(const QString& themeName, const QString& glyph)
{
    if (!themeName.isEmpty() && QIcon::hasThemeIcon(themeName))
        return QIcon::fromTheme(themeName);
    return glyphIcon(glyph);
}

} // namespace orvel
