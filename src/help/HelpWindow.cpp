#include "help/HelpWindow.h"

#include "help/Manual.h"
#include "platform/FlowLayout.h"
#include "platform/Screen.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvel {

HelpWindow::HelpWindow(const Manual& manual, QWidget* parent)
    : QWidget(parent, Qt::Window), m_manual(manual)
{
    setObjectName(QStringLiteral("Helpme"));
    setWindowTitle(QStringLiteral("Help: Orvel"));
    setWindowIcon(QIcon(QStringLiteral(":/orvel/icons/orvel.svg")));
    // Made when first shown, gone when closed: no category is remembered.
    setAttribute(Qt::WA_DeleteOnClose);
    placeOnScreen(this, QSize(760, 560));

    auto* column = new QVBoxLayout(this);
    auto* buttons = new QWidget(this);
    auto* buttonRow = new FlowLayout(buttons);
    QPushButton** members[] = {&gen, &Fonts, &Forms, &Table, &Extras, &others, &Misc};
    int i = 0;
    for (const HelpCategory& c : helpCategories()) {
        auto* b = new QPushButton(QString::fromUtf8(c.caption), buttons);
        const QString name = QString::fromUtf8(c.button);
        b->setObjectName(name);
        connect(b, &QPushButton::clicked, this, [this, name] { showCategory(name); });
        buttonRow->addWidget(b);
        *members[i++] = b;
    }
    btnabout = new QPushButton(QStringLiteral("About"), buttons);
    btnabout->setObjectName(QStringLiteral("btnabout"));
    connect(btnabout, &QPushButton::clicked, this, &HelpWindow::btnabout_Click);
    buttonRow->addWidget(btnabout);
    column->addWidget(buttons);

    auto* reading = new QHBoxLayout;
    List = new QListWidget(this);
    List->setObjectName(QStringLiteral("List"));
    List->setMaximumWidth(230);
    connect(List, &QListWidget::itemClicked, this, &HelpWindow::List_Click);
    // Moving through the list with the keys reads as well.
    connect(List, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            List_Click();
    });
    helptext = new QPlainTextEdit(this);
    helptext->setObjectName(QStringLiteral("helptext"));
    helptext->setReadOnly(true);
    helptext->setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    reading->addWidget(List);
    reading->addWidget(helptext, 1);
    column->addLayout(reading, 1);

    cmdOK = new QPushButton(QStringLiteral("Close This Help Window"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    connect(cmdOK, &QPushButton::clicked, this, &HelpWindow::cmdOK_Click);
    column->addWidget(cmdOK, 0, Qt::AlignRight);

    setHelpText(m_manual.welcome());
}

void HelpWindow::setHelpText(const QString& text)
{
    m_shown = text;
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    helptext->setPlainText(lines);
}

void HelpWindow::showCategory(const QString& button)
{
    for (const HelpCategory& c : helpCategories()) {
        if (QString::fromUtf8(c.button) != button)
            continue;
        const QSignalBlocker quiet(List);
        List->clear();
        List->addItems(c.topics);
        setHelpText(m_manual.introduction(button));
        return;
    }
}

bool HelpWindow::showTopic(const QString& topic)
{
    for (const HelpCategory& c : helpCategories()) {
        const int row = c.topics.indexOf(topic);
        if (row < 0)
            continue;
        showCategory(QString::fromUtf8(c.button));
        List->setCurrentRow(row);
        return true;
    }
    return false;
}

void HelpWindow::List_Click()
{
    const QListWidgetItem* item = List->currentItem();
    if (!item)
        return;
    if (const std::optional<QString> text = m_manual.topic(item->text()))
        setHelpText(*text);
}

void HelpWindow::btnabout_Click()
{
    if (showAbout)
        showAbout();
}

void HelpWindow::cmdOK_Click()
{
    close();
}

} // namespace orvel
