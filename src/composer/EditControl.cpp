#include "composer/EditControl.h"

#include "composer/EditScript.h"
#include "markup/LineEnds.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QBuffer>
#include <QChildEvent>
#include <QCursor>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QKeyEvent>
#include <QMimeDatabase>
#include <QTemporaryFile>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>
#include <atomic>

namespace orvel {

namespace {

const QByteArray kPageScheme = QByteArrayLiteral("orvel-page");

// The address a page is shown under: its own path under the page scheme, so that the addresses
// it names relative to itself reach the files beside it.
QUrl pageUrl(const QString& path)
{
    QUrl url;
    url.setScheme(QString::fromLatin1(kPageScheme));
    url.setPath(
        QFileInfo(path.isEmpty() ? QDir::home().filePath(QStringLiteral("untitled.html")) : path)
            .absoluteFilePath());
    return url;
}

// A script argument: the text as a quoted script string.
QString quoted(const QString& s)
{
    const QByteArray json = QJsonDocument(QJsonArray{s}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(json.mid(1, json.size() - 2));
}

QString escapedHtml(const QString& s)
{
    return s.toHtmlEscaped();
}

// Nothing remote is fetched for a page opened from disk: its images, style sheets and frames
// from the web would tell a server the page is being edited, and would be waited for.
class LocalOnly : public QWebEngineUrlRequestInterceptor {
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    std::atomic<bool> allowRemote{false};

    void interceptRequest(QWebEngineUrlRequestInfo& info) override
    {
        const QString scheme = info.requestUrl().scheme();
        const bool remote = scheme.startsWith(QLatin1String("http")) ||
                            scheme.startsWith(QLatin1String("ws")) ||
                            scheme == QLatin1String("ftp");
        if (remote && !allowRemote)
            info.block(true);
    }
};

} // namespace

// Serves the page shown from the text it was given, and the files it names beside it.
class EditControl::PageServer : public QWebEngineUrlSchemeHandler {
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;
    QUrl pageUrl;
    QByteArray pageBytes;

    void requestStarted(QWebEngineUrlRequestJob* job) override
    {
        const QUrl url = job->requestUrl().adjusted(QUrl::RemoveQuery | QUrl::RemoveFragment);
        if (url == pageUrl) {
            auto* buffer = new QBuffer(job);
            buffer->setData(pageBytes);
            job->reply(QByteArrayLiteral("text/html"), buffer);
            return;
        }
        auto* file = new QFile(url.path(), job);
        if (QFileInfo(*file).isDir() || !file->open(QIODevice::ReadOnly)) {
            job->fail(QWebEngineUrlRequestJob::UrlNotFound);
            return;
        }
        job->reply(QMimeDatabase().mimeTypeForFile(url.path()).name().toUtf8(), file);
    }
};

class EditControl::Page : public QWebEnginePage {
public:
    Page(QWebEngineProfile* profile, QObject* parent) : QWebEnginePage(profile, parent) {}
    LocalOnly* interceptor = nullptr;
    // The control's own load about to start; any other navigation of the page is refused.
    bool ownLoadPending = false;
    bool remoteLoad = false;
    bool loading = false;

protected:
    // Only the control replaces the page it edits: a refresh or a redirect the page asks for would
    // put another document (or the same file, with the typing lost) where the user's page was,
    // and a click on a link or a form button would leave it. Frames show what they name, but do
    // not follow links either.
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override
    {
        if (type == NavigationTypeLinkClicked || type == NavigationTypeFormSubmitted)
            return false;
        if (!isMainFrame)
            return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
        if (ownLoadPending) {
            ownLoadPending = false;
            return true;
        }
        // A server's redirect while an address the user gave is being opened.
        return remoteLoad && loading && type == NavigationTypeRedirect;
    }
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString&, int,
                                  const QString&) override
    {}
};

EditControl::EditControl(QWidget* parent) : QWebEngineView(parent)
{
    // A profile of its own, kept in memory: no cookies, cache or history on disk.
    m_profile = new QWebEngineProfile(this);
    m_profile->setHttpCacheType(QWebEngineProfile::NoCache);
    auto* interceptor = new LocalOnly(m_profile);
    m_profile->setUrlRequestInterceptor(interceptor);
    m_server = new PageServer(m_profile);
    m_profile->installUrlSchemeHandler(kPageScheme, m_server);
    m_page = new Page(m_profile, this);
    m_page->interceptor = interceptor;
    QWebEngineSettings* s = m_page->settings();
    // The page's scripts never run while it is edited; the control's own run in their world.
    s->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    s->setAttribute(QWebEngineSettings::AutoLoadIconsForPage, false);
    s->setDefaultTextEncoding(QStringLiteral("utf-8"));
    setPage(m_page);
    if (QWidget* proxy = focusProxy())
        proxy->installEventFilter(this);
    connect(m_page, &QWebEnginePage::loadFinished, this, &EditControl::afterLoad);
    newDocument();
}

EditControl::~EditControl()
{
    // The page goes before its profile.
    setPage(nullptr);
    delete m_page;
}

const QString EditControl::kNewPage =
    QStringLiteral("<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta charset=\"utf-8\">\r\n"
                   "<title></title>\r\n</head>\r\n<body>\r\n<p><br></p>\r\n</body>\r\n"
                   "</html>\r\n");

void EditControl::registerPageScheme()
{
    QWebEngineUrlScheme scheme(kPageScheme);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
    scheme.setFlags(QWebEngineUrlScheme::LocalScheme | QWebEngineUrlScheme::LocalAccessAllowed |
                    QWebEngineUrlScheme::CorsEnabled);
    QWebEngineUrlScheme::registerScheme(scheme);
}

void EditControl::loadOwn(const QUrl& url, bool remote)
{
    ++m_loads;
    m_loading = true;
    m_refocus = holdsFocus();
    m_page->loading = true;
    m_page->remoteLoad = remote;
    m_page->ownLoadPending = true;
    m_page->interceptor->allowRemote = remote;
    m_page->load(url);
}

void EditControl::showPage(const QString& text, const QString& path)
{
    resetSplice();
    m_lastFragment.clear();
    m_original = text;
    m_hasOriginal = true;
    // A byte order mark outranks any charset the page declares: the engine reads these bytes as
    // the UTF-8 they are, whatever the file was written in.
    m_server->pageUrl = pageUrl(path);
    m_server->pageBytes = QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
    loadOwn(m_server->pageUrl, false);
}

void EditControl::newDocument()
{
    showPage(kNewPage, QString());
}

EditResult EditControl::loadDocument(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {false, file.errorString()};
    resetSplice();
    m_hasOriginal = false;
    loadOwn(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()), false);
    return {true, {}};
}

