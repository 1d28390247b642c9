// Pages in the web's legacy encodings through File > Open, File > Save and Format > Encoding: the
// right characters, the bytes back, what the page is told about its declaration, and the
// declaration a conversion rewrites.
#include "editor/PageFiles.h"

#include "page/PageFile.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTextDocument>

using namespace orvel;
using orvel::test::readBytes;

namespace {

// Each page is opened after the one before was put aside unsaved.
class PageEncodingTest : public orvel::test::PageFilesTest {
protected:
    QString open(const QByteArray& bytes)
    {
        w->setModified(false);
        return PageFilesTest::open(bytes);
    }
    void choose(const char* action) { w->menuAction(QString::fromLatin1(action))->trigger(); }
};

// Declared pages open in their encoding, without a word, and save back as they were; what is
// typed goes out in the page's encoding.
TEST_F(PageEncodingTest, DeclaredLegacyPagesOpenRightAndSaveBackByteForByte)
{
    const struct {
        QByteArray bytes;
        const char* shown; // in the page box
        const char* status;
        const char* typed;
        QByteArray typedBytes;
    } rows[] = {
        {"<meta charset=\"windows-1251\">\r\n<p>\xcf\xf0\xe8\xe2\xe5\xf2</p>\r\n",
         "<p>\u041f\u0440\u0438\u0432\u0435\u0442</p>", "Windows-1251, CR LF", "\u0416", "\xc6"},
        {"<meta http-equiv=Content-Type content=\"text/html; charset=Shift_JIS\">\n"
         "<p>\x93\xfa\x96\x7b\x8c\xea</p>\n",
         "<p>\u65e5\u672c\u8a9e</p>", "Shift_JIS, LF", "\u3042", "\x82\xa0"},
        {"<meta charset=iso-8859-2>\n<p>Plain</p>\n", "<p>Plain</p>", "ISO-8859-2, LF", "\u0142",
         "\xb3"},
        {"<meta charset=gb2312>\n<p>\xd6\xd0\xce\xc4</p>\n", "<p>\u4e2d\u6587</p>", "GBK, LF",
         "\u20ac", "\x80"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.status);
        const QString file = open(r.bytes);
        EXPECT_EQ(messages(), QStringList());
        EXPECT_TRUE(w->Text1->text().contains(QString::fromUtf8(r.shown)));
        EXPECT_EQ(w->pagecoding->text(), QString::fromLatin1(r.status));
        w->save_Click();
        EXPECT_EQ(readBytes(file), r.bytes);
        const qsizetype at = r.bytes.indexOf("</p>");
        type(QString::fromUtf8(r.typed), int(w->Text1->text().indexOf(QStringLiteral("</p>"))));
        w->save_Click();
        EXPECT_EQ(readBytes(file), r.bytes.left(at) + r.typedBytes + r.bytes.mid(at));
    }
}

// A declaration that cannot be followed is told about, naming what was declared and what is
// used; Save as in the encoding the page is read in puts the declaration right.
TEST_F(PageEncodingTest, AnOpenedPageIsToldWhatItDeclaredAndWhatIsUsed)
{
    const QByteArray utf8 = "<meta charset=\"windows-1251\">\n<p>\xd0\x9f</p>\n";
    const QString file = open(utf8);
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages()[0].startsWith(
        QStringLiteral("\"%1\" says its encoding is \"windows-1251\", but its bytes are UTF-8.")
            .arg(file)))
        << messages()[0].toStdString();
    EXPECT_TRUE(w->Text1->text().contains(QStringLiteral("<p>\u041f</p>")));
    choose("mnusaveinutf8");
    EXPECT_EQ(w->star->text(), QStringLiteral("*"));
    w->save_Click();
    EXPECT_EQ(readBytes(file), QByteArray("<meta charset=\"utf-8\">\n<p>\xd0\x9f</p>\n"));
    w->Text1->document()->undo();
    EXPECT_TRUE(w->Text1->text().startsWith(QStringLiteral("<meta charset=\"windows-1251\">")));

