// File commands of the source window: New, Open, Save, Save As, Preview, Exit, and the
// program's own clipboard commands.
#include "editor/Captions.h"
#include "editor/DefaultPage.h"
#include "editor/SourceWindow.h"
#include "platform/Platform.h"

#include <QAbstractUndoItem>
#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QThread>
#include <QTimer>
#include <QToolButton>

namespace orvel {

namespace {

// Block property of a line whose end differs from the page's style (value: LineEnd + 1). New lines
// take the property of the line they are split from, so a line keeps its end through edits.
constexpr int kLineEndProperty = QTextFormat::UserProperty + 0x4C45;

void markLineEnds(QTextDocument* doc, const LineEnds& ends)
{
    for (const LineEndAt& at : ends.others) {
        QTextBlock block = doc->findBlockByNumber(int(at.line));
        if (!block.isValid())
            continue;
        QTextBlockFormat f = block.blockFormat();
        f.setProperty(kLineEndProperty, int(at.end) + 1);
        QTextCursor(block).setBlockFormat(f);
    }
}

// The page's line ends as they stand: its style, and the lines marked otherwise.
LineEnds lineEndsOf(const QTextDocument* doc, const LineEnds& page)
{
    LineEnds ends = page;
    ends.others.clear();
    if (!page.mixed())
        return ends;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        const QVariant v = b.blockFormat().property(kLineEndProperty);
        if (v.isValid() && LineEnd(v.toInt() - 1) != page.style)
            ends.others.append({b.blockNumber(), LineEnd(v.toInt() - 1)});
    }
    return ends;
}

// Encoding and line ends as one undo step: undo puts the format back together with the text.
class FormatStep : public QAbstractUndoItem {
public:
    FormatStep(SourceWindow* w, PageFormat before, PageFormat after)
        : m_w(w), m_before(std::move(before)), m_after(std::move(after))
    {}
    void undo() override { put(m_before); }
    void redo() override { put(m_after); }

private:
    void put(const PageFormat& f) { m_w->page().setFormat(f); }
    SourceWindow* m_w;
    PageFormat m_before, m_after;
};

QElapsedTimer& busyClock()
{
    static QElapsedTimer clock;
    return clock;
}

} // namespace

void SourceWindow::resetPage()
{
    pictprev->setVisible(false);
    menuAction(QStringLiteral("preview"))->setEnabled(false);
    Text1->setReadOnly(false);
    Text1->setText(attempt->text());
    Text1->document()->clearUndoRedoStacks();
    m_page->startNew();
    Form_Load();
}

void SourceWindow::new_Click()
{
    if (m_busy)
        return;
    if (isModified() &&
        platform().ask(QStringLiteral("Assistant: Orvel - Reminder to save"),
                       QStringLiteral("File not saved. Proceed?"), MsgAnswer::No) != MsgAnswer::Yes)
        return;
    // Running the reset a second time, as the old code did, changes nothing.
    resetPage();
}

void SourceWindow::setProgress(qsizetype done, qsizetype total)
{
    auto* bar = statusBar()->findChild<QProgressBar*>(QStringLiteral("pageprogress"));
    if (!bar) {
        bar = new QProgressBar(statusBar());
        bar->setObjectName(QStringLiteral("pageprogress"));
        bar->setMaximumWidth(200);
        bar->setTextVisible(false);
        statusBar()->addWidget(bar);
        bar->hide();
    }
    if (total < 0) {
        bar->hide();
        return;
    }
    // Only what takes longer than half a second shows a bar (a page this long does, from the
    // start); busy (no total) runs back and forth.
    if (busyClock().elapsed() < 500 && total < backgroundFrom)
        return;
    bar->setRange(0, total > 0 ? 1000 : 0);
    if (total > 0)
        bar->setValue(int(done * 1000 / total));
    bar->show();
}

void SourceWindow::runBusy(qsizetype size, const std::function<void()>& job)
{
    if (size < backgroundFrom) {
        job();
        return;
    }
    // Off the window's thread; the window keeps painting and the bar moving. Keys and clicks wait
    // for the end (they are not lost): the page must not change under a save or a read.
    QThread* worker = QThread::create(job);
    QEventLoop loop;
    connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, this, [this] { setProgress(0, 0); });
    ticker.start(100);
    worker->start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker->wait();
    delete worker;
}

