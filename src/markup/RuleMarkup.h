#pragma once

#include <QString>
#include <optional>

namespace orvel::rule {

// The horizontal rule dialog's markup. Its fragment builders have their own namespace: the font
// dialog has builders of the same names that follow other rules.

// The attribute fragments: each is empty or one complete attribute with its leading blank, and
// the tag joins them in this order.
struct RuleFragments {
    QString align;
    QString width;
    QString size;
    QString colour;
    QString noShade;
};

// "Center" is the rule's own default and gives nothing; with no item chosen the fragment is an
// empty align attribute, which ruleTag drops.
QString alignFragment(const std::optional<QString>& item);
// The width as the box holds it, unquoted so a percent sign stays part of the value. A width of
// "100" without percent sign is 100 pixels like any other number.
QString widthFragment(const QString& width);
// "0" (or nothing at all) means the default thickness.
QString sizeFragment(const QString& size);
// "black" is the default colour. A colour chosen from the list carries a trailing blank.
QString colourFragment(const QString& colour, bool chosenFromList);
QString noShadeFragment(bool ticked);
QString ruleTag(const RuleFragments& fragments);

// The width box after the Percentage box is ticked or unticked: ticking an empty box gives the
// full width in percent, otherwise one "%" is added if missing; unticking drops a trailing "%".
QString percentWidth(const QString& width, bool percent);

// Pieces of tag text that a tag parser leaves in the fields when the tag lacks the attribute.
bool isWidthLeftover(const QString& text);
bool isSizeOrColourLeftover(const QString& text);

inline const QString kFullWidth = QStringLiteral("100%");

} // namespace orvel::rule
