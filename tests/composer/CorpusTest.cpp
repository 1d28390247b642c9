#include "composer/ComposerTest.h"
#include "markup/LineEnds.h"
#include "markup/PageSource.h"
#include "markup/TextCodec.h"
#include "page/PageFile.h"

#include <QDir>
#include <QTest>
#include <algorithm>
#include <array>
#include <map>

namespace orvel::test {

namespace {

// Lines of `a` (0-based, [first, last)) that `b` replaces, found from the lines both share at
// their start and at their end; `lines` counts the longer side, `bytes` likewise the bytes between
// the shared start and end.
struct Change {
    qsizetype first = 0;
    qsizetype last = 0;
    qsizetype lines = 0;
    qsizetype bytes = 0;
};

QList<QByteArray> linesOf(const QByteArray& text)
{
    QList<QByteArray> out;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) {
            out.append(text.mid(start, i + 1 - start));
            start = i + 1;
        }
    }
    if (start < text.size())
        out.append(text.mid(start));
    return out;
}

Change compare(const QByteArray& a, const QByteArray& b)
{
    const QList<QByteArray> x = linesOf(a), y = linesOf(b);
    qsizetype p = 0, s = 0;
    while (p < x.size() && p < y.size() && x[p] == y[p])
        ++p;
    while (s < x.size() - p && s < y.size() - p && x[x.size() - 1 - s] == y[y.size() - 1 - s])
        ++s;
    qsizetype bp = 0, bs = 0;
    while (bp < a.size() && bp < b.size() && a[bp] == b[bp])
        ++bp;
    while (bs < a.size() - bp && bs < b.size() - bp && a[a.size() - 1 - bs] == b[b.size() - 1 - bs])
        ++bs;
    return {p, x.size() - s, std::max(x.size() - s - p, y.size() - s - p),
            std::max(a.size() - bp - bs, b.size() - bp - bs)};
}

// The element a script names by tag and place among the elements of that tag, in the page read
// by the same rules as the browser's.
const PageNode* nthElement(const PageNode& n, const QString& tag, int& left)
{
    if (n.isElement() && n.name == tag && left-- == 0)
        return &n;
    for (const PageNode& k : n.children) {
        if (const PageNode* f = nthElement(k, tag, left))
            return f;
    }
    return nullptr;
}

// Picks the texts to edit (two words or more, outside scripts, links and preformatted blocks) and
// answers with the block around a text, as "tag index".
const char* const kTargets = R"JS(
(() => {
  const words = /[A-Za-z\u00C0-\u024F\u0370-\u03FF]{3,}/g;
  window.__texts = [];
  const walk = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
  for (let t; (t = walk.nextNode());) {
    if (t.parentElement.closest('script,style,textarea,pre,select,svg,noscript,title,a,button')) continue;
    if ((t.data.match(words) || []).length >= 2) window.__texts.push(t);
  }
  window.__scope = (e) => e.localName + ' ' + Array.from(document.getElementsByTagName(e.localName)).indexOf(e);
  window.__block = (t) => t.parentElement.closest('p,li,td,th,h1,h2,h3,h4,h5,h6,dd,dt,div,figcaption,caption,legend,body');
  window.__word = (t, n) => { words.lastIndex = 0; let m; for (let i = 0; i <= n; ++i) m = words.exec(t.data); return [m.index, m.index + m[0].length]; };
  return window.__texts.length;
})()
)JS";

// One edit's changed lines and bytes, saved by the splice and re-serialized by the browser.
using Sample = std::array<qsizetype, 4>;

std::map<QString, std::vector<Sample>>& samples()
{
    static std::map<QString, std::vector<Sample>> s;
    return s;
}

QStringList& fallbacksSeen()
{
    static QStringList f;
    return f;
}

} // namespace

// Every page of the corpus, each edit made afresh on it through the editing control as a user
// makes it; the saved page differs from the file only in the lines of the edited element, and
// loads back as the document that was saved.
class CorpusTest : public PlatformTest, public ::testing::WithParamInterface<QString> {
protected:
    void SetUp() override
    {
        PlatformTest::SetUp();
        area = std::make_unique<EditControl>();
        area->resize(800, 600);
        area->show();
        ASSERT_TRUE(waitLoaded(area.get()));
        original = fileBytes(QStringLiteral(ORVEL_CORPUS_DIR "/") + GetParam());
        ASSERT_FALSE(original.isEmpty());
    }

    static void TearDownTestSuite() { report(); }

