#pragma once

#include <QString>

namespace orvel {

// Reading and writing pages. A page is plain UTF-8 text; in memory every line ends in CR LF.
struct PageRead {
    bool ok = false;
    QString text;  // each line read followed by CR LF, the last one included
    QString error; // the system's reason when !ok
};

struct PageWrite {
    bool ok = false;
    QString error;
};

PageRead readPage(const QString& path);
// Writes `text`, adding one CR LF unless it already ends in one, so a page that is opened and
// saved unchanged keeps its bytes. The file is replaced atomically: a failed save leaves the old
// file whole.
PageWrite writePage(const QString& path, const QString& text);

// Lines split at CR LF, CR or LF, each followed by CR LF.
QString linesWithCrLf(const QString& raw);

} // namespace orvel