    open("<meta charset=\"x-klingon\">\n<p>caf\xe9</p>\n");
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages()[0].contains(QStringLiteral("says its encoding is \"x-klingon\", which "
                                                      "is not the name of an encoding")));
    EXPECT_TRUE(w->Text1->text().contains(QStringLiteral("caf\u00e9")));
    // Bytes that are no Shift_JIS characters: how many, and where the first is.
    open("<meta charset=sjis>\n<p>\x82\xa0\xff</p>\n");
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages()[0].endsWith(QStringLiteral(
        "is not all Shift_JIS: 1 byte(s) could not be read, the first at line 2, column 5. They "
        "are shown as stand-in characters and saved back unchanged unless you edit them.")));
}

// Save as rewrites the declaration browsers follow, not one commented out; characters survive
// the conversion and a stray byte is named before anything is written.
TEST_F(PageEncodingTest, SaveAsRewritesTheLiveDeclarationAndKeepsEveryCharacter)
{
    const QByteArray page = "<!-- <meta charset=\"utf-8\"> -->\n<meta charset=\"windows-1252\">\n"
                            "<p>caf\xe9</p>\n";
    const QString file = open(page);
    choose("mnusaveinkoi8r");
    EXPECT_TRUE(w->Text1->text().startsWith(
        QStringLiteral("<!-- <meta charset=\"utf-8\"> -->\r\n<meta charset=\"koi8-r\">")));
    ui.answer(MsgAnswer::No);
    w->save_Click();
    EXPECT_TRUE(ui.lastPrompt().text.startsWith(
        QStringLiteral("KOI8-R cannot hold these characters of the page: \u00e9\n")));
    EXPECT_EQ(readBytes(file), page);

    // UTF-16 with U+2029 (read as the stand-ins of its two bytes), saved as UTF-8.
    open(QByteArray("\xff\xfe<\0p\0>\0\x29\x20<\0", 12));
    EXPECT_EQ(w->pagecoding->text(), QStringLiteral("UTF-16LE BOM, CR LF"));
    choose("mnusaveinutf8");
    w->save_Click();
    EXPECT_EQ(readBytes(file), QByteArray("\xef\xbb\xbf<p>\xe2\x80\xa9<")); // its mark kept

    // A byte that is not UTF-8 cannot go into UTF-16 (nor back into UTF-8 as anything but
    // itself): the user is told what to do instead of being offered UTF-8; nothing is written.
    const QByteArray stray = "<p>caf\xc3\xa9 a\xffz</p>";
    open(stray);
    choose("mnusaveinutf16le");
    w->save_Click();
    EXPECT_EQ(ui.lastPrompt().text,
              QStringLiteral("UTF-16LE cannot hold 1 byte(s) of the page that were no character "
                             "in UTF-8 (they show as stand-in characters). Delete them, or save "
                             "the page in UTF-8 again (Format > Encoding > Save as).\n\nNothing "
                             "was saved."));
    EXPECT_EQ(ui.lastPrompt().buttons, MsgButtons::Ok);
    EXPECT_EQ(readBytes(file), stray);
}

TEST_F(PageEncodingTest, FormatEncodingListsEveryEncodingByFamily)
{
    for (const char* sub : {"mnureloadas", "mnusavein"}) {
        for (const Encoding e : kEncodings) {
            QAction* a =
                w->menuAction(QString::fromLatin1(sub) + QString::fromLatin1(encodingInfo(e).key));
            ASSERT_NE(a, nullptr) << encodingInfo(e).key;
            EXPECT_EQ(a->text(), encodingName(e));
            const auto* family = qobject_cast<QMenu*>(a->parent());
            ASSERT_NE(family, nullptr);
            EXPECT_EQ(family->title(), familyName(encodingFamily(e)));
        }
    }
    for (const char* kept : {"mnureloadasutf8", "mnusaveinutf16le", "mnusaveinutf16be",
                             "mnureloadascp1252", "mnusaveinlatin1", "mnusaveinlatin9"})
        EXPECT_NE(w->menuAction(QString::fromLatin1(kept)), nullptr) << kept;
}

} // namespace
