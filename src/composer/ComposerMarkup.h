#pragma once

#include "markup/TableMarkup.h"

#include <QString>
#include <QStringList>
#include <span>

namespace orvel::composer {

// The fragments the Composer builds for its side control, as plain functions of the answers.

// A text-level fragment: its prompt and the tags put around the answer.
struct TextFragment {
    const char* command;
    const char* prompt;
    const char* open;
    const char* close;
};
std::span<const TextFragment> textFragments();

// A named form control: its prompt and the text the name follows.
struct NamedControl {
    const char* command;
    const char* prompt;
    const char* start;
};
std::span<const NamedControl> namedControls();
inline QString namedControl(const NamedControl& c, const QString& name)
{
    return QString::fromUtf8(c.start) + name + QStringLiteral("\">");
}

QString textArea(const QString& name, const QString& cols, const QString& rows);
// An empty legend still gives a LEGEND element when the user asked for one.
QString fieldSet(bool withLegend, const QString& legend);
QString highlight(const QString& code, const QString& text);

// The Composer's table: the caption line holds the caption box's text (already wrapped, or empty)
// and an empty line stands before the closing tag, which ends the fragment.
QString composerTable(const TableFields& fields);

// The special characters offered by the Composer, one character each.
QStringList specialCharacters();

inline const QString kSpclChar = QStringLiteral("Spcl Char");

} // namespace orvel::composer
