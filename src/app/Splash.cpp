#include "app/Splash.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QProgressBar>
#include <QScreen>
#include <QSysInfo>
#include <QTimer>
#include <QVBoxLayout>

namespace orvel {

QString appTitle()
{
    return QStringLiteral("Orvel");
}

QPixmap logoPicture(int size)
{
    const QPixmap picture = QIcon(QStringLiteral(":/orvel/icons/orvel.svg")).pixmap(size, size);
    if (!picture.isNull())
        return picture;
    QPixmap drawn(size, size);
    drawn.fill(Qt::transparent);
    QPainter p(&drawn);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0x3b, 0x5f, 0x8f));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(0, 0, size, size), size / 6.0, size / 6.0);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setBold(true);
    font.setPixelSize(size * 2 / 3);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QStringLiteral("O"));
    return drawn;
}

const std::array<SplashStep, 8>& splashSteps()
{
    static const std::array<SplashStep, 8> steps = {{
        {125, 2, "Loading Orvel.....", nullptr},
        {400, 14, "Setting up Composer", "O"},
        {500, 29, "Autocheck for corruption", "Or"},
        {540, 43, "Initializing preview browser", "Orv"},
        {650, 61, "Loading the help topics", "Orve"},
        {1000, 79, "Generating Scripts", "Orvel"},
        {1275, 87, "Please wait....", nullptr},
        {2575, 99, "Starting Orvel", nullptr},
    }};
    return steps;
}

SplashWindow::SplashWindow(std::function<void()> showFirstWindow, Schedule schedule,
                           QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      m_showFirstWindow(std::move(showFirstWindow)), m_schedule(std::move(schedule))
{
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(520, 300);
    setAutoFillBackground(true);
    // The palette's ground and accent: the splash reads on a light and on a dark desktop alike.
    setStyleSheet(QStringLiteral(
        "#frmSplash { background: palette(base); border: 2px solid palette(highlight); }"));
    if (!m_schedule) {
        m_schedule = [this](int ms, std::function<void()> step) {
            QTimer::singleShot(ms, this, std::move(step));
        };
    }

    auto label = [this](const char* name, const QString& text) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QString::fromUtf8(name));
        return l;
    };
    imgLogo = label("imgLogo", QString());
    imgLogo->setPixmap(logoPicture(96));
    lblCompanyProduct = label("lblCompanyProduct", QStringLiteral("Quorrin's"));
    lblProductName = label("lblProductName", QString());
    QFont big = lblProductName->font();
    big.setPointSize(30);
    big.setBold(true);
    lblProductName->setFont(big);
    lblVersion = label("lblVersion", QString());
    // The platform the program runs on, not one it was once written for.
    lblPlatform = label("lblPlatform", QSysInfo::prettyProductName());
    loader = label("loader", QString());
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(24, 20, 24, 16);
    auto* top = new QHBoxLayout;
    top->addWidget(imgLogo);
    auto* names = new QVBoxLayout;
    names->addWidget(lblCompanyProduct);
    names->addWidget(lblProductName);
    names->addWidget(lblVersion);
    names->addStretch(1);
    top->addLayout(names, 1);
    column->addLayout(top, 1);
    column->addWidget(lblPlatform, 0, Qt::AlignRight);
    column->addWidget(loader);
    column->addWidget(ProgressBar1);

    Form_Load();
}

void SplashWindow::Form_Load()
{
    lblVersion->setText(
        QStringLiteral("Version 2.%1.%2").arg(kAppVersion.minor).arg(kAppVersion.revision));
    lblProductName->setText(appTitle());
    for (int i = 0; i < int(splashSteps().size()); ++i) {
        QPointer<SplashWindow> self(this);
        m_schedule(splashSteps()[i].atMs, [self, i] {
            if (self)
                self->runStep(i);
        });
    }
}

void SplashWindow::runStep(int index)
{
    // A one-shot timer: each step fires once.
    if (m_done[index])
        return;
    m_done[index] = true;
    const SplashStep& step = splashSteps()[index];
    ProgressBar1->setValue(step.progress);
    loader->setText(QString::fromUtf8(step.loader));
    if (step.productName)
        lblProductName->setText(QString::fromUtf8(step.productName));
    if (index + 1 < int(splashSteps().size()))
        return;
    // Gone from the screen before the first window comes, but closed only after it is shown:
    // closing the only window first would end the program.
    hide();
    if (m_showFirstWindow)
        m_showFirstWindow();
    close();
}

} // namespace orvel
