#pragma once

#include <QString>
#include <QStringList>

namespace orvel::link {

// The hyperlink dialog's markup: an anchor to a location or a mail address. Its optional parts
// are attribute fragments, each empty or complete with its leading blank, rebuilt whenever their
// control changes and joined in the fixed order HREF, TITLE, target (hyperlinks only), STYLE.
struct Fragments {
    QString target;  // from the target list
    QString linkTip; // TITLE of a hyperlink
    QString mailTip; // TITLE of a mail link
    QString style;   // underline switched off
    QString subject; // "?subject=..." inside a mail link's HREF
};

// The values of the dialog's fields, the way the dialog holds them.
struct LinkFields {
    bool mail = false; // "Mail Id" chosen rather than "Hyperlink"
    QString url;
    QString mailId;
    QString display; // the text the element wraps
    Fragments fragments;
};

// The items of the target list, in order.
inline const QStringList kTargetItems{QStringLiteral("Default (none)"),
                                      QStringLiteral("Same Frame"), QStringLiteral("Whole Page"),
                                      QStringLiteral("New Window"), QStringLiteral("Parent Frame")};

// The target attribute for an item of the target list; "Default (none)", like anything else
// that is not one of the items, gives none.
QString targetFragment(const QString& item);
// A screen tip as a TITLE attribute; none while the tip is empty.
QString titleFragment(const QString& tip);
// Unticking "Underline Link" switches the underline off.
QString styleFragment(bool underline);
QString subjectFragment(const QString& subject);

// The anchor opening tag, values as typed (no escaping or encoding: the user writes the HTML).
QString openingTag(const LinkFields& f);

// The link has nothing to point at: the address of the chosen kind is empty.
bool addressMissing(const LinkFields& f);

// What OK does to the selection: the first `length` characters of it make way for `text`.
struct Replacement {
    qsizetype length = 0;
    QString text;
};

// A selection that begins with an anchor opening tag ("<a " or "<A ") gets the new opening tag
// in place of that tag alone; what follows the tag's ">" stays, so selecting a whole element
// retargets the link without losing its content. Any other selection is replaced whole by the
// element: the opening tag, the display text and "</A>".
Replacement replacement(const LinkFields& f, const QString& selection);

} // namespace orvel::link
