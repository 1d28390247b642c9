#include "markup/TableMarkup.h"

#include <algorithm>

namespace orvel {

QString tableHeader(const TableFields& fields)
{
    return QStringLiteral("<TABLE BORDER=\"") + fields.border +
           QStringLiteral("\" CELLPADDING=\"") + fields.padding +
           QStringLiteral("\" CELLSPACING=\"") + fields.spacing +
           QStringLiteral("\" >  \r\n<CAPTION>") + fields.caption +
           QStringLiteral("</CAPTION>\r\n");
}

QString tableRows(int rows, int cols)
{
    QString out;
    if (rows <= 0)
        return out;
    // About 30 characters a cell line: one allocation instead of one per append.
    out.reserve(int(std::min<qint64>(qint64(rows) * (qint64(std::max(cols, 0)) * 30 + 16),
                                     kMaxTableCells * 40)));
    for (int row = 0; row < rows; ++row) {
        out += QStringLiteral("<TR>\r\n");
        for (int col = 0; col < cols; ++col) {
            out += QStringLiteral(" <TD> row ") + QString::number(row + 1) +
                   QStringLiteral(" col ") + QString::number(col + 1) +
                   QStringLiteral(" </TD> \r\n");
        }
        out += QStringLiteral("</TR>\r\n");
    }
    return out;
}

QString tableMarkup(const TableFields& fields)
{
    return tableHeader(fields) + tableRows(fields.rows, fields.cols);
}

bool tableTooLarge(int rows, int cols)
{
    if (rows <= 0)
        return false;
    return qint64(rows) * std::max<qint64>(cols, 1) > kMaxTableCells;
}

} // namespace orvel