EditResult EditControl::loadFragment(const QString& markup)
{
    // Created exclusively, readable by the user alone, and removed once the view has read it.
    auto file = std::make_unique<QTemporaryFile>(QDir::tempPath() +
                                                 QStringLiteral("/orvel-fragment-XXXXXX.html"));
    if (!file->open())
        return {false, file->errorString()};
    const QByteArray bytes = (markup + QStringLiteral("\r\n")).toUtf8();
    m_lastFragment = bytes;
    if (file->write(bytes) != bytes.size() || !file->flush())
        return {false, file->errorString()};
    file->close();
    const QString path = file->fileName();
    m_fragment = std::move(file);
    const EditResult r = loadDocument(path);
    if (!r.ok)
        m_fragment.reset();
    return r;
}

QString EditControl::pendingFragmentPath() const
{
    return m_fragment ? m_fragment->fileName() : QString();
}

void EditControl::loadUrl(const QString& address)
{
    resetSplice();
    m_lastFragment.clear();
    m_original.clear();
    m_hasOriginal = false;
    loadOwn(QUrl::fromUserInput(address), true);
}

bool EditControl::holdsFocus() const
{
    // The window's own focus widget: the page keeps its claim while another window is active.
    const QWidget* f = window()->focusWidget();
    return f && (f == this || isAncestorOf(f));
}

void EditControl::afterLoad(bool ok)
{
    // A navigation of the page's own that was refused ends without replacing anything: the page
    // and what it knows of its edits stay.
    if (!m_loading)
        return;
    m_loading = false;
    m_page->loading = false;
    m_fragment.reset();
    // The engine now and then drops the first script sent to a page it has just shown, and the
    // window would wait for its answer; a question that may be asked twice finds out when the
    // page listens.
    int tries = 1;
    while (tries < 80 && !evaluate(QStringLiteral("true"), 250).toBool())
        ++tries;
    applyModes();
    call(QStringLiteral("mark"));
    // The engine shows the new page in a widget of its own, and the focus went with the old one;
    // unless the user has gone on elsewhere, it comes back.
    if (m_refocus && (!window()->focusWidget() || holdsFocus()))
        setFocus(Qt::OtherFocusReason);
    m_refocus = false;
    call(QStringLiteral("caret"), QStringLiteral("true"));
    m_markedIsRead = true;
    if (m_hasOriginal)
        prepareFromHelpers();
    emit loaded(ok);
}

