#pragma once

#include <QString>

namespace orvel {

// Every line of a page ends in CR LF, in the document box and in the markup put into it.
inline const QString kCrLf = QStringLiteral("\r\n");

// An opening and a closing text that go around a selection.
struct TagPair {
    QString open;
    QString close;
};

} // namespace orvel
