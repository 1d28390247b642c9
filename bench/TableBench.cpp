// The benchmark table: each figure of the source window beside its baseline, measured in the
// same run on the same generated pages, with the ratio and the target.
//
//   cmake --build build --target bench_table
//   build/bench/bench_table            (all rows; about two minutes, most of it the 100 MB page)
//   build/bench/bench_table --quick    (10 KB and 10 MB only)
//   build/bench/bench_table --paints   (which widgets a typed key repaints, and how much of them)
//   build/bench/bench_table --oneline  (the rows of a page that is one 10 MB line)
//   build/bench/bench_table --codec    (reading legacy encodings only)
//   build/bench/bench_table --composer (the Composer's rows only: File > Open of a 1 MB page
//                                       until rendered, and the switch to the source window)
//
// The Composer's rows need the web engine: as root, run with QTWEBENGINE_DISABLE_SANDBOX=1.
//
// Times are medians of interleaved rounds (the window, then its baseline, then again), so that a
// busy machine slows both sides alike. Memory rows run each side in a child process of its own
// and read its peak resident size (VmHWM).
#include "app/Composition.h"
#include "composer/ComposerWindow.h"
#include "composer/EditControl.h"
#include "dialogs/FindReplace.h"
#include "editor/Find.h"
#include "editor/SourceWindow.h"
#include "editor/StringText.h"
#include "markup/TextCodec.h"
#include "platform/ScriptedPlatform.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QStatusBar>
#include <QSyntaxHighlighter>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

#include <malloc.h>
#include <unicode/ucnv.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace orvel;

