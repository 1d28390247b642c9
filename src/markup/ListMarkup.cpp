#include "markup/ListMarkup.h"

#include "markup/Common.h"
#include "markup/Digits.h"

namespace orvel {

QString listMarkup(const ListFields& fields)
{
    const bool numbered = fields.kind == ListKind::Numbered;
    QString markup = numbered
                         ? QStringLiteral("<OL TYPE=\"") + fields.type + QStringLiteral("\">")
                         : QStringLiteral("<UL TYPE=\"") + fields.type + QStringLiteral("\"> ");
    markup += kCrLf;
    for (int n = 1; n <= fields.items; ++n)
        markup += QStringLiteral("<LI> Point") + QString::number(n) + kCrLf;
    markup += numbered ? QStringLiteral("</OL>") : QStringLiteral("</UL>");
    return markup + kCrLf;
}

bool listTooLong(const QString& count)
{
    const QString digits = count.trimmed();
    if (!allDigits(digits))
        return false;
    bool ok = false;
    const qulonglong n = digits.toULongLong(&ok);
    return !ok || n > qulonglong(kMaxListItems);
}

} // namespace orvel