void SourceWindow::showPageFormat()
{
    if (!pagecoding)
        return;
    const PageFormat& f = m_page->format();
    QString text = encodingName(f.encoding);
    if (f.bom)
        text += QStringLiteral(" BOM");
    text += QStringLiteral(", ") + lineEndName(f.ends.style);
    if (f.ends.mixed())
        text += QStringLiteral(" (mixed)");
    if (f.readOnly)
        text += QStringLiteral(", read-only");
    pagecoding->setText(text);
    for (QAction* a : menu(QStringLiteral("mnulineends"))->actions())
        a->setChecked(!f.ends.mixed() && a->data().toInt() == int(f.ends.style));
}

void SourceWindow::buildPageFormatMenu()
{
    pagecoding = new QLabel(this);
    pagecoding->setObjectName(QStringLiteral("pagecoding"));
    statusBar()->addPermanentWidget(pagecoding);
    connect(Text1, &TextBox::changed, this, [this] { ++m_edits; });

    QMenu* format = menu(QStringLiteral("formata"));
    format->addSeparator();
    QMenu* coding = format->addMenu(QStringLiteral("&Encoding"));
    coding->setObjectName(QStringLiteral("mnuencoding"));
    m_menus.insert(coding->objectName(), coding);
    // Both lists: a submenu per family, an entry per encoding, named by the encoding's key
    // (mnureloadasutf8, mnusaveincp1251, ...) and the family's (mnureloadascyrillic, ...).
    struct Sub {
        const char *name, *caption;
        bool reload;
    };
    for (const Sub& sub :
         {Sub{"mnureloadas", "&Reload as", true}, Sub{"mnusavein", "&Save as", false}}) {
        QMenu* m = coding->addMenu(QString::fromUtf8(sub.caption));
        m->setObjectName(QString::fromUtf8(sub.name));
        m_menus.insert(m->objectName(), m);
        QMenu* family = nullptr;
        for (const Encoding e : kEncodings) {
            if (!family || family->property("family").toInt() != int(encodingFamily(e))) {
                family = m->addMenu(familyName(encodingFamily(e)));
                family->setProperty("family", int(encodingFamily(e)));
                family->setObjectName(QString::fromUtf8(sub.name) +
                                      familyName(encodingFamily(e)).toLower().remove(u' '));
                m_menus.insert(family->objectName(), family);
            }
            QAction* a = family->addAction(encodingName(e));
            a->setObjectName(QString::fromUtf8(sub.name) +
                             QString::fromLatin1(encodingInfo(e).key));
            m_actions.insert(a->objectName(), a);
            if (sub.reload) {
                connect(a, &QAction::triggered, this, [this, e] { reloadAs(e); });
                continue;
            }
            connect(a, &QAction::triggered, this, [this, e] {
                if (e != m_page->format().encoding) {
                    setPageEncoding(e);
                    return;
                }
                // Already in it: a declaration that says otherwise is put right.
                if (m_busy)
                    return;
                EditGroup group(*Text1);
                if (updateCharsetDeclaration(e)) {
                    setModified(true);
                    writePageCaption();
                }
            });
        }
    }
    QMenu* ends = format->addMenu(QStringLiteral("&Line Ends"));
    ends->setObjectName(QStringLiteral("mnulineends"));
    m_menus.insert(ends->objectName(), ends);
    auto* group = new QActionGroup(ends);
    const struct {
        const char *name, *caption;
        LineEnd end;
    } endRows[] = {{"mnuendcrlf", "CR LF (Windows)", LineEnd::CrLf},
                   {"mnuendlf", "LF (Unix, Mac OS X)", LineEnd::Lf},
                   {"mnuendcr", "CR (classic Mac OS)", LineEnd::Cr}};
    for (const auto& r : endRows) {
        QAction* a = ends->addAction(QString::fromUtf8(r.caption));
        a->setObjectName(QString::fromUtf8(r.name));
        a->setCheckable(true);
        a->setData(int(r.end));
        group->addAction(a);
        m_actions.insert(a->objectName(), a);
        connect(a, &QAction::triggered, this, [this, e = r.end] { convertLineEnds(e); });
    }
    connect(m_page, &Page::formatChanged, this, &SourceWindow::showPageFormat);
    showPageFormat();
}

