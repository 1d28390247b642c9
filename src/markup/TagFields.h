#pragma once

#include <QString>
#include <optional>
#include <span>

namespace orvel::correct {

// Smart Correct reads an existing tag back into the fields of the dialog that builds its kind.
// Kinds are told by the first characters of the tag, exact case; each kind's own markers are
// exact case too, as the dialogs write them.
enum class Kind { Image, Font, Rule, MailLink, Hyperlink };

// The kinds in the order they are tried. A mail link is a hyperlink too: both read it.
std::span<const Kind> kinds();
bool isKind(Kind kind, const QString& tag);
// The image and font messages are written in capitals, the others all in lower case.
bool capitalised(Kind kind);

// The value that `marker` (ending in its opening quote) opens in `tag`: up to the next double
// quote, or to the tag's ">" when the quote is never closed. None when the marker is missing.
std::optional<QString> quotedValue(const QString& tag, const QString& marker);
// The value of a marker without a quote: up to the next blank or ">", whichever comes first.
std::optional<QString> bareValue(const QString& tag, const QString& marker);

// The image dialog's fields. Height and width fall back to the dialog's own values unless the tag
// gives them as numbers; the dimensions box is ticked when it does.
struct ImageValues {
    QString url; // between the tag's first two double quotes
    QString height;
    QString width;
    bool dimensions = false;
    std::optional<QString> alternate; // none: the dialog keeps its own
    QString alignment;
    QString border;
};
ImageValues readImage(const QString& tag);

// The font dialog's fields; none keeps the dialog's own value. A "#" colour goes to the RGB box
// without its "#" and empties the colour list.
struct FontValues {
    std::optional<QString> rgb;
    std::optional<QString> colour;
    std::optional<QString> face;
    std::optional<QString> size;
};
FontValues readFont(const QString& tag);

// The rule dialog's fields; an empty value keeps the dialog's own.
struct RuleValues {
    QString align;
    QString width;
    QString size;
    QString colour;
};
RuleValues readRule(const QString& tag);

// A mail link's address runs to the next quote and so still holds its "?subject=" part; the
// dialog cuts it there.
struct MailValues {
    QString address;
    QString title;
    QString subject;
};
MailValues readMail(const QString& tag);

struct LinkValues {
    QString url;
    QString title;
};
LinkValues readLink(const QString& tag);

} // namespace orvel::correct
