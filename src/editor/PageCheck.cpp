#include "editor/PageCheck.h"

#include <tidy/tidy.h>
#include <tidy/tidybuffio.h>

#include <algorithm>
#include <memory>

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
        // Repairs only the checker's own copy; it brings the attribute checks.
        tidyCleanAndRepair(d);
        tidyRunDiagnostics(d);
    }
    tidyBufFree(&report);

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