void SourceWindow::takePage(const QString& path, PageRead& page, bool undoable)
{
    QTextDocument* doc = Text1->document();
    Text1->setReadOnly(false); // the page read now decides
    const PageFormat before = m_page->format();
    if (undoable) {
        EditGroup group(*Text1);
        Text1->setText(page.text);
        QTextCursor c(doc);
        c.joinPreviousEditBlock();
        markLineEnds(doc, page.format.ends);
        m_page->adopt(path, page);
        doc->appendUndoItem(new FormatStep(this, before, page.format));
        c.endEditBlock();
    } else {
        busyClock().start();
        Text1->loadText(page.text, [this](qsizetype done, qsizetype total) {
            setProgress(done, total);
            if (busyClock().elapsed() >= 500 || total >= backgroundFrom)
                QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        });
        setProgress(0, -1);
        if (page.format.ends.mixed()) {
            doc->setUndoRedoEnabled(false);
            markLineEnds(doc, page.format.ends);
            doc->setUndoRedoEnabled(true);
        }
        m_page->adopt(path, page);
    }
    // The widget now holds the characters; the page's copy is not needed.
    page.text.clear();
    Text1->setReadOnly(page.format.readOnly);
    setModified(false);
}

void SourceWindow::open_Click()
{
    if (m_busy)
        return;
    if (savesFirst()) {
        Text1->setFocus();
        return;
    }
    if (CommonDialog1.showOpen())
        openPage(CommonDialog1.fileName);
    Text1->setFocus();
}

bool SourceWindow::savesFirst()
{
    return isModified() && platform().ask(QStringLiteral("Assistant: Orvel - Confirm Save"),
                                          QStringLiteral("File not saved. Save it now?"),
                                          MsgAnswer::Yes) == MsgAnswer::Yes;
}

std::optional<PageRead> SourceWindow::readPageFile(const QString& path,
                                                   std::optional<Encoding> encoding)
{
    if (m_busy)
        return std::nullopt;
    m_busy = true;
    busyClock().start();
    std::optional<PageRead> page =
        m_page->read(path, encoding, [this](qsizetype size, const std::function<void()>& job) {
            runBusy(size, job);
        });
    setProgress(0, -1);
    m_busy = false;
    return page;
}

bool SourceWindow::openPage(const QString& path, OpenedBy by)
{
    std::optional<PageRead> page = readPageFile(path);
    if (!page)
        return false;
    if (page->format.readOnly &&
        platform().ask(kAssistantTitle,
                       quotedPath(path) + QStringLiteral(" does not look like a text page: it "
                                                         "holds NUL or control bytes. Open it "
                                                         "read-only anyway?"),
                       MsgAnswer::No, MsgIcon::Exclamation) != MsgAnswer::Yes) {
        return false; // left alone
    }
    const bool renamed = path != m_page->path();
    m_busy = true;
    takePage(path, *page, false);
    m_busy = false;
    if (by == OpenedBy::User) {
        // The open caption, then the new name's own caption (the same file again keeps the
        // first).
        setCaption(caption::opened(path, star->text()));
        if (renamed)
            setCaption(caption::renamed(saveme->text()));
    }
    menuAction(QStringLiteral("preview"))->setEnabled(true);
    pictprev->setVisible(true);
    if (by == OpenedBy::User) {
        emit pageOpened();
        Page::reportEncoding(path, *page);
    }
    return true;
}

bool SourceWindow::savePage(SaveBy by)
{
    if (m_busy)
        return false;
    if (!m_page->hasFile()) {
        saveas_Click();
        return !isModified() && m_page->hasFile();
    }
    if (!writeTo(m_page->path(), by))
        return false;
    writePageCaption();
    return true;
}

void SourceWindow::save_Click()
{
    savePage(SaveBy::User);
}

bool SourceWindow::writeTo(const QString& path, SaveBy by)
{
    quint64 edits = m_edits;
    Page::SaveRequest request;
    request.by = by;
    request.canReload = true;
    request.changeEncoding = [this](Encoding e) { setPageEncoding(e); };
    request.runLong = [this](qsizetype size, const std::function<void()>& job) {
        // Writing a page costs a fraction of reading and showing it: the window waits for a
        // save only as long as it takes to blink.
        if (size < backgroundFrom * 8) {
            job();
            return;
        }
        busyClock().start();
        runBusy(size, job);
    };
    m_busy = true;
    const Page::Saved saved = m_page->save(
        path,
        [this, &edits] {
            // A snapshot of the page: what is written is the page as it was when Save was
            // chosen.
            edits = m_edits;
            return PageText{Text1->document()->toRawText(),
                            lineEndsOf(Text1->document(), m_page->format().ends)};
        },
        request);
    setProgress(0, -1);
    m_busy = false;
    if (saved == Page::Saved::Reload) {
        if (std::optional<PageRead> page = readPageFile(path)) {
            takePage(path, *page, true);
            writePageCaption();
        }
        return false;
    }
    if (saved != Page::Saved::Done)
        return false;
    // Edits made while a long page was being written are not in the file.
    setModified(m_edits != edits);
    return true;
}

