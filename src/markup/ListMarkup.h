#pragma once

#include <QString>
#include <QStringList>

namespace orvel {

// The numbered and bulleted lists of the list dialog: an OL or UL of a chosen type holding
// numbered placeholder points.
enum class ListKind { Numbered, Bulleted };

struct ListFields {
    ListKind kind = ListKind::Numbered;
    QString type;
    // Zero or fewer gives the list tags alone.
    int items = 1;
};

// The opening tag, one "<LI> Point" line per item numbered from 1, and the closing tag, every
// line ending in CR LF. A bulleted list's opening tag carries a blank after its ">".
QString listMarkup(const ListFields& fields);

// The types each kind offers, the first of them preselected.
inline const QStringList kNumberingTypes{QStringLiteral("1"), QStringLiteral("A"),
                                         QStringLiteral("a"), QStringLiteral("I"),
                                         QStringLiteral("i")};
inline const QStringList kBulletTypes{QStringLiteral("disc"), QStringLiteral("circle"),
                                      QStringLiteral("square")};

// The up-down has no upper bound and a pasted count is digits like any other, so the count can
// be far beyond the two digits that can be typed. The items are counted in 16 bits: a longer list
// is refused rather than built line by line until the editor runs out of memory.
inline constexpr int kMaxListItems = 32767;
// True when the digits of `count` stand for more items than that, however many digits they are.
bool listTooLong(const QString& count);
inline const QString kListTooLong =
    QStringLiteral("The list would have more than 32767 items. Specify fewer items");

} // namespace orvel
