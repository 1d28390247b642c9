#include "composer/ComposerDialogs.h"

#include "composer/ComposerMarkup.h"

#include <QLineEdit>
#include <QPushButton>

namespace orvel {

void FragmentSink::setSelText(const QString& text)
{
    if (m_depth > 0) {
        m_pending += text;
        return;
    }
    if (handOver)
        handOver(text);
}

void FragmentSink::endEditGroup()
{
    if (m_depth > 0 && --m_depth == 0 && !m_pending.isEmpty()) {
        const QString fragment = std::exchange(m_pending, QString());
        if (handOver)
            handOver(fragment);
    }
}

namespace {

void rename(QWidget* dialog, const char* name, const char* caption)
{
    dialog->setObjectName(QString::fromUtf8(name));
    dialog->setWindowTitle(QString::fromUtf8(caption));
}

} // namespace

ComposerTableDialog::ComposerTableDialog(const DialogTarget& target) : TableCreaterDialog(target)
{
    rename(this, "Composertbl", "Create Table");
    disconnect(btnCreateTbl, &QPushButton::clicked, this, &TableCreaterDialog::createrower);
    connect(btnCreateTbl, &QPushButton::clicked, this, &ComposerTableDialog::createrower);
}

void ComposerTableDialog::createrower()
{
    const auto size = tableSize();
    if (!size)
        return;
    const auto [rows, cols] = *size;
    if (!txtcaption->text().isEmpty())
        txtcaption->setText(QStringLiteral("<CAPTION>") + txtcaption->text() +
                            QStringLiteral("</CAPTION>"));
    const QString markup = composer::composerTable(
        {rows, cols, txtborder->text(), txtcelpad->text(), txtcelspac->text(), txtcaption->text()});
    target().text->setSelText(markup);
    unload();
}

ComposerRuleDialog::ComposerRuleDialog(const DialogTarget& target) : HruleDialog(target)
{
    rename(this, "composerhrule", "Horizontal Rule");
}

ComposerListBoxDialog::ComposerListBoxDialog(const DialogTarget& target) : ListBoxDialog(target)
{
    rename(this, "composerlistbox", "List Boxes");
}

ComposerHeadDialog::ComposerHeadDialog(const DialogTarget& target) : HeadingDialog(target)
{
    rename(this, "composerHead", "Insert Heading");
}

} // namespace orvel
