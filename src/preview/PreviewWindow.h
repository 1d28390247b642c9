#pragma once

#include <QMainWindow>
#include <QPoint>
#include <QStringList>
#include <optional>

class QComboBox;
class QFileSystemWatcher;
class QLabel;
class QTimer;
class QToolBar;
class QWebEnginePage;
class QWebEngineProfile;
class QWebEngineView;

namespace orvel {

// The address list after a visit to `address`: that address first, each address once.
QStringList visitedFirst(QStringList list, const QString& address);

// What the address box shows for a page: a page on disk by its path, anything else by its URL.
QString addressOf(const QUrl& url);

// The preview `frmBrowser`: a small browser on the saved page. It shows the file on disk, never
// the text being edited, and reloads by itself when that file is saved again. It browses in an
// off-the-record profile: no cookie, cache or history outlives the window.
class PreviewWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit PreviewWindow(QWidget* parent = nullptr);
    ~PreviewWindow() override;

    QWebEngineView* brwWebBrowser = nullptr;
    QWidget* picAddress = nullptr;
    QLabel* lblAddress = nullptr;
    QComboBox* cboAddress = nullptr;
    QToolBar* tbToolBar = nullptr;
    QTimer* timTimer = nullptr;

    // Opened nothing by itself; the window navigates here when it loads, if it is set.
    QString StartingAddress;
    // True while the address list is being rearranged: choosing an entry then does not navigate.
    bool dontNavigate = false;

    // The source window's (and the Composer's) Preview: `path` in the address box, the window
    // shown, the browser on its way there. The page becomes the one Home returns to.
    void openPage(const QString& path);
    void navigate(const QString& address);
    // Busy between the start of a navigation and its end.
    bool isBusy() const { return m_busy; }
    // The caption exactly as the program wrote it.
    const QString& caption() const { return m_caption; }
    QAction* toolButton(const QString& key) const;

    // Handlers.
    void Form_Load();
    void cboAddress_Click();
    void cboAddress_KeyPress(int keyAscii);
    void tbToolBar_ButtonClick(const QString& key);
    void brwWebBrowser_DownloadComplete();
    void brwWebBrowser_NavigateComplete();
    void timTimer_Timer();

    static const QString kDesignCaption;
    static const QString kBusyCaption;

signals:
    // The page on disk changed and is being shown again.
    void reloadingSavedPage();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void setCaption(const QString& text);
    QString locationName() const;
    void watchShownFile();
    void savedPageChanged();

    QWebEngineProfile* m_profile = nullptr;
    QWebEnginePage* m_page = nullptr;
    QFileSystemWatcher* m_watcher = nullptr;
    QTimer* m_settle = nullptr; // a save may touch the file more than once
    QString m_home;
    QString m_caption;
    QString m_lastFind;
    bool m_busy = false;
    std::optional<QPoint> m_scrollToRestore;
};

} // namespace orvel