namespace {

constexpr qsizetype kKB = 1024;
constexpr qsizetype kMB = 1024 * 1024;

// A hand-written page of about `bytes` characters: tags, attributes, entities, comments, a
// script and a style block, CR LF line ends.
QString pageOf(qsizetype bytes)
{
    const QString head = QStringLiteral(
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">\r\n<HTML>\r\n<HEAD>\r\n"
        "\t<TITLE>My web page!</TITLE>\r\n<style>\r\np { color: navy; margin: 0 }\r\n</style>\r\n"
        "<script>\r\nfunction go(x) { return \"page\" + x; } // jump\r\n</script>\r\n</HEAD>\r\n"
        "<body  text=\"black\" bgcolor=\"white\">\r\n");
    const QString lines[] = {
        QStringLiteral("<p class=\"note\">Some <b>paragraph</b> text &amp; a "
                       "<a href=\"page.html\">link</a>.</p>\r\n"),
        QStringLiteral("<!-- a comment about the next table row -->\r\n"),
        QStringLiteral("<TR><TD align=\"left\">cell</TD><TD>&nbsp;</TD></TR>\r\n"),
        QStringLiteral("<IMG SRC=\"pic.gif\" ALT=\"A picture\" WIDTH=\"40\" HEIGHT=\"30\">\r\n"),
    };
    QString page = head;
    page.reserve(bytes + 200);
    for (int i = 0; page.size() < bytes; ++i)
        page += lines[i % 4];
    page += QStringLiteral("</BODY>\r\n</HTML>\r\n");
    return page;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

double msOf(const std::function<void()>& f)
{
    QElapsedTimer t;
    t.start();
    f();
    return double(t.nsecsElapsed()) / 1e6;
}

struct Row {
    QString what, page, unit;
    double orvel = 0, base = 0, target = 0;
};
std::vector<Row> g_rows;

void print(const Row& r)
{
    const double ratio = r.base > 0 ? r.orvel / r.base : 0;
    std::printf("| %s | %s | %.3f %s | %.3f %s | %.2fx | <= %.1fx | %s |\n", qPrintable(r.what),
                qPrintable(r.page), r.orvel, qPrintable(r.unit), r.base, qPrintable(r.unit), ratio,
                r.target, ratio <= r.target ? "met" : "MISSED");
    std::fflush(stdout);
}

QString sizeName(qsizetype bytes)
{
    return bytes >= kMB ? QStringLiteral("%1 MB").arg(bytes / kMB)
                        : QStringLiteral("%1 KB").arg(bytes / kKB);
}

// A composed window on the scripted platform.
struct Window {
    ScriptedPlatform ui;
    SourceWindowParts parts;
    Window()
    {
        setPlatform(&ui);
        parts = buildSourceWindow();
        parts.window->show();
        settle();
    }
    ~Window()
    {
        parts.window.reset();
        setPlatform(nullptr);
    }
    SourceWindow& w() { return *parts.window; }
};

// The bare widget, the size of the page box.
struct Bare {
    QPlainTextEdit box;
    explicit Bare(QSize size)
    {
        box.resize(size);
        box.show();
        settle();
    }
};

constexpr int kKeysPerRound = 200;

// What a plain editor that colours HTML does at the least: one colour for every tag, a tag that
// runs on over a line end carried to the next line.
class TagColours : public QSyntaxHighlighter {
public:
    explicit TagColours(QTextDocument* doc) : QSyntaxHighlighter(doc)
    {
        m_tag.setForeground(Qt::blue);
    }

protected:
    void highlightBlock(const QString& text) override
    {
        qsizetype open = previousBlockState() == 1 ? 0 : text.indexOf(u'<');
        while (open >= 0) {
            const qsizetype close = text.indexOf(u'>', open);
            if (close < 0) {
                setFormat(int(open), int(text.size() - open), m_tag);
                setCurrentBlockState(1);
                return;
            }
            setFormat(int(open), int(close + 1 - open), m_tag);
            open = text.indexOf(u'<', close);
        }
        setCurrentBlockState(0);
    }

private:
    QTextCharFormat m_tag;
};

// A key typed in the middle of `box` and taken back, `keys` times; milliseconds a key.
double typeInto(QPlainTextEdit* box, int keys)
{
    return msOf([box, keys] {
               for (int i = 0; i < keys / 2; ++i) {
                   QTest::keyClick(box, Qt::Key_X);
                   QCoreApplication::processEvents();
                   QTest::keyClick(box, Qt::Key_Backspace);
                   QCoreApplication::processEvents();
               }
           }) /
           keys;
}

void putCaret(QPlainTextEdit& box, int at)
{
    QTextCursor c = box.textCursor();
    c.setPosition(at);
    box.setTextCursor(c);
}

void typingRow(qsizetype bytes)
{
    const QString page = pageOf(bytes);
    Window win;
    win.w().Text1->setText(page);
    win.w().Text1->setSelStart(int(page.size() / 2));
    win.w().Text1->setFocus();
    Bare bare(win.w().Text1->size());
    bare.box.setPlainText(page);
    putCaret(bare.box, int(page.size() / 2));
    Bare coloured(win.w().Text1->size());
    new TagColours(coloured.box.document());
    coloured.box.setPlainText(page);
    putCaret(coloured.box, int(page.size() / 2));
    settle();

    std::vector<double> o, b, c;
    for (int round = 0; round < 7; ++round) {
        win.w().activateWindow();
        o.push_back(typeInto(win.w().Text1, kKeysPerRound));
        bare.box.activateWindow();
        b.push_back(typeInto(&bare.box, kKeysPerRound));
        coloured.box.activateWindow();
        c.push_back(typeInto(&coloured.box, kKeysPerRound));
    }
    for (Row r : {Row{QStringLiteral("typed character + paint"), sizeName(bytes),
                      QStringLiteral("ms"), median(o), median(b), 1.3},
                  Row{QStringLiteral("typed character + paint, against a bare widget colouring "
                                     "tags"),
                      sizeName(bytes), QStringLiteral("ms"), median(o), median(c), 1.3}}) {
        print(r);
        g_rows.push_back(r);
    }
}

void openSaveRows(qsizetype bytes, int rounds, const QString& dir)
{
    const QString path = dir + QStringLiteral("/page%1.html").arg(bytes);
    const QString page = pageOf(bytes);
    const QByteArray utf8 = page.toUtf8();
    {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(utf8);
    }
    std::vector<double> openO, openB, saveO, saveB, saveBare;
    for (int round = 0; round < rounds; ++round) {
        {
            Window win;
            win.ui.answerFile(path);
            openO.push_back(msOf([&] {
                win.w().menuAction(QStringLiteral("open"))->trigger();
                settle();
            }));
            saveO.push_back(msOf([&] { win.w().menuAction(QStringLiteral("save"))->trigger(); }));
        }
        {
            Bare bare(QSize(990, 300));
            openB.push_back(msOf([&] {
                QFile f(path);
                f.open(QIODevice::ReadOnly);
                bare.box.setPlainText(QString::fromUtf8(f.readAll()));
                settle();
            }));
            saveB.push_back(msOf([&] {
                QSaveFile f(dir + QStringLiteral("/saved.html"));
                f.open(QIODevice::WriteOnly);
                f.write(utf8);
                f.commit();
            }));
            // What a bare Qt editor does on Save: the widget's text, as UTF-8, through QSaveFile.
            saveBare.push_back(msOf([&] {
                QSaveFile f(dir + QStringLiteral("/saved.html"));
                f.open(QIODevice::WriteOnly);
                f.write(bare.box.toPlainText().toUtf8());
                f.commit();
            }));
        }
    }
    for (Row r :
         {Row{QStringLiteral("File > Open until shown"), sizeName(bytes), QStringLiteral("ms"),
              median(openO), median(openB), 1.3},
          Row{QStringLiteral("File > Save"), sizeName(bytes), QStringLiteral("ms"), median(saveO),
              median(saveB), 1.5},
          Row{QStringLiteral("File > Save, against a bare Qt editor's save"), sizeName(bytes),
              QStringLiteral("ms"), median(saveO), median(saveBare), 1.3}}) {
        print(r);
        g_rows.push_back(r);
    }
}

// Replace All and Find Next on a 10 MB page. Replace All is the command on the page box (the
// dialog's button), against a bare widget doing what a plain editor does: find each match in the
// document and replace it through a cursor, in one edit block. Find Next goes to the only match,
// at the page's end, against QString::indexOf.
void serviceRows()
{
    const QString cat = QStringLiteral("cat");
    const QString kitten = QStringLiteral("kitten");
    const QString filler = QStringLiteral("<p>The quick brown fox jumps over the lazy dog &amp; ") +
                           QStringLiteral("then rests a little while</p>\r\n");
    QString page;
    page.reserve(10 * kMB + 200);
    for (int line = 0; page.size() < 10 * kMB; ++line)
        page += (line < 100000 ? cat : QString()) + filler;
    std::vector<double> o, b;
    {
        Window win;
        win.w().Text1->setText(page);
        win.w().menuAction(QStringLiteral("mnuReplace"))->trigger();
        auto* d = win.w().findChild<FindReplaceDialog*>();
        d->txtfind->setEditText(cat);
        d->txtReplace->setEditText(kitten);
        d->casematch->setChecked(true);
        Bare bare(win.w().Text1->size());
        bare.box.setPlainText(page);
        settle();
        for (int round = 0; round < 5; ++round) {
            o.push_back(msOf([&] {
                d->btnReplaceAll->click();
                settle();
            }));
            win.w().Text1->undo();
            b.push_back(msOf([&] {
                QTextDocument* doc = bare.box.document();
                QTextCursor edit(doc);
                edit.beginEditBlock();
                for (QTextCursor c = doc->find(cat, 0, QTextDocument::FindCaseSensitively);
                     !c.isNull(); c = doc->find(cat, c, QTextDocument::FindCaseSensitively))
                    c.insertText(kitten);
                edit.endEditBlock();
                settle();
            }));
            bare.box.undo();
        }
    }
    Row r{QStringLiteral("Replace All, 100000 matches"),
          sizeName(10 * kMB),
          QStringLiteral("ms"),
          median(o),
          median(b),
          1.3};
    print(r);
    g_rows.push_back(r);

    const QString needle = QStringLiteral("needle in the haystack");
    const QString once = QString(page).replace(cat, QStringLiteral("dog")) + needle;
    const StringText text(once);
    o.clear();
    b.clear();
    for (int round = 0; round < 7; ++round) {
        o.push_back(msOf([&] { findForward(text, needle, 0, Qt::CaseSensitive); }));
        b.push_back(msOf([&] { (void)once.indexOf(needle, 0, Qt::CaseSensitive); }));
    }
    Row f{QStringLiteral("Find Next to the page's end"),
          sizeName(10 * kMB),
          QStringLiteral("ms"),
          median(o),
          median(b),
          2.0};
    print(f);
    g_rows.push_back(f);
}

// Reading a 10 MB page in a legacy encoding, declared in its head: detecting the encoding and
// decoding it (stand-ins and all), against ICU's plain conversion of the same bytes into a string.
// Each side's best of 31 interleaved rounds, in a process of its own (codecRowsApart): both are a
// few milliseconds of work on 20 MB of memory, and scheduling on a shared machine swings a median
// more than the work.
void codecRows()
{
    const struct {
        Encoding encoding;
        QString words;
    } pages[] = {
        {Encoding::Windows1251,
         QStringLiteral("\u041f\u0440\u0438\u0432\u0435\u0442, \u043c\u0438\u0440! "
                        "\u042d\u0442\u043e \u0441\u0442\u0440\u0430\u043d\u0438\u0446\u0430")},
        {Encoding::ShiftJis,
         QStringLiteral("\u65e5\u672c\u8a9e\u306e\u30da\u30fc\u30b8\u3067\u3059\u3002"
                        "\u6f22\u5b57\u3068\u304b\u306a")},
    };
    for (const auto& p : pages) {
        const QString head = QStringLiteral("<!DOCTYPE html>\r\n<html><head><meta charset=\"") +
                             QString::fromLatin1(encodingInfo(p.encoding).label) +
                             QStringLiteral("\"><title>") + p.words +
                             QStringLiteral("</title></head>\r\n<body>\r\n");
        const QString line = QStringLiteral("<p class=\"note\">") + p.words +
                             QStringLiteral(" <a href=\"page.html\">") + p.words +
                             QStringLiteral("</a>.</p>\r\n");
        const qsizetype lineBytes = encodeText(line, {p.encoding}, {}).bytes.size();
        QString page = head;
        page.reserve(10 * kMB);
        for (qsizetype n = 0; n < 10 * kMB / lineBytes; ++n)
            page += line;
        const QByteArray bytes = encodeText(page, {p.encoding}, scanLineEnds(page)).bytes;
        const char* icuName =
            p.encoding == Encoding::ShiftJis ? "ibm-943_P15A-2003" : "ibm-5347_P100-1998";
        // Once, outside the rounds: the tables are built at first use.
        (void)decodeText(bytes, p.encoding);
        qsizetype units = 0;
        std::vector<double> o, b;
        for (int round = 0; round < 31; ++round) {
            o.push_back(msOf([&] {
                const Detection d = detectEncoding(bytes);
                units =
                    decodeText(QByteArrayView(bytes).sliced(d.bomLength), d.encoding).text.size();
            }));
            b.push_back(msOf([&] {
                UErrorCode err = U_ZERO_ERROR;
                UConverter* c = ucnv_open(icuName, &err);
                QString text(bytes.size(), Qt::Uninitialized);
                UChar* t = reinterpret_cast<UChar*>(text.data());
                const char* src = bytes.constData();
                ucnv_toUnicode(c, &t, t + text.size(), &src, src + bytes.size(), nullptr, true,
                               &err);
                text.truncate(t - reinterpret_cast<UChar*>(text.data()));
                ucnv_close(c);
            }));
        }
        if (units != page.size())
            std::printf("(the %s page did not read back whole)\n", encodingInfo(p.encoding).name);
        Row r{QStringLiteral("Detect + decode, %1").arg(encodingName(p.encoding)),
              sizeName(bytes.size() / kMB * kMB),
              QStringLiteral("ms"),
              *std::min_element(o.begin(), o.end()),
              *std::min_element(b.begin(), b.end()),
              1.3};
        print(r);
        g_rows.push_back(r);
    }
}

// The legacy-encoding rows in a child whose allocator keeps the memory given back: each side's
// 20 MB then comes from the block the other just freed. Otherwise which side got fresh pages, and
// paid for their faults, depended on the heap's history.
void codecRowsApart()
{
    QProcess p;
    p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--codec-child")});
    p.waitForFinished(-1);
    std::printf("%s", p.readAllStandardOutput().constData());
    std::fflush(stdout);
}

// A page that is one 10 MB line, as minified pages are: File > Open until shown and a typed key,
// against the bare widget, and the longest the window stood still during the open without its
// progress bar on screen (against the one second a user waits without one).
void oneLineRows(const QString& dir)
{
    QString page = pageOf(10 * kMB);
    page.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    const QString path = dir + QStringLiteral("/oneline.html");
    {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(page.toUtf8());
    }
    constexpr int kRounds = 3;
    std::vector<double> openO, openB, keyO, keyB, still;
    for (int round = 0; round < kRounds; ++round) {
        {
            Window win;
            win.ui.answerFile(path);
            QElapsedTimer clock;
            clock.start();
            qint64 last = 0;
            bool barBefore = false;
            double longest = 0;
            QTimer tick;
            tick.setInterval(0); // every turn of the event loop
            QObject::connect(&tick, &QTimer::timeout, [&] {
                const auto* bar =
                    win.w().statusBar()->findChild<QProgressBar*>(QStringLiteral("pageprogress"));
                const bool shown = bar && bar->isVisible();
                if (!barBefore) // what the screen showed while the window stood still
                    longest = std::max(longest, double(clock.elapsed() - last));
                last = clock.elapsed();
                barBefore = shown;
            });
            tick.start();
            openO.push_back(msOf([&] {
                win.w().menuAction(QStringLiteral("open"))->trigger();
                settle();
            }));
            tick.stop();
            still.push_back(std::max(longest, double(clock.elapsed() - last)));
            win.w().Text1->setFocus();
            win.w().Text1->setSelStart(int(page.size() / 2));
            settle();
            keyO.push_back(typeInto(win.w().Text1, 2));
        }
        {
            Bare bare(QSize(990, 300));
            openB.push_back(msOf([&] {
                QFile f(path);
                f.open(QIODevice::ReadOnly);
                bare.box.setPlainText(QString::fromUtf8(f.readAll()));
                settle();
            }));
            putCaret(bare.box, int(page.size() / 2));
            settle();
            keyB.push_back(typeInto(&bare.box, 2));
        }
    }
    const QString name = QStringLiteral("10 MB, one line");
    for (Row r : {Row{QStringLiteral("File > Open until shown"), name, QStringLiteral("ms"),
                      median(openO), median(openB), 1.3},
                  Row{QStringLiteral("typed character + paint"), name, QStringLiteral("ms"),
                      median(keyO), median(keyB), 1.3},
                  Row{QStringLiteral("longest stand-still of File > Open without the progress bar, "
                                     "against one second"),
                      name, QStringLiteral("ms"), median(still), 1000, 1.0}}) {
        print(r);
        g_rows.push_back(r);
    }
}

// A page as people write them for the Composer: headings, paragraphs with links, tables and
// lists under a small style block, UTF-8 with CR LF line ends, of about `bytes` bytes. No script:
// the Composer never runs a page's scripts, and the bare view would.
QByteArray composerPageOf(qsizetype bytes)
{
    QByteArray page = QByteArrayLiteral(
        "<!DOCTYPE html>\r\n<html lang=\"en\">\r\n<head>\r\n<meta charset=\"utf-8\">\r\n"
        "<title>Notes from the garden</title>\r\n<style>\r\n"
        "body { font-family: sans-serif; margin: 2em }\r\n"
        "table { border-collapse: collapse; margin: 1em 0 }\r\n"
        "th, td { border: 1px solid #999; padding: 2px 6px }\r\n"
        "</style>\r\n</head>\r\n<body>\r\n");
    page.reserve(bytes + 2048);
    for (int n = 1; page.size() < bytes; ++n) {
        const QByteArray i = QByteArray::number(n);
        page += "<h2 id=\"s" + i + "\">Section " + i + ": the caf\xC3\xA9 beds</h2>\r\n";
        for (int p = 0; p < 3; ++p)
            page += "<p>Some <b>paragraph</b> text &amp; a <a href=\"page" + i +
                    ".html\">link</a> to the next page, with <i>a few words</i> more to fill a "
                    "line or two of the window.</p>\r\n";
        page += "<table>\r\n<tr><th>Plant</th><th>Rows</th><th>Note</th></tr>\r\n";
        for (int r = 0; r < 5; ++r)
            page += "<tr><td>Tomato</td><td align=\"right\">" + QByteArray::number(r + n) +
                    "</td><td><a href=\"#s" + i + "\">back to the top</a></td></tr>\r\n";
        page += "</table>\r\n<ul>\r\n<li>Water in the morning</li>\r\n<li>Weed on "
                "<em>Fridays</em></li>\r\n</ul>\r\n";
    }
    page += "</body>\r\n</html>\r\n";
    return page;
}

// Runs the event loop until `done` holds (or a minute passes, the engine rendering in software).
bool waitUntil(const std::function<bool()>& done)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > 60000)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// Waits until the page has been put on screen: two animation frames asked for in a script world of
// the bench's own (the second frame is only asked for once the first has been produced), then the
// flag they set asked for until it is set. The same for both sides; the Composer's page runs no
// scripts of its own, but its script worlds do.
bool waitFrame(QWebEnginePage* page)
{
    constexpr quint32 kWorld = QWebEngineScript::ApplicationWorld + 7;
    struct State {
        bool done = false;
    };
    auto state = std::make_shared<State>();
    page->runJavaScript(QStringLiteral("window.benchFrame = false; requestAnimationFrame(() => "
                                       "requestAnimationFrame(() => { window.benchFrame = true; "
                                       "})); true"),
                        kWorld);
    auto ask = std::make_shared<std::function<void()>>();
    *ask = [page, state, weak = std::weak_ptr(ask)] {
        page->runJavaScript(QStringLiteral("window.benchFrame === true"), kWorld,
                            [state, weak](const QVariant& v) {
                                if (v.toBool())
                                    state->done = true;
                                else if (auto again = weak.lock())
                                    (*again)();
                            });
    };
    (*ask)();
    return waitUntil([&] { return state->done; });
}

// Waits for the control's own load (the page shown and marked, the caret placed), if one is on.
bool waitLoaded(EditControl* c)
{
    return waitUntil([c] { return !c->isLoading(); });
}

// Runs `command`, then waits for the load of the control it starts to end (the control's `loaded`:
// the page shown, marked and given its caret) and for the page to be put on screen after it.
bool untilRendered(EditControl* area, const std::function<void()>& command)
{
    bool loaded = false;
    const auto c = QObject::connect(area, &EditControl::loaded, [&loaded] { loaded = true; });
    command();
    // A command that shows the page as it stands starts no load.
    const bool ok = !area->isLoading() || waitUntil([&loaded] { return loaded; });
    QObject::disconnect(c);
    return ok && waitFrame(area->page());
}

// The whole program on the scripted platform, the Composer shown with its new page.
struct Composer {
    ScriptedPlatform ui;
    std::unique_ptr<Program> program;
    Composer()
    {
        setPlatform(&ui);
        program = buildProgram();
        c().show();
        waitLoaded(c().area);
        waitLoaded(c().assister);
        waitFrame(c().area->page());
    }
    ~Composer()
    {
        program.reset();
        setPlatform(nullptr);
    }
    ComposerWindow& c() { return *program->composer; }
};

// A bare web view the size of the Composer's page, showing a small page from the same folder.
struct BareView {
    QWebEngineView view;
    BareView(QSize size, const QString& warm)
    {
        view.resize(size);
        view.show();
        load(warm);
    }
    bool load(const QString& path)
    {
        bool finished = false;
        const auto c = QObject::connect(&view, &QWebEngineView::loadFinished,
                                        [&finished] { finished = true; });
        view.load(QUrl::fromLocalFile(path));
        const bool ok = waitUntil([&finished] { return finished; }) && waitFrame(view.page());
        QObject::disconnect(c);
        return ok;
    }
};

// The Composer on a 1 MB page. File > Open (the path answered in the file box) until the page is
// rendered, against a bare QWebEngineView loading the same file until the same frame; then the
// switch to the source window (File > HTML Source Code, the page shown there) and back (its
// Composer command, the page rendered again), the first time (the source window built on the
// way) and again, against the 300 ms a switch may take.
void composerRows(qsizetype bytes, int rounds, const QString& dir)
{
    const QString path = dir + QStringLiteral("/composer%1.html").arg(bytes);
    const QString warm = dir + QStringLiteral("/composer-new.html");
    for (const auto& [file, bytesOf] : {std::pair{path, composerPageOf(bytes)},
                                        std::pair{warm, EditControl::kNewPage.toUtf8()}}) {
        QFile f(file);
        f.open(QIODevice::WriteOnly);
        f.write(bytesOf);
    }
    std::vector<double> openO, openB, first, again, edited, toSource, back;
    for (int round = 0; round < rounds; ++round) {
        QSize size;
        {
            Composer comp;
            ComposerWindow& c = comp.c();
            size = c.area->size();
            comp.ui.answerFile(path);
            bool rendered = false;
            openO.push_back(msOf([&] {
                rendered =
                    untilRendered(c.area, [&] { c.menuAction(QStringLiteral("open"))->trigger(); });
            }));
            if (!rendered || c.page().path() != path)
                std::fprintf(stderr, "(the Composer did not open the page)\n");
            for (auto* times : {&first, &again, &edited}) {
                QElapsedTimer t;
                t.start();
                c.menuAction(QStringLiteral("mnuhtml"))->trigger();
                settle();
                const double there = double(t.nsecsElapsed()) / 1e6;
                SourceWindow* w = comp.program->sourceWindow(false);
                if (!w || !w->isVisible() || w->Text1->document()->characterCount() < bytes / 2)
                    std::fprintf(stderr, "(the source window did not show the page)\n");
                // A word typed at the page's end: the way back saves it and shows the page anew.
                if (w && times == &edited) {
                    w->Text1->setSelStart(w->Text1->length());
                    w->Text1->setSelText(QStringLiteral("<!-- -->"));
                }
                rendered = untilRendered(c.area, [w] {
                    if (w)
                        w->menuAction(QStringLiteral("mnucomposer"))->trigger();
                });
                times->push_back(double(t.nsecsElapsed()) / 1e6);
                toSource.push_back(there);
                back.push_back(times->back() - there);
                if (!rendered || !c.isVisible() || (w && w->isVisible()))
                    std::fprintf(stderr, "(the Composer did not come back)\n");
            }
        }
        {
            BareView bare(size, warm);
            bool rendered = false;
            openB.push_back(msOf([&] { rendered = bare.load(path); }));
            if (!rendered)
                std::fprintf(stderr, "(the bare view did not render the page)\n");
        }
    }
    std::fprintf(stderr, "(the switches, medians: to the source window %.1f ms, back %.1f ms)\n",
                 median(toSource), median(back));
    const QString name = sizeName(bytes);
    for (Row r : {Row{QStringLiteral("Composer: File > Open until rendered"), name,
                      QStringLiteral("ms"), median(openO), median(openB), 1.3},
                  Row{QStringLiteral("Composer: switch to the source window and back, the first "
                                     "time (the source window built), against 300 ms"),
                      name, QStringLiteral("ms"), median(first), 300, 1.0},
                  Row{QStringLiteral("Composer: switch to the source window and back, again, "
                                     "against 300 ms"),
                      name, QStringLiteral("ms"), median(again), 300, 1.0},
                  Row{QStringLiteral("Composer: switch to the source window, an edit there, and "
                                     "back (saved and shown anew), against 300 ms"),
                      name, QStringLiteral("ms"), median(edited), 300, 1.0}}) {
        print(r);
        g_rows.push_back(r);
    }
}

double childPeakMB(const QString& side, const QString& path)
{
    QProcess p;
    p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), side, path});
    p.waitForFinished(-1);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed().toDouble() / 1024.0;
}

