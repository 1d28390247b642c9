#pragma once

#include <QString>

namespace orvel {

// The values of the image dialog's fields, as text, the way the dialog holds them.
struct ImageFields {
    QString source;
    bool dimensions = false; // "Enter Dimensions" ticked: height and width go into the tag
    QString height;
    QString width;
    QString percent; // "%" or "": follows both dimensions
    QString border;
    QString alignment;
    QString alternate;
    QString hspace; // the spacing fragments, "" or a whole attribute with its leading blank
    QString vspace;
};

// " hspace=\"5\"" for `value` "5": a complete attribute with its leading blank, or "" when the
// value reads as 0 (text that is not a number reads as 0, so it never reaches the tag).
QString spacingFragment(const QString& attribute, const QString& value);

// The fields the tag cannot do without: with dimensions also the height and the width.
bool imageFieldsComplete(const ImageFields& f);

// The IMG tag, values as typed (no escaping: the user writes the HTML). The border has no quotes
// and the tag is followed by one blank.
QString imageTag(const ImageFields& f);

} // namespace orvel
