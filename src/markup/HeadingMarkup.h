#pragma once

#include <QString>

namespace orvel {

// The heading dialog's fields as typed: both lists accept typing, and whatever they show goes
// into the tag unchecked.
struct HeadingFields {
    QString level = QStringLiteral("1");
    QString align = QStringLiteral("Left");
    QString text;
};

// The heading element, its ALIGN always written ("Left" included).
QString headingElement(const HeadingFields& f);

} // namespace orvel
