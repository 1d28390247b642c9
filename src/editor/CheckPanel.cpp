#include "editor/CheckPanel.h"

#include "editor/TextModel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace orvel {

CheckPanel::CheckPanel(TextModel& page, QWidget* pageBox, QWidget* parent)
    : QWidget(parent), m_page(page), m_pageBox(pageBox)
{
    setObjectName(QStringLiteral("checkPanel"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(2, 2, 2, 2);
    auto* row = new QHBoxLayout;
    checkSummary = new QLabel(this);
    checkSummary->setObjectName(QStringLiteral("checkSummary"));
    checkSmart = new QPushButton(this);
    checkSmart->setObjectName(QStringLiteral("checkSmart"));
    checkSmart->setVisible(false);
    row->addWidget(checkSummary, 1);
    row->addWidget(checkSmart);
    column->addLayout(row);

    checkList = new QTreeWidget(this);
    checkList->setObjectName(QStringLiteral("checkList"));
    checkList->setRootIsDecorated(false);
    checkList->setAlternatingRowColors(true);
    checkList->setHeaderLabels({tr("Line"), tr("Column"), tr("Problem")});
    checkList->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    checkList->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    checkList->setWordWrap(true);
    column->addWidget(checkList, 1);

    auto chosen = [this](QTreeWidgetItem* item) {
        if (item)
            choose(checkList->indexOfTopLevelItem(item));
    };
    connect(checkList, &QTreeWidget::itemClicked, this, chosen);
    connect(checkList, &QTreeWidget::itemActivated, this, chosen);
    connect(checkSmart, &QPushButton::clicked, this, [this] {
        if (smartCorrect)
            smartCorrect();
    });
}

void CheckPanel::list(const QList<PageProblem>& problems)
{
    m_problems = problems;
    checkList->clear();
    checkSmart->setVisible(false);
    for (const PageProblem& p : problems) {
        const QString words = p.plain.isEmpty() ? p.message : p.plain;
        auto* item =
            new QTreeWidgetItem({QString::number(p.line), QString::number(p.column), words});
        item->setToolTip(2, p.message);
        checkList->addTopLevelItem(item);
    }
    checkSummary->setText(
        problems.isEmpty() ? tr("No problems found in this page.")
        : problems.size() == 1
            ? tr("1 problem found. Choose it to go to it.")
            : tr("%1 problems found. Choose one to go to it.").arg(problems.size()));
}

void CheckPanel::choose(int row)
{
    if (row < 0 || row >= m_problems.size())
        return;
    const PageProblem& p = m_problems[row];
    m_page.setSelStart(p.position);
    // The page may have changed since the check: read the tag where the caret is now.
    const QString kind = smartCorrectKind(m_page.mid(p.position, 20), 0);
    checkSmart->setVisible(bool(smartCorrect) && !kind.isEmpty());
    if (checkSmart->isVisible()) {
        checkSmart->setText(tr("Edit this %1 tag in its dialog").arg(kind));
        // Smart Correct works on the tag the caret stands in.
        m_page.setSelStart(p.position + 1);
    }
    if (m_pageBox)
        m_pageBox->setFocus();
    emit chosen();
}

} // namespace orvel