bool EditControl::event(QEvent* e)
{
    // The engine's widget, where the keys arrive, is made anew now and then.
    if (e->type() == QEvent::ChildAdded)
        static_cast<QChildEvent*>(e)->child()->installEventFilter(this);
    return QWebEngineView::event(e);
}

bool EditControl::eventFilter(QObject* watched, QEvent* e)
{
    // A drag from here ends with the button's release here, wherever it was dropped; what was
    // dropped into another control is worked on there, and the keys follow it. (The engine takes
    // the drop itself without a drop event to the target.)
    if (e->type() == QEvent::DragEnter) {
        m_dragging = true;
    } else if (e->type() == QEvent::MouseButtonRelease && m_dragging) {
        m_dragging = false;
        for (QWidget* w = QApplication::widgetAt(QCursor::pos()); w; w = w->parentWidget()) {
            if (auto* target = qobject_cast<EditControl*>(w)) {
                if (target != this)
                    target->takeFocus();
                break;
            }
        }
    }
    // Left unaccepted, the key goes on to the window's shortcuts and never reaches the engine.
    if (e->type() == QEvent::ShortcutOverride &&
        m_windowKeys.contains(QKeySequence(static_cast<QKeyEvent*>(e)->keyCombination())))
        return true;
    return QWebEngineView::eventFilter(watched, e);
}

void EditControl::takeFocus()
{
    setFocus(Qt::OtherFocusReason);
    if (m_loading)
        m_refocus = true;
    else
        call(QStringLiteral("caret"));
}

QString EditControl::pageText(LineEnd style)
{
    m_spliceStats = {};
    m_rewroteWhole = false;
    if (m_hasOriginal && (m_loading || !isEdited()))
        return m_original;
    if (m_hasOriginal) {
        const QString spliced = editedText();
        if (!spliced.isNull())
            return spliced;
        m_rewroteWhole = true;
    }
    const QString html = documentHtml();
    if (html.isEmpty())
        return {};
    // The engine hands back LF where the file had CR LF, and joins its own parts with CR LF: the
    // page is written with one style, the one its file had.
    const QString end = style == LineEnd::Lf   ? QStringLiteral("\n")
                        : style == LineEnd::Cr ? QStringLiteral("\r")
                                               : QStringLiteral("\r\n");
    QString out;
    out.reserve(html.size() + html.size() / 16 + 2);
    for (qsizetype i = 0; i < html.size(); ++i) {
        if (!isLineBreak(html[i].unicode())) {
            out += html[i];
            continue;
        }
        if (html[i] == u'\r' && i + 1 < html.size() && html[i + 1] == u'\n')
            ++i;
        out += end;
    }
    return out + end;
}

// The page's text is now `text`. Where the document has not changed since the splice that made
// it, the tree spliced is what the browser would read from it; else the helpers keep the tree
// anew. Both are read for the next splice while the user goes on.
void EditControl::markSaved(const QString& text)
{
    if (m_preparing.valid())
        m_preparing.wait();
    m_preparing = {};
    ++m_generation;
    m_original = text;
    m_hasOriginal = true;
    QString marked;
    if (!m_loading)
        marked = call(QStringLiteral("mark"), m_lastEdited ? QStringLiteral("false") : QString());
    if (marked == u"saved") {
        prepareSplice(QString()); // takes the tree, and the one it stands on
        m_prepared = {};
        return;
    }
    m_lastEdited.reset();
    m_prepared = {};
    // A document changed since the text saved is not the browser's reading of that text.
    m_markedIsRead = marked != u"changed";
    if (!m_loading)
        prepareFromHelpers();
}

void EditControl::resetSplice()
{
    if (m_preparing.valid())
        m_preparing.wait();
    m_preparing = {};
    m_lastEdited.reset();
    m_prepared = {};
    ++m_generation;
}

