#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace orvel::rollover {

// The link rollover style block: how hyperlinks look while the pointer is over them.

// The text-decoration declaration of the ticked boxes, in this fixed order, or "" when none is
// ticked.
struct Decorations {
    bool none = false;
    bool underline = false;
    bool overline = false;
    bool blink = false;
    bool strike = false;
};
QString decorationPart(const Decorations& d);

// The parts the other boxes give when ticked.
inline const QString kHiddenPart = QStringLiteral("visibility: hidden;");
inline const QString kUppercasePart = QStringLiteral("text-transform: uppercase;");
inline const QString kCapitalizePart = QStringLiteral("text-transform: capitalize;");
inline const QString kSmallCapsPart = QStringLiteral(" font-variant: small-caps;");

// The declarations of an item of the style list ("Normal", "Italics", "Oblique", "Bold",
// "Bold Italics"). Italics and oblique are styles, not weights: a browser drops
// "font-weight: Italics". Anything else is the normal weight.
QString styleDeclarations(const QString& styleItem);

struct Style {
    QString colour{};
    QString size{};
    QString decoration{}; // decorationPart
    QString visibility{};
    QString textCase{};
    QString smallCaps{};
    QString font{};
    QString styleItem{}; // the style list's text
};

QString styleBlock(const Style& s);

inline const QString kBlockStart = QStringLiteral("<style rolloverstyle>A:hover");

// Where a block goes into a page that holds one already, or holds none: the span to replace
// (length 0 to insert) and the text that replaces it.
struct Write {
    int start = 0;
    int length = 0;
    QString text{};
};

// An earlier block is replaced in place: the first one from index 2 on, through its first
// "</style>" (a block at the very start of the page is not taken for one, nor is a block that is
// never closed). Without one, the block and a line end go in front of the first "</HEAD>" after
// the first character. None when the page has neither.
std::optional<Write> blockWrite(QStringView page, const QString& block);

} // namespace orvel::rollover