    // As File > Open shows a page: read through the page file, then shown.
    bool show()
    {
        read = readPage(path);
        if (!read.ok)
            return false;
        area->showPage(read.text, path);
        return waitLoaded(area.get());
    }
    bool load()
    {
        return writeFile(path, original) && show() && js(QString::fromLatin1(kTargets)).toInt() > 0;
    }
    // As File > Save writes an edited page.
    bool save()
    {
        const QString text = area->pageText(read.format.ends.style);
        PageFormat format = read.format;
        format.ends = scanLineEnds(text, format.ends.style);
        if (text.isEmpty() || !writePage(path, text, format).ok)
            return false;
        area->markSaved(text);
        return true;
    }
    QVariant js(const QString& script) { return area->evaluate(script); }
    QString scope(const QString& node) { return js(node).toString(); }

    // Puts the caret at `offset` of the chosen text the way the keys would: one character before,
    // then the right arrow key (the engine takes typed characters only after a caret move).
    void caretAt(int text, int offset)
    {
        js(QStringLiteral("(() => { const t = __texts[%1]; "
                          "getSelection().setBaseAndExtent(t, %2, t, %2); })()")
               .arg(text)
               .arg(offset - 1));
        area->setFocus();
        QTest::keyClick(area->focusProxy(), Qt::Key_Right);
    }
    QList<int> word(int text, int n)
    {
        const QVariantList w =
            js(QStringLiteral("__word(__texts[%1], %2)").arg(text).arg(n)).toList();
        return {w.value(0).toInt(), w.value(1).toInt()};
    }
    int texts() { return js(QStringLiteral("__texts.length")).toInt(); }
    // The block around the chosen text, as an edit's scope.
    QStringList blockOf(int text)
    {
        return {scope(QStringLiteral("__scope(__block(__texts[%1]))").arg(text))};
    }

    // Runs one edit on a fresh copy of the page and checks its save.
    void edit(const QString& kind, const std::function<QStringList()>& run)
    {
        SCOPED_TRACE(kind.toStdString());
        ASSERT_TRUE(load());
        const QStringList scopes = run();
        if (scopes.isEmpty())
            return; // the page has nothing this edit works on
        QTest::qWait(50);
        ASSERT_TRUE(area->isEdited());
        PageNode before;
        const QString beforeJson = js(QStringLiteral("orvel.tree(true)")).toString();
        ASSERT_TRUE(readPageTree(beforeJson, before));
        const QString plain = area->documentHtml();
        ASSERT_TRUE(save());
        const QByteArray saved = fileBytes(path);
        for (const QString& r : area->spliceStats().reasons)
            fallbacksSeen() << GetParam() + QStringLiteral(" (") + kind + QStringLiteral("): ") + r;

        // Only the lines of the edited elements changed.
        const Detection found = detectEncoding(original);
        const PageSource source(
            decodeText(QByteArrayView(original).sliced(found.bomLength), found.encoding).text);
        qsizetype from = -1, to = -1;
        for (const QString& s : scopes) {
            int index = s.section(u' ', 1).toInt();
            const PageNode* e = nthElement(source.tree(), s.section(u' ', 0, 0), index);
            ASSERT_TRUE(e && e->extent.valid()) << s.toStdString();
            const qsizetype a = lineColumnAt(source.text(), e->extent.start).line;
            const qsizetype b = lineColumnAt(source.text(), e->extent.end - 1).line;
            from = from < 0 ? a : std::min(from, a);
            to = std::max(to, b);
        }
        const Change c = compare(original, saved);
        EXPECT_GE(c.first, from) << saved.toStdString();
        EXPECT_LE(c.last, to + 1) << saved.toStdString();

        // Plain serialization, for the table: the browser's markup in the file's line ends.
        const LineEnds ends = scanLineEnds(source.text());
        const QString eol = ends.style == LineEnd::Lf   ? QStringLiteral("\n")
                            : ends.style == LineEnd::Cr ? QStringLiteral("\r")
                                                        : QStringLiteral("\r\n");
        QString text = withCrLfEnds(plain).replace(QStringLiteral("\r\n"), eol) + eol;
        const QByteArray plainBytes =
            original.left(found.bomLength) +
            encodeText(text, EncodeOptions(found.encoding), scanLineEnds(text)).bytes;
        const Change p = compare(original, plainBytes);
        samples()[kind].push_back({c.lines, c.bytes, p.lines, p.bytes});

        // The saved page loads back as the document that was saved.
        ASSERT_TRUE(show());
        PageNode after;
        const QString afterJson = js(QStringLiteral("orvel.tree(true)")).toString();
        ASSERT_TRUE(readPageTree(afterJson, after));
        EXPECT_EQ(before.hash, after.hash) << beforeJson.toStdString() << "\n"
                                           << afterJson.toStdString();
    }

