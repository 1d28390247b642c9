#include "app/About.h"

#include "app/Splash.h"
#include "platform/Icons.h"
#include "platform/Platform.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QToolButton>
#include <QVBoxLayout>

namespace orvel {

const QString AboutBox::kNoSysInfo =
    QStringLiteral("System Information Is Unavailable At This Time");

QStringList systemInfoPrograms()
{
    return {QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"), QStringLiteral("kinfocenter"),
            QStringLiteral("lshw-gtk"), QStringLiteral("gnome-system-monitor")};
}

QString findSystemInfo(const QStringList& programs,
                       const std::function<QString(const QString&)>& find)
{
    for (const QString& name : programs) {
        const QString path = find(name);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

AboutBox::AboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("About ") + appTitle());
    setWindowIcon(QIcon(QStringLiteral(":/orvel/icons/orvel.svg")));

    findExecutable = [](const QString& name) { return QStandardPaths::findExecutable(name); };
    startProgram = [](const QString& path) { return QProcess::startDetached(path, {}); };

    auto* logo = new QLabel(this);
    logo->setPixmap(logoPicture(64));
    lblTitle = new QLabel(appTitle(), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = lblTitle->font();
    titleFont.setPointSize(titleFont.pointSize() + 8);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblVersion = new QLabel(QStringLiteral("Version %1.%2.%3")
                                .arg(kAppVersion.major)
                                .arg(kAppVersion.minor)
                                .arg(kAppVersion.revision),
                            this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblDescription = new QLabel(
        QStringLiteral("An HTML editor for people who write their web pages by hand and for "
                       "people who are learning HTML: a Composer that shows the page as it looks, "
                       "and an Editor that shows its code."),
        this);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setWordWrap(true);
    lblDisclaimer = new QLabel(
        QStringLiteral("Orvel writes ordinary HTML files. Check your pages in the browsers of your "
                       "readers before you publish them."),
        this);
    lblDisclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
    lblDisclaimer->setWordWrap(true);

    picthelp = new QToolButton(this);
    picthelp->setObjectName(QStringLiteral("picthelp"));
    picthelp->setToolTip(QStringLiteral("Show Help For Orvel"));
    picthelp->setIcon(buttonIcon(QStringLiteral("help-contents"), {}));
    picthelp->setIconSize(QSize(22, 22));
    picthelp->setAutoRaise(true);
    connect(picthelp, &QToolButton::clicked, this, [this] {
        if (showHelp)
            showHelp();
    });
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &AboutBox::cmdOK_Click);
    cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    connect(cmdSysInfo, &QPushButton::clicked, this, &AboutBox::StartSysInfo);

    auto* column = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(logo, 0, Qt::AlignTop);
    auto* texts = new QVBoxLayout;
    texts->addWidget(lblTitle);
    texts->addWidget(lblVersion);
    texts->addWidget(lblDescription);
    top->addLayout(texts, 1);
    column->addLayout(top);
    column->addSpacing(8);
    column->addWidget(lblDisclaimer);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(picthelp);
    buttons->addStretch(1);
    buttons->addWidget(cmdSysInfo);
    buttons->addWidget(cmdOK);
    column->addLayout(buttons);
    setMinimumWidth(440);
}

void AboutBox::StartSysInfo()
{
    // The desktop's own tool, found on PATH; a tool that will not start counts as none.
    const QString path = findSystemInfo(systemInfoPrograms(), findExecutable);
    if (path.isEmpty() || !startProgram(path))
        platform().message(kNoSysInfo, MsgIcon::None, appTitle());
}

} // namespace orvel
