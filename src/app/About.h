#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>

class QLabel;
class QPushButton;
class QToolButton;

namespace orvel {

// The desktop's system-information programs, in the order they are looked for.
QStringList systemInfoPrograms();

// Finds the system-information tool: the first of `programs` that `find` locates (an empty answer
// is not found). Gives the tool's full path, or "" when there is none.
QString findSystemInfo(const QStringList& programs,
                       const std::function<QString(const QString&)>& find);

// The about box `frmAbout`: the program's title and version, help, and the system-information
// tool of the desktop.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);

    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblDisclaimer = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;
    QToolButton* picthelp = nullptr;

    // Where the tool is looked for and how it is started; tests replace both.
    std::function<QString(const QString&)> findExecutable;
    std::function<bool(const QString&)> startProgram;
    // Shows the help window; the composition root sets it.
    std::function<void()> showHelp;

    void StartSysInfo();
    void cmdOK_Click() { close(); }

    static const QString kNoSysInfo;
};

} // namespace orvel
