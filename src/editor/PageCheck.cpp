#include "editor/PageCheck.h"

#include <tidy/tidy.h>
#include <tidy/tidybuffio.h>

#include <QSet>

#include <algorithm>
#include <memory>
#include <optional>

namespace orvel {

namespace {

struct Collected {
    QList<PageProblem> problems;
};

QStringList argumentsOf(TidyMessage message)
{
    QStringList args;
    TidyIterator it = tidyGetMessageArguments(message);
    while (it) {
        TidyMessageArgument arg = tidyGetNextMessageArgument(message, &it);
        if (tidyGetArgType(message, &arg) == tidyFormatType_STRING)
            args << QString::fromUtf8(tidyGetArgValueString(message, &arg));
    }
    return args;
}

QString bare(QString tag)
{
    // "<img>" and "</div>" as the checker quotes them; "b" as it names a tag.
    tag.remove(u'<').remove(u'>').remove(u'/');
    return tag;
}

// The common problems of hand-written pages, in the words of someone teaching HTML.
QString plainWords(const QString& key, const QStringList& a)
{
    auto arg = [&a](int i) { return i < a.size() ? a[i] : QString(); };
    if (key == u"MISSING_ENDTAG_FOR")
        return QStringLiteral("The <%1> tag opened here is never closed: add </%1> where it "
                              "should end.")
            .arg(bare(arg(0)));
    if (key == u"MISSING_ENDTAG_BEFORE")
        return QStringLiteral("The <%1> tag is still open when %2 comes: close it with </%1> "
                              "first. Tags close in the reverse order they were opened.")
            .arg(bare(arg(0)), arg(1));
    if (key == u"NON_MATCHING_ENDTAG")
        return QStringLiteral("Mismatched tags: an end tag here does not match the tag that is "
                              "open. Close tags in the reverse order they were opened.");
    if (key == u"DISCARDING_UNEXPECTED" && arg(0).startsWith(u"</"))
        return QStringLiteral("%1 is an end tag with no start tag <%2> before it.")
            .arg(arg(0), bare(arg(0)));
    if (key == u"DISCARDING_UNEXPECTED")
        return QStringLiteral("%1 does not belong here.").arg(arg(0));
    if (key == u"UNKNOWN_ELEMENT")
        return QStringLiteral("%1 is not an HTML tag. Check its spelling.").arg(arg(0));
    if (key == u"PROPRIETARY_ATTRIBUTE" || key == u"UNKNOWN_ATTRIBUTE")
        return QStringLiteral("The %1 tag has an attribute \"%2\" that HTML does not know. "
                              "Check its spelling.")
            .arg(arg(0), arg(1));
    if (key == u"MISSING_ATTRIBUTE")
        return QStringLiteral("The %1 tag needs a \"%2\" attribute.").arg(arg(0), arg(1));
    if (key == u"UNEXPECTED_END_OF_FILE")
        return QStringLiteral("The page ends in the middle of a tag: a \">\" is missing.");
    return {};
}

Bool TIDY_CALL collect(TidyMessage message)
{
    const int line = tidyGetMessageLine(message);
    const TidyReportLevel level = tidyGetMessageLevel(message);
    // Summaries and notes about the page as a whole have no line.
    if (line <= 0 || level >= TidyDialogueSummary)
        return no;
    auto* out = static_cast<Collected*>(tidyGetAppData(tidyGetMessageDoc(message)));
    PageProblem p;
    p.line = line;
    p.column = std::max(1, tidyGetMessageColumn(message));
    p.key = QString::fromUtf8(tidyGetMessageKey(message));
    p.message = QString::fromUtf8(tidyGetMessage(message));
    p.plain = plainWords(p.key, argumentsOf(message));
    out->problems << p;
    return no; // nothing goes to the checker's own report
}

// --- What makes a page hard to use without sight or a mouse, for learners ----------------------

std::optional<QString> attribute(TidyNode n, TidyAttrId id)
{
    const TidyAttr a = tidyAttrGetById(n, id);
    if (!a)
        return std::nullopt;
    const char* value = tidyAttrValue(a);
    return value ? QString::fromUtf8(value) : QString();
}

bool is(TidyNode n, TidyTagId id)
{
    return tidyNodeGetId(n) == id;
}

// The words a reader hears for `n`: its text, and the alt text of its pictures.
QString wordsOf(TidyDoc d, TidyNode n)
{
    QString words;
    for (TidyNode c = tidyGetChild(n); c; c = tidyGetNext(c)) {
        if (tidyNodeIsText(c)) {
            TidyBuffer b;
            tidyBufInit(&b);
            if (tidyNodeGetValue(d, c, &b) && b.bp)
                words += QString::fromUtf8(reinterpret_cast<const char*>(b.bp), int(b.size));
            tidyBufFree(&b);
        } else if (is(c, TidyTag_IMG)) {
            words += u' ' + attribute(c, TidyAttr_ALT).value_or(QString());
        } else {
            words += u' ' + wordsOf(d, c);
        }
    }
    return words.simplified();
}

// Header cells and rows of a table, not counting the tables inside it.
void countCells(TidyNode n, int& headers, int& rows)
{
    for (TidyNode c = tidyGetChild(n); c; c = tidyGetNext(c)) {
        if (is(c, TidyTag_TABLE))
            continue;
        headers += is(c, TidyTag_TH);
        rows += is(c, TidyTag_TR);
        countCells(c, headers, rows);
    }
}

const char16_t* const kEmptyLinkWords[] = {u"click here", u"here", u"click",     u"more",
                                           u"read more",  u"link", u"this link", u"this",
                                           u"click this", u"go",   u"more...",   u"read more..."};

struct LearnerChecks {
    TidyDoc doc;
    QStringView page;
    QSet<QString> labelled{}; // ids a LABEL names with its FOR
    int lastHeading = 0;
    QList<PageProblem> found{};

