#pragma once

#include "editor/PageCheck.h"

#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace orvel {

class TextModel;

// The problems Check Page found, one row each with its line, column and message. Choosing a row
// puts the caret on the problem in the page. Where the problem stands at a tag Smart Correct
// edits in a dialog, the panel offers that too.
class CheckPanel : public QWidget {
    Q_OBJECT
public:
    // Works on `page`; `pageBox` takes the focus back after a choice.
    CheckPanel(TextModel& page, QWidget* pageBox, QWidget* parent = nullptr);

    // Lists `problems` of the page as it is now.
    void list(const QList<PageProblem>& problems);
    // Puts the caret on problem `row`, and offers the dialog where there is one.
    void choose(int row);

    // Edits the tag at the caret in its dialog (Smart Correct); until it is filled, the panel
    // offers no dialog.
    std::function<void()> smartCorrect;

    QTreeWidget* checkList = nullptr;
    QLabel* checkSummary = nullptr;
    QPushButton* checkSmart = nullptr;

signals:
    // The caret was put on a problem.
    void chosen();

private:
    TextModel& m_page;
    QWidget* m_pageBox;
    QList<PageProblem> m_problems;
};

} // namespace orvel
