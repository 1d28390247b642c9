#include "editor/PageFile.h"

#include <QFile>
#include <QSaveFile>

namespace orvel {

QString linesWithCrLf(const QString& raw)
{
    QString text;
    text.reserve(raw.size() + raw.size() / 32 + 2);
    qsizetype lineStart = 0;
    const qsizetype n = raw.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = raw.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        text.append(QStringView(raw).mid(lineStart, i - lineStart));
        text.append(u"\r\n");
        if (c == u'\r' && i + 1 < n && raw.at(i + 1) == u'\n')
            ++i;
        lineStart = i + 1;
    }
    if (lineStart < n) {
        text.append(QStringView(raw).mid(lineStart));
        text.append(u"\r\n");
    }
    return text;
}

PageRead readPage(const QString& path)
{
    PageRead result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.error = file.errorString();
        return result;
    }
    result.text = linesWithCrLf(QString::fromUtf8(bytes));
    result.ok = true;
    return result;
}

PageWrite writePage(const QString& path, const QString& text)
{
    PageWrite result;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        result.error = file.errorString();
        return result;
    }
    QByteArray bytes = text.toUtf8();
    if (!text.endsWith(u"\r\n"))
        bytes.append("\r\n");
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        result.error = file.errorString();
        file.cancelWriting();
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace orvel
