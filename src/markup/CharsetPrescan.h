#pragma once

#include "markup/Encoding.h"

#include <QByteArrayView>
#include <QStringView>
#include <optional>

namespace orvel {

// A page's charset declaration as browsers find it: the web's prescan of the first 1024 bytes
// (comments skipped, attributes read with their quoting, `charset`, or `http-equiv` Content-Type
// with a `content` naming a charset), then, as a browser's parser does later, the same search on
// to the end of the head. A label that names no encoding is passed over for a later declaration,
// but is kept when there is none, so that the page can be told about it and the label corrected.
struct CharsetDeclaration {
    qsizetype start = -1; // of the label, in code units of what was searched
    qsizetype length = 0;
    // What the label names as the prescan takes it: UTF-16 labels mean UTF-8 there, and
    // x-user-defined means Windows-1252. None for a label that names no encoding.
    std::optional<Encoding> encoding;
    bool late = false; // it does not end within the first 1024 code units
    // Where the search stopped: the end of the head, or of what was searched.
    qsizetype searchedTo = 0;
    bool found() const { return start >= 0; }
};

// The byte count browsers prescan.
inline constexpr qsizetype kPrescanBytes = 1024;

CharsetDeclaration findCharsetDeclaration(QByteArrayView page);
// The same on a page's text (a rewrite finds the declaration detection found).
CharsetDeclaration findCharsetDeclaration(QStringView page);

} // namespace orvel