void SourceWindow::saveas_Click()
{
    if (m_busy)
        return;
    CommonDialog1.defaultExt = QStringLiteral("html");
    if (!CommonDialog1.showSave())
        return;
    if (!writeTo(CommonDialog1.fileName, SaveBy::User))
        return;
    pictprev->setVisible(true);
    menuAction(QStringLiteral("preview"))->setEnabled(true);
    setCaption(caption::page(saveme->text(), QString()));
    Text1->setFocus();
}

void SourceWindow::reloadAs(Encoding e)
{
    if (m_busy)
        return;
    if (!m_page->hasFile()) {
        platform().message(QStringLiteral("The page has no file to read again yet."),
                           MsgIcon::Information, kAssistantTitle);
        return;
    }
    const QString path = m_page->path();
    std::optional<PageRead> page = readPageFile(path, e);
    if (!page)
        return;
    takePage(path, *page, true);
    writePageCaption();
}

bool SourceWindow::updateCharsetDeclaration(Encoding e)
{
    // The declaration browsers follow stands before the end of the head: the first 64 KB hold it
    // nearly always, a longer head is read further.
    QString head;
    for (qsizetype n = 1 << 16;; n *= 4) {
        head = Text1->mid(0, int(std::min<qsizetype>(n, Text1->length())));
        const CharsetDeclaration decl = findCharsetDeclaration(QStringView(head));
        if (decl.found() || decl.searchedTo < head.size() || head.size() >= Text1->length())
            break;
    }
    const std::optional<CharsetRelabel> r = charsetRelabel(head, e);
    if (!r)
        return false;
    const int start = Text1->selStart(), length = Text1->selLength();
    const int delta = int(r->label.size() - r->length);
    Text1->setSelStart(int(r->start));
    Text1->setSelLength(int(r->length));
    Text1->setSelText(r->label);
    const int declEnd = int(r->start + r->length);
    Text1->setSelStart(start >= declEnd ? start + delta : start);
    Text1->setSelLength(length);
    return true;
}

void SourceWindow::setPageEncoding(Encoding e)
{
    const PageFormat before = m_page->format();
    if (e == before.encoding || refusesChange())
        return;
    EditGroup group(*Text1);
    const bool edited = updateCharsetDeclaration(e);
    PageFormat after = before;
    after.encoding = e;
    // UTF-16 is written with its byte order mark (nothing else tells a reader the byte order);
    // UTF-8 without, unless the page had one.
    after.bom = isUtf16(e) || (e == Encoding::Utf8 && before.bom);
    after.strayByte.reset();
    m_page->setFormat(after);
    QTextCursor c(Text1->document());
    if (edited)
        c.joinPreviousEditBlock();
    else
        c.beginEditBlock();
    Text1->document()->appendUndoItem(new FormatStep(this, before, after));
    c.endEditBlock();
    setModified(true);
    writePageCaption();
}

PageText SourceWindow::pagePoint() const
{
    return {Text1->document()->toRawText(), lineEndsOf(Text1->document(), m_page->format().ends)};
}