void memoryRow(qsizetype bytes, const QString& dir)
{
    const QString path = dir + QStringLiteral("/page%1.html").arg(bytes);
    Row r{QStringLiteral("peak memory after opening"),
          sizeName(bytes),
          QStringLiteral("MB"),
          childPeakMB(QStringLiteral("orvel"), path),
          childPeakMB(QStringLiteral("bare"), path),
          1.2};
    print(r);
    g_rows.push_back(r);
}

long peakKB()
{
    QFile f(QStringLiteral("/proc/self/status"));
    f.open(QIODevice::ReadOnly);
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

// One side of a memory row: opens the page, shows it, and prints the peak.
int child(const QString& side, const QString& path)
{
    if (side == QStringLiteral("orvel")) {
        Window win;
        win.ui.answerFile(path);
        win.w().menuAction(QStringLiteral("open"))->trigger();
        settle();
        std::printf("%ld\n", peakKB());
    } else {
        Bare bare(QSize(990, 300));
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        bare.box.setPlainText(QString::fromUtf8(f.readAll()));
        settle();
        std::printf("%ld\n", peakKB());
    }
    return 0;
}

// Which widgets paint while typing, and how often: where a typed key's time goes.
struct PaintCounter : QObject {
    QMap<QString, int> counts;
    QMap<QString, long> areas;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) {
            const QRect r = static_cast<QPaintEvent*>(e)->rect();
            const QString name =
                QString::fromUtf8(o->metaObject()->className()) + u' ' + o->objectName();
            ++counts[name];
            areas[name] += r.width() * r.height();
        }
        return false;
    }
};