// The page's text read for the splice, and the document's tree: read from `json` after a load;
// after a save, the tree saved (whose unchanged parts stand for those of `savedFrom`). Where that
// tree is the browser's reading of the text (`read`), the splice leaves alone what the two
// readings differ in.
EditControl::Prepared
EditControl::readForSplice(QString text, QString json, bool read, std::unique_ptr<PageNode> saved,
                           [[maybe_unused]] std::shared_ptr<const PageNode> savedFrom)
{
    Prepared p;
    p.source = std::make_unique<PageSource>(std::move(text));
    auto marked = std::make_shared<PageNode>();
    if (saved)
        *marked = materialized(*saved);
    else if (json.isEmpty() || !readPageTree(json, *marked))
        return p;
    if (read)
        p.source->setLoaded(*marked);
    p.elements = markElements(*marked);
    p.marked = std::move(marked);
    return p;
}

void EditControl::prepareSplice(const QString& loadedJson)
{
    m_preparing = std::async(std::launch::async, readForSplice, m_original, loadedJson,
                             m_markedIsRead, std::move(m_lastEdited), m_prepared.marked);
}

void EditControl::prepareFromHelpers()
{
    const int generation = m_generation;
    m_page->runJavaScript(
        kEditHelpers + kTreeHelpers + QStringLiteral("orvel.loadedTree"),
        QWebEngineScript::ApplicationWorld, [this, generation](const QVariant& v) {
            if (generation == m_generation && !m_prepared.source && !m_preparing.valid())
                prepareSplice(v.toString());
        });
}

QString EditControl::editedText()
{
    if (!m_prepared.source) {
        if (!m_preparing.valid())
            prepareSplice(evaluate(QStringLiteral("orvel.loadedTree")).toString());
        m_prepared = m_preparing.get();
    }
    auto edited = std::make_unique<PageNode>();
    // Only what changed since the page was marked comes over; the rest is the marked tree's.
    if (!readPageTree(call(QStringLiteral("tree")), *edited, &m_prepared.elements) &&
        !readPageTree(call(QStringLiteral("tree"), QStringLiteral("true")), *edited)) {
        m_spliceStats.fallbacks = 1;
        m_spliceStats.reasons << QStringLiteral("page: the editor handed over no tree");
        return {};
    }
    SpliceResult r = m_prepared.source->splice(*edited);
    m_spliceStats = r.stats;
    m_lastEdited = std::move(edited);
    return r.text;
}

QVariant EditControl::evaluate(const QString& script)
{
    return evaluate(script, 20000);
}

