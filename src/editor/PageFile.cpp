#include "editor/PageFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

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
    // Pages are UTF-8. A page that is not (an older one in a single-byte code page) is read as
    // Latin-1 rather than with its accented letters turned into replacement characters, which a
    // save would then write over the originals.
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    result.text = linesWithCrLf(text);
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
