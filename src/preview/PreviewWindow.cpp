#include "preview/PreviewWindow.h"

#include "platform/Icons.h"
#include "platform/Platform.h"
#include "platform/Screen.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineView>

namespace orvel {

const QString PreviewWindow::kDesignCaption = QStringLiteral("Preview: Orvel - by Quorrin");
const QString PreviewWindow::kBusyCaption = QStringLiteral("Working...");

QStringList visitedFirst(QStringList list, const QString& address)
{
    list.removeAll(address);
    list.prepend(address);
    return list;
}

QString addressOf(const QUrl& url)
{
    return url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile()) : url.toString();
}

namespace {

// clang-format off
struct ToolButton { const char* key; const char* caption; const char* theme; };
constexpr ToolButton kToolButtons[] = {
    {"Back", "Back", "go-previous"},
    {"Forward", "Forward", "go-next"},
    {"Stop", "Stop", "process-stop"},
    {"Refresh", "Refresh", "view-refresh"},
    {"Home", "Home", "go-home"},
    {"Search", "Search", "edit-find"},
};
// clang-format on

} // namespace

PreviewWindow::PreviewWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmBrowser"));
    setWindowIcon(QIcon(QStringLiteral(":/orvel/icons/orvel.svg")));
    setCaption(kDesignCaption);
    placeOnScreen(this, QSize(900, 640));

    tbToolBar = addToolBar(QStringLiteral("Navigation"));
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setMovable(false);
    tbToolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (const ToolButton& b : kToolButtons) {
        const QString key = QString::fromUtf8(b.key);
        QAction* a = tbToolBar->addAction(buttonIcon(QString::fromUtf8(b.theme), {}),
                                          QString::fromUtf8(b.caption));
        a->setObjectName(key);
        connect(a, &QAction::triggered, this, [this, key] { tbToolBar_ButtonClick(key); });
    }

    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(4, 2, 4, 4);
    column->setSpacing(3);

    picAddress = new QWidget(central);
    picAddress->setObjectName(QStringLiteral("picAddress"));
    auto* addressRow = new QHBoxLayout(picAddress);
    addressRow->setContentsMargins(0, 0, 0, 0);
    lblAddress = new QLabel(QStringLiteral("&Address:"), picAddress);
    lblAddress->setObjectName(QStringLiteral("lblAddress"));
    cboAddress = new QComboBox(picAddress);
    cboAddress->setObjectName(QStringLiteral("cboAddress"));
    cboAddress->setEditable(true);
    // The list is kept by the visits, never by what was typed.
    cboAddress->setInsertPolicy(QComboBox::NoInsert);
    cboAddress->setCompleter(nullptr);
    cboAddress->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    lblAddress->setBuddy(cboAddress);
    addressRow->addWidget(lblAddress);
    addressRow->addWidget(cboAddress, 1);
    column->addWidget(picAddress);

    // A profile made without a storage name is off the record; it must outlive its page.
    m_profile = new QWebEngineProfile(this);
    brwWebBrowser = new QWebEngineView(central);
    brwWebBrowser->setObjectName(QStringLiteral("brwWebBrowser"));
    m_page = new QWebEnginePage(m_profile, brwWebBrowser);
    brwWebBrowser->setPage(m_page);
    column->addWidget(brwWebBrowser, 1);

    timTimer = new QTimer(this);
    timTimer->setObjectName(QStringLiteral("timTimer"));
    timTimer->setInterval(5);
    connect(timTimer, &QTimer::timeout, this, &PreviewWindow::timTimer_Timer);

    connect(cboAddress, &QComboBox::activated, this, &PreviewWindow::cboAddress_Click);
    // The box hands its keys to its line edit directly, past any filter there: Enter is seen on
    // the box (typed keys) and on the line edit (keys sent to it).
    cboAddress->installEventFilter(this);
    cboAddress->lineEdit()->installEventFilter(this);
    connect(m_page, &QWebEnginePage::loadStarted, this, [this] { m_busy = true; });
    connect(m_page, &QWebEnginePage::loadFinished, this, [this] {
        m_busy = false;
        brwWebBrowser_DownloadComplete();
        brwWebBrowser_NavigateComplete();
    });

    m_watcher = new QFileSystemWatcher(this);
    m_settle = new QTimer(this);
    m_settle->setSingleShot(true);
    m_settle->setInterval(150);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, m_settle,
            static_cast<void (QTimer::*)()>(&QTimer::start));
    connect(m_settle, &QTimer::timeout, this, &PreviewWindow::savedPageChanged);

    Form_Load();
}

PreviewWindow::~PreviewWindow()
{
    // The page goes before its profile.
    delete m_page;
    m_page = nullptr;
}

QAction* PreviewWindow::toolButton(const QString& key) const
{
    return tbToolBar->findChild<QAction*>(key);
}

void PreviewWindow::setCaption(const QString& text)
{
    m_caption = text;
    setWindowTitle(text);
}

QString PreviewWindow::locationName() const
{
    // A page without a title is named by its address, as a browser's tab would be.
    const QString title = m_page->title();
    return title.isEmpty() ? addressOf(m_page->url()) : title;
}