    void add(TidyNode n, const char* key, const QString& message, const QString& plain)
    {
        PageProblem p;
        p.line = int(tidyNodeLine(n));
        p.column = int(tidyNodeColumn(n));
        p.key = QString::fromLatin1(key);
        p.message = message;
        p.plain = plain;
        found << p;
    }

    void collectLabels(TidyNode n)
    {
        for (TidyNode c = tidyGetChild(n); c; c = tidyGetNext(c)) {
            if (is(c, TidyTag_LABEL))
                if (const auto id = attribute(c, TidyAttr_FOR))
                    labelled << *id;
            collectLabels(c);
        }
    }

    void language(TidyNode html)
    {
        if (!html || attribute(html, TidyAttr_LANG) || attribute(html, TidyAttr_XML_LANG))
            return;
        PageProblem p;
        // A page without its own HTML tag is read from the top.
        const int at = positionOf(page, int(tidyNodeLine(html)), int(tidyNodeColumn(html)));
        const bool written = page.mid(at).startsWith(u"<html", Qt::CaseInsensitive);
        add(html, "ACCESS_LANGUAGE", QStringLiteral("<html> has no lang attribute"),
            QStringLiteral("The page does not say which language it is written in: add "
                           "lang=\"en\" (or the page's own language) to its <html> tag, so "
                           "that screen readers pronounce its words right."));
        if (!written)
            found.last().line = found.last().column = 1;
    }

    void formField(TidyNode n, bool inLabel)
    {
        const QString type = attribute(n, TidyAttr_TYPE).value_or(QString()).toLower();
        if (is(n, TidyTag_INPUT) && (type == u"hidden" || type == u"submit" || type == u"reset" ||
                                     type == u"button" || type == u"image"))
            return;
        const auto id = attribute(n, TidyAttr_ID);
        if (inLabel || (id && labelled.contains(*id)) || attribute(n, TidyAttr_ARIA_LABEL) ||
            attribute(n, TidyAttr_ARIA_LABELLEDBY) || attribute(n, TidyAttr_TITLE))
            return;
        add(n, "ACCESS_FORM_LABEL", QStringLiteral("form field without a label"),
            QStringLiteral("This form field has no label: give it an id and put <label "
                           "for=\"that id\">what to enter</label> before it (or put the field "
                           "inside the <label>), so that everyone knows what it asks for."));
    }

    void element(TidyNode n, bool inLabel)
    {
        const QString tag = QString::fromUtf8(tidyNodeGetName(n));
        if (is(n, TidyTag_IMG) && !attribute(n, TidyAttr_ALT)) {
            add(n, "ACCESS_IMAGE_ALT", QStringLiteral("<img> has no alt attribute"),
                QStringLiteral("This image has no alt text. People who cannot see it hear the "
                               "alt text instead: add alt=\"what the picture shows\" (or "
                               "alt=\"\" for a picture that is only decoration)."));
        } else if (is(n, TidyTag_TABLE)) {
            int headers = 0, rows = 0;
            countCells(n, headers, rows);
            if (headers == 0 && rows > 1)
                add(n, "ACCESS_TABLE_HEADERS", QStringLiteral("<table> has no header cells"),
                    QStringLiteral("This table has no header cells: write the cells that name a "
                                   "column or a row as <th> instead of <td>, so that a screen "
                                   "reader can say what each cell is."));
        } else if (is(n, TidyTag_A) && attribute(n, TidyAttr_HREF)) {
            const QString words = wordsOf(doc, n);
            const bool says =
                !words.isEmpty() &&
                std::none_of(std::begin(kEmptyLinkWords), std::end(kEmptyLinkWords),
                             [&words](const char16_t* w) {
                                 return words.compare(QStringView(w), Qt::CaseInsensitive) == 0;
                             });
            if (!says)
                add(n, "ACCESS_LINK_TEXT", QStringLiteral("link text says nothing"),
                    (words.isEmpty() ? QStringLiteral("This link has no text")
                                     : QStringLiteral("The link text \"%1\"").arg(words)) +
                        QStringLiteral(" does not say where it leads. Screen readers list the "
                                       "links of a page by their text alone: write what the "
                                       "link opens, as in <a href=\"prices.html\">Our "
                                       "prices</a>."));
        } else if (tidyNodeIsHeader(n)) {
            const int level = tag.mid(1).toInt();
            if (lastHeading > 0 && level > lastHeading + 1)
                add(n, "ACCESS_HEADING_LEVEL", QStringLiteral("heading level skipped"),
                    QStringLiteral("This <%1> follows an <h%2>: headings go down one level at a "
                                   "time. Use <h%3> here, or change the heading above it.")
                        .arg(tag)
                        .arg(lastHeading)
                        .arg(lastHeading + 1));
            lastHeading = level;
        } else if (is(n, TidyTag_INPUT) || is(n, TidyTag_TEXTAREA) || is(n, TidyTag_SELECT)) {
            formField(n, inLabel);
        }
    }