void SourceWindow::returnToPoint(const PageText& point)
{
    if (m_busy || refusesChange())
        return;
    QTextDocument* doc = Text1->document();
    const QString now = doc->toRawText();
    // The differing middle, found from both ends.
    const qsizetype shorter = std::min(now.size(), point.text.size());
    qsizetype head = 0;
    while (head < shorter && now[head] == point.text[head])
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head &&
           now[now.size() - 1 - tail] == point.text[point.text.size() - 1 - tail])
        ++tail;
    // Never between the halves of a character.
    if (head > 0 && now[head - 1].isHighSurrogate())
        --head;
    if (tail > 0 && now[now.size() - tail].isLowSurrogate())
        --tail;
    const PageFormat before = m_page->format();
    PageFormat after = before;
    after.ends = point.ends;

    EditGroup group(*Text1);
    if (head + tail < std::max(now.size(), point.text.size())) {
        const int from = Text1->toModel(int(head));
        const int to = Text1->toModel(int(now.size() - tail));
        QString middle = point.text.mid(head, point.text.size() - tail - head);
        middle.replace(QChar::ParagraphSeparator, u'\n');
        Text1->replaceAt({from}, to - from, middle);
    }
    QTextCursor c(doc);
    c.joinPreviousEditBlock();
    // Each line's end as it was at the point; the lines of the page's style are unmarked.
    if (before.ends.mixed() || point.ends.mixed()) {
        qsizetype cursor = 0;
        for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
            const LineEnd want = point.ends.endOf(b.blockNumber(), cursor);
            const QVariant has = b.blockFormat().property(kLineEndProperty);
            const QVariant mark = want == point.ends.style ? QVariant() : QVariant(int(want) + 1);
            if (has == mark)
                continue;
            QTextBlockFormat f = b.blockFormat();
            if (mark.isValid())
                f.setProperty(kLineEndProperty, mark);
            else
                f.clearProperty(kLineEndProperty);
            QTextCursor(b).setBlockFormat(f);
        }
    }
    if (before.ends.style != after.ends.style || before.ends.others != after.ends.others ||
        before.ends.finalLineEnd != after.ends.finalLineEnd) {
        m_page->setFormat(after);
        doc->appendUndoItem(new FormatStep(this, before, after));
    }
    c.endEditBlock();
}

void SourceWindow::convertLineEnds(LineEnd e)
{
    if (m_busy)
        return;
    const PageFormat before = m_page->format();
    if (!before.ends.mixed() && before.ends.style == e) {
        showPageFormat();
        return;
    }
    if (refusesChange()) {
        showPageFormat(); // the entry chosen is not the page's
        return;
    }
    QTextDocument* doc = Text1->document();
    QTextCursor c(doc);
    c.beginEditBlock();
    if (before.ends.mixed()) {
        for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
            if (!b.blockFormat().hasProperty(kLineEndProperty))
                continue;
            QTextBlockFormat f = b.blockFormat();
            f.clearProperty(kLineEndProperty);
            QTextCursor(b).setBlockFormat(f);
        }
    }
    PageFormat after = before;
    after.ends.style = e;
    after.ends.others.clear();
    m_page->setFormat(after);
    doc->appendUndoItem(new FormatStep(this, before, after));
    c.endEditBlock();
    setModified(true);
    writePageCaption();
}

void SourceWindow::preview_Click()
{
    if (state.previewTipPending) {
        platform().message(QStringLiteral("Always save before checking preview"),
                           MsgIcon::Information, QStringLiteral("Tip"));
        state.previewTipPending = false;
    }
    // The page's file as it stands (the preview shows what was saved).
    if (links.showPreview && m_page->hasFile())
        links.showPreview(m_page->path());
}

void SourceWindow::helpa_Click()
{
    if (links.showHelp)
        links.showHelp({});
}

void SourceWindow::about_Click()
{
    if (links.showAbout)
        links.showAbout();
}

void SourceWindow::exit_Click()
{
    if (m_busy)
        return;
    if (isModified() &&
        platform().ask(QStringLiteral("Assistant: Orvel - Reminder to save"),
                       QStringLiteral("Are you sure you want to exit without saving?"),
                       MsgAnswer::No) != MsgAnswer::Yes)
        return;
    if (links.endProgram)
        links.endProgram();
}

void SourceWindow::mnuselectall_Click()
{
    Text1->setFocus();
    Text1->setSelStart(0);
    // The whole page, however long (a fixed 65535 would leave the end of a long page out).
    Text1->setSelLength(Text1->length());
}

void SourceWindow::mnucopy_Click()
{
    const QString s = Text1->selText();
    if (s.isEmpty())
        return;
    platform().setClipboardText(s);
    Text1->setFocus();
}

void SourceWindow::mnucut_Click()
{
    const QString s = Text1->selText();
    if (s.isEmpty())
        return;
    platform().setClipboardText(s);
    Text1->setSelText(QString());
    Text1->setFocus();
}

void SourceWindow::mnupaste_Click()
{
    Text1->setSelText(platform().clipboardText());
}

} // namespace orvel
