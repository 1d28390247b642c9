#include "platform/QtPlatform.h"

#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QFileDialog>
#include <QFontDatabase>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace orvel {

namespace {

QMessageBox::Icon toQt(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton toQt(MsgAnswer answer)
{
    switch (answer) {
    case MsgAnswer::Ok:
        return QMessageBox::Ok;
    case MsgAnswer::Cancel:
        return QMessageBox::Cancel;
    case MsgAnswer::Yes:
        return QMessageBox::Yes;
    case MsgAnswer::No:
        return QMessageBox::No;
    case MsgAnswer::Retry:
        return QMessageBox::Retry;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButtons toQt(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::Ok:
        return QMessageBox::Ok;
    case MsgButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MsgButtons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

} // namespace

void QtPlatform::ask(QDialog& box)
{
    // Not modal to the toolkit: a modal box makes it throw away the keys typed ahead into the
    // window below before anything of the program sees them. The guard holds the other windows.
    box.setWindowModality(Qt::NonModal);
    const TypeAhead guard(&box, m_clock);
    ++m_asking;
    QEventLoop loop;
    QObject::connect(&box, &QDialog::finished, &loop, &QEventLoop::quit);
    box.show();
    box.raise();
    box.activateWindow();
    loop.exec(QEventLoop::DialogExec);
    --m_asking;
}

MsgAnswer QtPlatform::messageBox(const MessageRequest& request)
{
    QMessageBox box(toQt(request.icon), request.title, request.text, toQt(request.buttons),
                    QApplication::activeWindow());
    box.setDefaultButton(toQt(request.defaultButton));
    ask(box);
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Cancel:
        return MsgAnswer::Cancel;
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    case QMessageBox::Retry:
        return MsgAnswer::Retry;
    default:
        break;
    }
    // A box closed with Escape answers with its cancelling button.
    if (request.buttons == MsgButtons::YesNo && box.clickedButton() == nullptr)
        return MsgAnswer::No;
    return MsgAnswer::Ok;
}

QString QtPlatform::inputBox(const InputRequest& request)
{
    QInputDialog box(QApplication::activeWindow());
    box.setWindowTitle(request.title);
    box.setLabelText(request.prompt);
    box.setTextValue(request.defaultText);
    ask(box);
    return box.result() == QDialog::Accepted ? box.textValue() : QString();
}

std::optional<QString> QtPlatform::fileDialog(const FileDialogRequest& request)
{
    QFileDialog dialog(QApplication::activeWindow(), request.title);
    dialog.setAcceptMode(request.kind == FileDialogKind::Save ? QFileDialog::AcceptSave
                                                              : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.kind == FileDialogKind::Save ? QFileDialog::AnyFile
                                                            : QFileDialog::ExistingFile);
    if (!request.defaultExtension.isEmpty())
        dialog.setDefaultSuffix(request.defaultExtension);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

QStringList QtPlatform::fontFamilies()
{
    return QFontDatabase::families();
}

QString QtPlatform::clipboardText()
{
    return QGuiApplication::clipboard()->text();
}

void QtPlatform::setClipboardText(const QString& text)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

void QtPlatform::sendKeys(QWidget* target, const QString& text)
{
    m_typer.type(target, text);
}

} // namespace orvel
