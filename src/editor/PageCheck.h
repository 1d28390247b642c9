#pragma once

#include <QList>
#include <QString>
#include <QStringView>

namespace orvel {

// One problem the checker found in a page.
struct PageProblem {
    int line = 0;     // 1-based
    int column = 0;   // 1-based, in characters (a tab is one)
    int position = 0; // where that is in the page, as SelStart counts
    QString key;      // the checker's name for the kind of problem, e.g. "MISSING_ENDTAG_BEFORE"
    QString message;  // the checker's own words
    QString plain;    // the same in plain words for learners, where the kind is a common one
};

// Runs the page through HTML Tidy as a checker: the page is read, never rewritten. Problems come
// in page order; notes about the page as a whole (no line of their own) are left out.
QList<PageProblem> checkPage(const QString& page);

// The SelStart position of `line`/`column` (both 1-based) in `page`, clamped to the page. Line
// ends of any kind end a line, as the checker counts them.
int positionOf(QStringView page, int line, int column);

// Which of the tags Smart Correct edits in a dialog starts at `start` of `page` ("image",
// "font", "rule", "mail link", "hyperlink"), by the same exact tests Smart Correct uses; empty
// for any other.
QString smartCorrectKind(QStringView page, int start);

} // namespace orvel