void PreviewWindow::Form_Load()
{
    if (StartingAddress.isEmpty())
        return;
    cboAddress->setEditText(StartingAddress);
    cboAddress->addItem(StartingAddress);
    timTimer->start();
    navigate(StartingAddress);
}

void PreviewWindow::openPage(const QString& path)
{
    m_home = path;
    cboAddress->setEditText(path);
    show();
    raise();
    activateWindow();
    timTimer->start();
    navigate(path);
}

void PreviewWindow::navigate(const QString& address)
{
    const QString trimmed = address.trimmed();
    if (trimmed.isEmpty())
        return;
    // A path names a file; anything else is read as a browser's address bar would read it.
    QUrl url = QUrl::fromUserInput(trimmed, QDir::currentPath(), QUrl::AssumeLocalFile);
    if (QFileInfo(trimmed).isAbsolute())
        url = QUrl::fromLocalFile(trimmed);
    m_busy = true;
    m_scrollToRestore.reset();
    brwWebBrowser->load(url);
}

void PreviewWindow::cboAddress_Click()
{
    if (dontNavigate)
        return;
    timTimer->start();
    navigate(cboAddress->currentText());
}

void PreviewWindow::cboAddress_KeyPress(int keyAscii)
{
    if (keyAscii == 13)
        cboAddress_Click();
}

bool PreviewWindow::eventFilter(QObject* watched, QEvent* e)
{
    if ((watched == cboAddress || watched == cboAddress->lineEdit()) &&
        e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Taken here: the box itself would also choose a matching entry and navigate twice.
            cboAddress_KeyPress(13);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, e);
}

void PreviewWindow::tbToolBar_ButtonClick(const QString& key)
{
    timTimer->start();
    if (key == QLatin1String("Back")) {
        brwWebBrowser->back();
    } else if (key == QLatin1String("Forward")) {
        brwWebBrowser->forward();
    } else if (key == QLatin1String("Home")) {
        // Home of a page viewer is the page it was opened on.
        if (!m_home.isEmpty())
            navigate(m_home);
    } else if (key == QLatin1String("Search")) {
        const QString text = platform().input(QStringLiteral("Find in this page:"),
                                              QStringLiteral("Search: Orvel"), m_lastFind);
        // Finding the same text again moves on to its next occurrence.
        if (!text.isEmpty()) {
            m_lastFind = text;
            m_page->findText(text);
        }
    } else if (key == QLatin1String("Stop")) {
        timTimer->stop();
        brwWebBrowser->stop();
        m_busy = false;
        setCaption(locationName());
    } else if (key == QLatin1String("Refresh")) {
        brwWebBrowser->reload();
    }
}

void PreviewWindow::brwWebBrowser_DownloadComplete()
{
    setCaption(locationName());
}

void PreviewWindow::brwWebBrowser_NavigateComplete()
{
    setCaption(locationName());
    const QString location = addressOf(m_page->url());
    QStringList entries;
    for (int i = 0; i < cboAddress->count(); ++i)
        entries << cboAddress->itemText(i);
    dontNavigate = true;
    const QStringList visited = visitedFirst(entries, location);
    if (visited != entries) {
        cboAddress->clear();
        cboAddress->addItems(visited);
    }
    cboAddress->setCurrentIndex(0);
    dontNavigate = false;
    watchShownFile();
    if (m_scrollToRestore) {
        brwWebBrowser->page()->runJavaScript(QStringLiteral("window.scrollTo(%1, %2);")
                                                 .arg(m_scrollToRestore->x())
                                                 .arg(m_scrollToRestore->y()),
                                             QWebEngineScript::ApplicationWorld);
        m_scrollToRestore.reset();
    }
}

void PreviewWindow::timTimer_Timer()
{
    if (m_busy) {
        setCaption(kBusyCaption);
        return;
    }
    timTimer->stop();
    setCaption(locationName());
}

void PreviewWindow::watchShownFile()
{
    if (!m_watcher->files().isEmpty())
        m_watcher->removePaths(m_watcher->files());
    const QUrl url = m_page->url();
    if (url.isLocalFile() && QFileInfo::exists(url.toLocalFile()))
        m_watcher->addPath(url.toLocalFile());
}

void PreviewWindow::savedPageChanged()
{
    const QUrl url = m_page->url();
    if (!url.isLocalFile())
        return;
    // A save that writes a new file and renames it over the old one ends the watch on the old.
    const QString path = url.toLocalFile();
    if (!QFileInfo::exists(path))
        return;
    if (!m_watcher->files().contains(path))
        m_watcher->addPath(path);
    emit reloadingSavedPage();
    m_page->runJavaScript(QStringLiteral("[window.scrollX, window.scrollY]"),
                          QWebEngineScript::ApplicationWorld, [this](const QVariant& result) {
                              const QVariantList xy = result.toList();
                              if (xy.size() == 2)
                                  m_scrollToRestore = QPoint(xy[0].toInt(), xy[1].toInt());
                              m_busy = true;
                              timTimer->start();
                              brwWebBrowser->reload();
                          });
}

} // namespace orvel
