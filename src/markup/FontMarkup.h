#pragma once

#include "markup/Common.h"

#include <QString>
#include <optional>

namespace orvel::font {

// The FONT wrapper of the font dialogs is built from three attribute fragments, each either empty
// or one complete attribute with its leading blank, joined in the fixed order size, colour, face.
struct Fragments {
    QString size;
    QString colour;
    QString face;
};

QString openingTag(const Fragments& f);
// The opening tag, `selected` and "</font>".
QString wrap(const Fragments& f, const QString& selected);

// The size fragment for the size box's text: none for the default size 3, otherwise the text
// as typed. Nothing when the text is not a number (the caller keeps the fragment it had).
std::optional<QString> sizeFragment(const QString& size);
// A colour chosen by name: black, in any letter case, is the default and gives no attribute.
QString namedColourFragment(const QString& name);
QString rgbColourFragment(const QString& code);
// An empty face, or a piece of tag text left by the tag reader, names no face.
QString faceFragment(const QString& face);

// Cutting an attribute value out of a tag that lacks the attribute leaves a piece of the tag in
// the field instead: "color=", "size=" or "face=" (any letter case), with or without the blank
// before it.
bool isStrayValue(const QString& text);
// The two pieces the colour list and the face box catch on every change.
bool isBareStray(const QString& text);

// The FONT opening tag as the Edit..... command recognises it ("<font " or "<FONT ", exact case).
bool isFontOpening(const QString& text);

// The values cut out of a FONT opening tag. A missing attribute gives a piece of the tag
// (see isStrayValue); a value without its closing quote gives "".
struct TagValues {
    QString colour;
    QString face;
    QString size;
};
TagValues readFontTag(const QString& tag);

// The value that `marker` opens (an attribute name, "=" and the opening quote, found in any letter
// case): from just after the marker up to the next double quote; none when no quote follows. A tag
// without the attribute is read as if the marker stood at -1, just before the tag, which leaves a
// piece of the tag as the value (see isStrayValue).
std::optional<QString> cutValue(const QString& tag, const QString& marker);

// Positions are 0-based indexes into `text`.
// The last "<" among the first `caret` characters.
std::optional<int> tagStartBefore(const QString& text, int caret);
// The first ">" at or after `from`.
std::optional<int> tagEndFrom(const QString& text, int from);

// The font wrapper of the installed-fonts dialog (a blank after "face=" and before the end tag).
QString faceWrap(const QString& face, const QString& selected);

// The font toolbar's tags, values as typed. After a selection the face and the named colour close
// with a blank before "</font>", the size without one.
TagPair faceTags(const QString& face);
TagPair sizeTags(const QString& size);
TagPair colourTags(const QString& colour);
// The RGB colour button only wraps: with nothing selected the pair goes in empty.
QString rgbColourWrap(const QString& code, const QString& selected);

// What one click of a two-click font button puts in place of the selection, and the button's
// flag afterwards. With a selection: the opening, the selection and the closing, flag unchanged.
// Without one: the opening while `first` (ready to open), otherwise "</font>"; the flag flips.
struct FontEdit {
    QString text;
    bool first = true;
};
FontEdit fontEdit(const QString& selected, bool first, const TagPair& tags);

// True for the one character the size box accepts: a digit from 1 to 7.
bool validFontSize(const QString& size);

} // namespace orvel::font