    void walk(TidyNode n, bool inLabel)
    {
        for (TidyNode c = tidyGetChild(n); c; c = tidyGetNext(c)) {
            if (tidyNodeGetType(c) != TidyNode_Start && tidyNodeGetType(c) != TidyNode_StartEnd)
                continue;
            element(c, inLabel);
            walk(c, inLabel || is(c, TidyTag_LABEL));
        }
    }
};

QList<PageProblem> learnerProblems(TidyDoc d, QStringView page)
{
    LearnerChecks checks{d, page};
    checks.collectLabels(tidyGetRoot(d));
    checks.language(tidyGetHtml(d));
    checks.walk(tidyGetRoot(d), false);
    return checks.found;
}

} // namespace

int positionOf(QStringView page, int line, int column)
{
    const int n = int(page.size());
    int i = 0;
    for (int l = 1; l < line && i < n; ++i) {
        if (page[i] == u'\r' && i + 1 < n && page[i + 1] == u'\n')
            ++i;
        if (page[i] == u'\r' || page[i] == u'\n')
            ++l;
    }
    // Columns count characters; one outside the BMP takes two positions.
    for (int c = 1; c < column && i < n && page[i] != u'\r' && page[i] != u'\n'; ++c)
        i += page[i].isHighSurrogate() && i + 1 < n ? 2 : 1;
    return std::min(i, n);
}

QList<PageProblem> checkPage(const QString& page)
{
    Collected out;
    std::unique_ptr<std::remove_pointer_t<TidyDoc>, void (*)(TidyDoc)> doc(
        tidyCreate(), [](TidyDoc d) { tidyRelease(d); });
    TidyDoc d = doc.get();
    tidySetAppData(d, &out);
    tidySetMessageCallback(d, collect);
    tidySetLanguage("en");
    tidySetCharEncoding(d, "utf8");
    tidyOptSetInt(d, TidyTabSize, 1); // a tab is one column, as the caret counts it
    tidyOptSetInt(d, TidyShowErrors, 1000000);
    tidyOptSetBool(d, TidyShowWarnings, yes);
    tidyOptSetBool(d, TidyShowInfo, no);
    tidyOptSetBool(d, TidyQuiet, yes);
    TidyBuffer report;
    tidyBufInit(&report);
    tidySetErrorBuffer(d, &report);
    const QByteArray utf8 = page.toUtf8();
    if (tidyParseString(d, utf8.constData()) >= 0) {
        // On the page as written, before the checker repairs its own copy.
        out.problems += learnerProblems(d, page);
        // Repairs only the checker's own copy; it brings the attribute checks.
        tidyCleanAndRepair(d);
        tidyRunDiagnostics(d);
    }
    tidyBufFree(&report);

    // The checker's own "lacks an alt attribute" says less than the learner's row at that image.
    QSet<int> imagesWithoutAlt;
    for (const PageProblem& p : std::as_const(out.problems))
        if (p.key == u"ACCESS_IMAGE_ALT")
            imagesWithoutAlt << p.line;
    out.problems.removeIf([&imagesWithoutAlt](const PageProblem& p) {
        return p.key == u"MISSING_ATTRIBUTE" && p.message.contains(u"\"alt\"") &&
               imagesWithoutAlt.contains(p.line);
    });
    std::stable_sort(out.problems.begin(), out.problems.end(),
                     [](const PageProblem& a, const PageProblem& b) {
                         return std::pair(a.line, a.column) < std::pair(b.line, b.column);
                     });
    for (PageProblem& p : out.problems)
        p.position = positionOf(page, p.line, p.column);
    return out.problems;
}

QString smartCorrectKind(QStringView page, int start)
{
    const QStringView tag = page.mid(std::clamp(start, 0, int(page.size())));
    if (tag.startsWith(u"<IMG"))
        return QStringLiteral("image");
    if (tag.startsWith(u"<font ") || tag.startsWith(u"<FONT "))
        return QStringLiteral("font");
    if (tag.startsWith(u"<hr") || tag.startsWith(u"<HR"))
        return QStringLiteral("rule");
    if (tag.startsWith(u"<A HREF=\"mailto:"))
        return QStringLiteral("mail link");
    if (tag.startsWith(u"<A HREF=\""))
        return QStringLiteral("hyperlink");
    return {};
}

} // namespace orvel
