#pragma once

#include <QString>

namespace orvel {

// The form SELECT element of the list box dialog: a drop-down list, or a list box with a visible
// size and perhaps multiple selection, around the OPTION lines collected so far.
struct SelectFields {
    QString name;
    bool listBox = false;
    // The list box's size and multiple fragment ("MULTIPLE" or ""); a drop-down has neither.
    QString size = QStringLiteral("2");
    QString multiple;
    // OPTION lines, each ending in CR LF, in the order they were added.
    QString options;
};

// One OPTION line, and the line of the option selected by default. Multi-line text stays
// multi-line, each of its line ends (CR, LF or CR LF) becoming CR LF like every line end of the
// page.
QString optionLine(const QString& text);
QString defaultOptionLine(const QString& text);
QString multipleFragment(bool ticked);

// The opening tag with the name (and for a list box the unquoted size and the multiple fragment
// after a blank, so a single-selection box ends its tag in a blank before ">"), CR LF, the options
// and the closing tag, with no line end after it.
QString selectMarkup(const SelectFields& fields);

} // namespace orvel