QVariant EditControl::evaluate(const QString& script, int waitMs)
{
    struct Wait {
        QVariant result;
        bool done = false;
        QEventLoop loop;
    };
    auto wait = std::make_shared<Wait>();
    m_page->runJavaScript(kEditHelpers + kTreeHelpers + script, QWebEngineScript::ApplicationWorld,
                          [wait](const QVariant& v) {
                              wait->result = v;
                              wait->done = true;
                              wait->loop.quit();
                          });
    if (!wait->done) {
        QTimer::singleShot(waitMs, &wait->loop, &QEventLoop::quit);
        wait->loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    return wait->result;
}

QString EditControl::call(const QString& function, const QString& argument)
{
    return evaluate(QStringLiteral("orvel.%1(%2)").arg(function, argument)).toString();
}

QString EditControl::documentHtml()
{
    return call(QStringLiteral("serialize"));
}

bool EditControl::isEdited()
{
    return evaluate(QStringLiteral("orvel.edited()")).toBool();
}

QString EditControl::bodyHtml()
{
    return call(QStringLiteral("body"));
}

void EditControl::typeText(const QString& text)
{
    evaluate(QStringLiteral("orvel.exec('insertText', %1)").arg(quoted(text)));
}

bool EditControl::insertHtml(const QString& html)
{
    return evaluate(QStringLiteral("orvel.insert(%1)").arg(quoted(html))).toBool();
}

bool EditControl::isBlank()
{
    return evaluate(QStringLiteral("orvel.blank()")).toBool();
}

void EditControl::applyModes()
{
    evaluate(QStringLiteral("orvel.modes(%1, %2)")
                 .arg(m_browseMode ? QStringLiteral("false") : QStringLiteral("true"),
                      m_showDetails ? QStringLiteral("true") : QStringLiteral("false")));
}

void EditControl::setShowDetails(bool on)
{
    m_showDetails = on;
    applyModes();
}

void EditControl::setBrowseMode(bool on)
{
    m_browseMode = on;
    applyModes();
}

bool EditControl::execCommand(int command)
{
    const auto exec = [this](const char* name, const QString& value = {}) {
        return evaluate(QStringLiteral("orvel.exec('%1'%2)")
                            .arg(QLatin1String(name),
                                 value.isNull() ? QString() : QStringLiteral(", ") + quoted(value)))
            .toBool();
    };
    const auto table = [this](const char* name) {
        return evaluate(QStringLiteral("orvel.table('%1')").arg(QLatin1String(name))).toBool();
    };
    const auto action = [this](QWebEnginePage::WebAction a) {
        m_page->triggerAction(a);
        return true;
    };
    switch (command) {
    case DECMD_BOLD:
        return exec("bold");
    case DECMD_ITALIC:
        return exec("italic");
    case DECMD_UNDERLINE:
        return exec("underline");
    case DECMD_REMOVEFORMAT:
        return exec("removeFormat");
    case DECMD_INDENT:
        return exec("indent");
    case DECMD_OUTDENT:
        return exec("outdent");
    case DECMD_ORDERLIST:
        return call(QStringLiteral("list"), QStringLiteral("'insertOrderedList'")) == u"true";
    case DECMD_UNORDERLIST:
        return call(QStringLiteral("list"), QStringLiteral("'insertUnorderedList'")) == u"true";
    case DECMD_JUSTIFYLEFT:
        return exec("justifyLeft");
    case DECMD_JUSTIFYCENTER:
        return exec("justifyCenter");
    case DECMD_JUSTIFYRIGHT:
        return exec("justifyRight");
    case DECMD_JUSTIFYFULL:
        return exec("justifyFull");
    case DECMD_DELETE:
        return exec("forwardDelete");
    case DECMD_SELECTALL:
        return exec("selectAll");
    // The clipboard goes through the engine's own actions: a script may not touch it.
    case DECMD_COPY:
        return action(QWebEnginePage::Copy);
    case DECMD_CUT:
        return action(QWebEnginePage::Cut);
    case DECMD_PASTE:
        return action(QWebEnginePage::Paste);
    // The page's own history, which also knows the table commands and inserted fragments.
    case DECMD_UNDO:
        return evaluate(QStringLiteral("orvel.undo()")).toBool();
    case DECMD_REDO:
        return evaluate(QStringLiteral("orvel.redo()")).toBool();
    case DECMD_INSERTROW:
        return table("insertRow");
    case DECMD_INSERTCOL:
        return table("insertCol");
    case DECMD_INSERTCELL:
        return table("insertCell");
    case DECMD_DELETEROWS:
        return table("deleteRows");
    case DECMD_DELETECOLS:
        return table("deleteCols");
    case DECMD_DELETECELLS:
        return table("deleteCells");
    case DECMD_SPLITCELL:
        return table("splitCell");
    case DECMD_MERGECELLS:
        return table("mergeCells");
    case DECMD_FONT: {
        const QString current = call(QStringLiteral("value"), QStringLiteral("'fontName'"));
        const QString face = platform().input(tr("Enter the name of the font for the selection"),
                                              kAssistantTitle, current);
        if (face.isEmpty())
            return false;
        exec("fontName", face);
        const QString size =
            platform().input(tr("Enter the size of the font, from 1 (smallest) to 7 (largest)"),
                             kAssistantTitle, QStringLiteral("3"));
        bool number = false;
        const int n = size.toInt(&number);
        if (number && n >= 1 && n <= 7)
            exec("fontSize", size);
        return true;
    }
    case DECMD_IMAGE: {
        const QString src = platform().input(tr("Enter the address of the image"), kAssistantTitle);
        return !src.isEmpty() && exec("insertImage", src);
    }
    case DECMD_HYPERLINK: {
        const QString href = platform().input(tr("Enter the address the link leads to"),
                                              kAssistantTitle, QStringLiteral("http://"));
        if (href.isEmpty())
            return false;
        // With nothing selected the address itself becomes the link's text.
        if (evaluate(QStringLiteral("orvel.collapsed()")).toBool())
            return exec(
                "insertHTML",
                QStringLiteral("<a href=\"%1\">%2</a>").arg(escapedHtml(href), escapedHtml(href)));
        return exec("createLink", href);
    }
    case DECMD_FINDTEXT: {
        const QString text = platform().input(tr("Enter the text to find"), kAssistantTitle);
        if (text.isEmpty())
            return false;
        if (evaluate(QStringLiteral("orvel.find(%1)").arg(quoted(text))).toBool())
            return true;
        platform().message(tr("The text was not found"), MsgIcon::Information, kAssistantTitle);
        return false;
    }
    default:
        return false;
    }
}

} // namespace orvel
