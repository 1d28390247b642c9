#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace orvel::page {

// The page properties dialog's markup: the BODY opening tag with its colours, picture, margins
// and sound, and where the first write of a run puts the closing HEAD tag and the rollover block.

// The attribute fragments, each empty or complete; the tag joins them in this order.
struct BodyFields {
    QString watermark{};  // "bgproperties=..." without a leading blank, or ""
    QString background{}; // ends with a quote and a blank, or ""
    QString text{}, bgcolor{}, link{}, vlink{}, alink{};
    QString topMargin{}, leftMargin{};
};

QString watermarkFragment(bool ticked);
// "" for an empty location.
QString backgroundFragment(const QString& location);
// `attribute` is "topmargin" or "leftmargin"; a margin of 0 is written like any other.
QString marginFragment(const QString& attribute, const QString& value);
// "" without a source.
QString soundFragment(const QString& source, const QString& loop);
// Ends with "> " (a blank after the closing bracket).
QString bodyTag(const BodyFields& f);

// The first "<BODY" of the page in any letter case: the program's own default page writes it in
// lower case.
std::optional<int> findBodyTag(QStringView page);
// The first "</HEAD>" of the page in any letter case.
std::optional<int> findHeadEnd(QStringView page);
inline const QString kHeadEnd = QStringLiteral("</HEAD>");

// What OK writes. Before the selection is replaced, `block` goes in at `blockAt` (in front of
// the page's own closing HEAD tag), when `blockAt` is set.
struct PageWrite {
    std::optional<int> blockAt{};
    QString block{};
    QString selection{};
};

// The first OK of a run closes the HEAD and puts the pending rollover block before it; later ones
// write the BODY tag alone. A page that already closes its HEAD before the selection keeps that
// one closing tag: the block goes in front of it and no second one is written.
PageWrite pageWrite(QStringView page, int selStart, bool firstTime, const QString& rollover,
                    const QString& body, const QString& sound);

} // namespace orvel::page