    // With ORVEL_CORPUS_TABLE set, the README's table: per edit kind, the median and worst of
    // each column of the samples.
    static void report()
    {
        if (qEnvironmentVariableIsEmpty("ORVEL_CORPUS_TABLE"))
            return;
        printf("| Edit | Pages | Lines: median / worst | Bytes: median / worst | "
               "Re-serialized lines | Re-serialized bytes |\n|---|---|---|---|---|---|\n");
        for (const auto& [kind, list] : samples()) {
            printf("| %s | %zu |", qPrintable(kind), list.size());
            for (std::size_t column = 0; column < Sample().size(); ++column) {
                std::vector<qsizetype> v;
                for (const Sample& s : list)
                    v.push_back(s[column]);
                std::sort(v.begin(), v.end());
                printf(" %lld / %lld |", qlonglong(v[v.size() / 2]), qlonglong(v.back()));
            }
            printf("\n");
        }
        for (const QString& f : fallbacksSeen())
            printf("fallback: %s\n", qPrintable(f));
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("page.html"));
    std::unique_ptr<EditControl> area;
    QByteArray original;
    PageRead read;
};

TEST_P(CorpusTest, EditsChangeOnlyTheirElement)
{
    edit(QStringLiteral("type a word"), [this] {
        const QList<int> w = word(0, 0);
        caretAt(0, w[1]);
        QTest::keyClicks(area->focusProxy(), QStringLiteral(" fresh"));
        return blockOf(0);
    });
    edit(QStringLiteral("delete a word"), [this] {
        const int t = texts() - 1;
        const QList<int> w = word(t, 1);
        caretAt(t, w[1]);
        QTest::keyClick(area->focusProxy(), Qt::Key_Backspace, Qt::ControlModifier);
        return blockOf(t);
    });
    edit(QStringLiteral("bold a word"), [this] {
        const int t = texts() / 2;
        const QList<int> w = word(t, 1);
        js(QStringLiteral("(() => { const t = __texts[%1]; getSelection().setBaseAndExtent(t, %2, "
                          "t, %3); })()")
               .arg(t)
               .arg(w[0])
               .arg(w[1]));
        EXPECT_TRUE(area->execCommand(DECMD_BOLD));
        return blockOf(t);
    });
    edit(QStringLiteral("insert a row"), [this] {
        const QString table = scope(QStringLiteral(
            "(() => { const c = document.querySelector('table td'); if (!c) return ''; "
            "getSelection().setBaseAndExtent(c, 0, c, 0); return __scope(c.closest('table')); "
            "})()"));
        if (table.isEmpty())
            return QStringList();
        EXPECT_TRUE(area->execCommand(DECMD_INSERTROW));
        return QStringList{table};
    });
    edit(QStringLiteral("insert a fragment"), [this] {
        const int t = std::min(1, texts() - 1);
        caretAt(t, word(t, 0)[1]);
        area->insertHtml(QStringLiteral(" <em>newly</em> <a href=\"x.html\">linked</a>"));
        return blockOf(t);
    });
    edit(QStringLiteral("make a list"), [this] {
        // A paragraph of the page's flow (not in a table), with the elements beside it, which a
        // new list may join.
        const QString scopes = scope(QStringLiteral(
            "(() => { const p = Array.from(document.querySelectorAll('p')).find(p => "
            "!p.closest('td,li,form,blockquote,figure') && p.textContent.trim().length > 20); "
            "if (!p) return ''; getSelection().setBaseAndExtent(p, 0, p, 0); "
            "return [p.previousElementSibling, p, p.nextElementSibling].filter(e => e)"
            ".map(__scope).join(','); })()"));
        if (scopes.isEmpty())
            return QStringList();
        EXPECT_TRUE(area->execCommand(DECMD_UNORDERLIST));
        return scopes.split(u',');
    });
}

INSTANTIATE_TEST_SUITE_P(Pages, CorpusTest, ::testing::ValuesIn([] {
                             QStringList names = QDir(QStringLiteral(ORVEL_CORPUS_DIR))
                                                     .entryList({QStringLiteral("*.html")},
                                                                QDir::Files, QDir::Name);
                             return std::vector<QString>(names.begin(), names.end());
                         }()),
                         [](const ::testing::TestParamInfo<QString>& info) {
                             return info.param.left(2).toStdString();
                         });

} // namespace orvel::test
