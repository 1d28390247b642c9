#pragma once

#include <QString>

namespace orvel {

// What the table dialog turns into markup. Border, padding and spacing go in as the boxes hold
// them; rows and columns are the numbers read from their boxes.
struct TableFields {
    int rows = 2;
    int cols = 2;
    QString border = QStringLiteral("1");
    QString padding = QStringLiteral("0");
    QString spacing = QStringLiteral("0");
    QString caption;
};

// The TABLE opening tag and the CAPTION line (written even for an empty caption).
QString tableHeader(const TableFields& fields);
// The TR rows, each cell holding a placeholder naming its row and column. Zero or negative
// counts give no rows, or rows without cells.
QString tableRows(int rows, int cols);
// Header and rows, as a whole table is inserted before its closing tag.
QString tableMarkup(const TableFields& fields);
inline const QString kTableClose = QStringLiteral("</TABLE>\r\n");

// Up-down clicks have no upper bound, so the counts can grow far beyond what typing allows. A
// table larger than this is refused: building and inserting millions of lines would freeze the
// editor for minutes or run it out of memory. Rows without cells count as one cell each.
inline constexpr qint64 kMaxTableCells = 100000;
bool tableTooLarge(int rows, int cols);
inline const QString kTableTooLarge =
    QStringLiteral("The table would have more than 100000 cells. Specify fewer rows or columns");

} // namespace orvel