int paints()
{
    Window win;
    win.w().Text1->setText(pageOf(10 * kKB));
    win.w().Text1->setSelStart(2000);
    settle();
    PaintCounter counter;
    qApp->installEventFilter(&counter);
    for (int i = 0; i < 10; ++i) {
        QTest::keyClick(win.w().Text1, i % 2 ? Qt::Key_Backspace : Qt::Key_X);
        QCoreApplication::processEvents();
    }
    qApp->removeEventFilter(&counter);
    std::printf("paints  mean area  widget\n");
    for (auto it = counter.counts.begin(); it != counter.counts.end(); ++it)
        std::printf("%6d %10ld  %s\n", it.value(), counter.areas[it.key()] / it.value(),
                    qPrintable(it.key()));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The Composer's web views share the GL context set up before the application object, and
    // show their pages under a scheme the engine must know before it starts.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    EditControl::registerPageScheme();
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == QStringLiteral("--child"))
        return child(args[2], args[3]);
    if (args.size() == 2 && args[1] == QStringLiteral("--codec-child")) {
        mallopt(M_MMAP_THRESHOLD, 256 << 20);
        mallopt(M_TRIM_THRESHOLD, 512 << 20);
        codecRows();
        return 0;
    }
    if (args.contains(QStringLiteral("--paints")))
        return paints();
    const bool quick = args.contains(QStringLiteral("--quick"));
    const bool codecOnly = args.contains(QStringLiteral("--codec"));
    const bool oneLineOnly = args.contains(QStringLiteral("--oneline"));
    const bool openSaveOnly = args.contains(QStringLiteral("--opensave"));
    const bool composerOnly = args.contains(QStringLiteral("--composer"));

    QTemporaryDir dir;
    std::printf("| Measure | Page | Orvel | Baseline | Ratio | Target | |\n"
                "|---|---|---|---|---|---|---|\n");
    if (oneLineOnly) {
        oneLineRows(dir.path());
        return 0;
    }
    if (composerOnly) {
        composerRows(kMB, 5, dir.path());
        return 0;
    }
    if (openSaveOnly) {
        openSaveRows(10 * kMB, 5, dir.path());
        return 0;
    }
    codecRowsApart();
    if (codecOnly)
        return 0;
    typingRow(10 * kKB);
    typingRow(10 * kMB);
    openSaveRows(10 * kMB, 5, dir.path());
    serviceRows();
    oneLineRows(dir.path());
    if (!quick)
        openSaveRows(100 * kMB, 2, dir.path());
    memoryRow(10 * kMB, dir.path());
    if (!quick)
        memoryRow(100 * kMB, dir.path());
    // Last: the web engine's processes stay on once started.
    composerRows(kMB, quick ? 3 : 5, dir.path());
    return 0;
}
