// The charset declaration as browsers find it: the 1024-byte prescan, then the head.
#include "markup/CharsetPrescan.h"

#include "MarkupTest.h"

namespace {

// A page whose declaration ends at `end` bytes: padding in a comment before it.
QByteArray declarationEndingAt(qsizetype end, const QByteArray& before, const QByteArray& decl)
{
    const qsizetype pad = end - before.size() - decl.size() - 7; // "<!--" "-->"
    return before + "<!--" + QByteArray(pad, 'x') + "-->" + decl;
}

TEST(CharsetPrescan, FindsTheDeclarationBrowsersFind)
{
    const QByteArray inHead = "<html><head><title>t</title>";
    const QByteArray inBody = "<html><head></head><body><p>";
    const QByteArray meta = "<meta charset=koi8-r>";
    const struct {
        QByteArray page;
        const char* label; // nullptr: none found
        std::optional<Encoding> encoding;
        bool late = false;
    } rows[] = {
        {"<meta charset=\"windows-1251\">", "windows-1251", Encoding::Windows1251},
        {"<META CHARSET='Shift_JIS'>", "Shift_JIS", Encoding::ShiftJis},
        // The label less its spaces, found in any case; an unquoted value runs to a space or '>'.
        {"<meta charset=\"  sHiFt_jIs \t\">", "sHiFt_jIs", Encoding::ShiftJis},
        {"<meta charset=utf-8/>", "utf-8/", std::nullopt},
        {"<meta/charset=big5>", "big5", Encoding::Big5},
        // Commented out: the live declaration after it counts ("<!-->" ends at once).
        {"<!-- <meta charset=\"utf-8\"> --><meta charset=\"euc-kr\">", "euc-kr", Encoding::EucKr},
        {"<!--><meta charset=euc-kr>", "euc-kr", Encoding::EucKr},
        {"<!-- --!><meta charset=utf-8> -->", nullptr, std::nullopt},
        // "charset=" inside another attribute's value, or inside another tag, is not one.
        {"<meta name=\"x charset=utf-8\" charset=\"iso-8859-2\">", "iso-8859-2",
         Encoding::Iso8859_2},
        {"<p title='<meta charset=utf-8>'><meta charset=gbk>", "gbk", Encoding::Gbk},
        {"<metacharset=utf-8>", nullptr, std::nullopt},
        {"<meta charset=\"utf-8>", nullptr, std::nullopt}, // quote never closed
        // http-equiv and content, in either order; content alone, or another pragma, is none.
        {"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=euc-jp\">", "euc-jp",
         Encoding::EucJp},
        {"<meta content='text/html;charset=\"ISO-2022-JP\"' http-equiv=content-type>",
         "ISO-2022-JP", Encoding::Iso2022Jp},
        {"<meta content=\"text/html; charset=euc-jp\">", nullptr, std::nullopt},
        {"<meta http-equiv=refresh content=\"5; charset=euc-jp\">", nullptr, std::nullopt},
        {"<meta http-equiv=content-type content=\"charset=gbk\" charset=big5>", "big5",
         Encoding::Big5},
        // An unknown label is passed over, kept when last; the first of two attributes counts.
        {"<meta charset=x-foo><meta charset=iso-8859-15>", "iso-8859-15", Encoding::Latin9},
        {"<meta charset=\"x-foo\"><p>", "x-foo", std::nullopt},
        {"<meta charset=x-foo charset=utf-8>", "x-foo", std::nullopt},
        {"<meta http-equiv=content-type content=\"text/html; charset=klingon\">", "klingon",
         std::nullopt},
        // The prescan's own readings of some labels.
        {"<meta charset=utf-16le>", "utf-16le", Encoding::Utf8},
        {"<meta charset=x-user-defined>", "x-user-defined", Encoding::Windows1252},
        {"<meta charset=iso-2022-kr>", "iso-2022-kr", Encoding::Replacement},
        // A '>' at byte 1024 is found; a byte later only while in the head.
        {declarationEndingAt(1024, inBody, meta), "koi8-r", Encoding::Koi8R},
        {declarationEndingAt(1025, inBody, meta), nullptr, std::nullopt},
        {declarationEndingAt(1025, inHead, meta), "koi8-r", Encoding::Koi8R, true},
        {inHead + QByteArray(5000, ' ') + "<link rel=x>" + meta, "koi8-r", Encoding::Koi8R, true},
        {inHead + QByteArray(5000, ' ') + "</head>" + meta, nullptr, std::nullopt},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.page.left(100).toStdString());
        const CharsetDeclaration bytes = findCharsetDeclaration(QByteArrayView(r.page));
        const QString text = QString::fromLatin1(r.page);
        const CharsetDeclaration chars = findCharsetDeclaration(QStringView(text));
        for (const CharsetDeclaration& d : {bytes, chars}) {
            ASSERT_EQ(d.found(), r.label != nullptr);
            EXPECT_EQ(d.encoding, r.encoding);
            if (!r.label)
                continue;
            EXPECT_EQ(r.page.mid(d.start, d.length), QByteArray(r.label));
            EXPECT_EQ(d.late, r.late);
        }
    }
}

} // namespace
