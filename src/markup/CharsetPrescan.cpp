#include "markup/CharsetPrescan.h"

#include <cstring>

namespace orvel {

namespace {

bool isSpace(char16_t c)
{
    return c == 0x09 || c == 0x0A || c == 0x0C || c == 0x0D || c == 0x20;
}

bool isLetter(char16_t c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char16_t lower(char16_t c)
{
    return c >= 'A' && c <= 'Z' ? char16_t(c + ('a' - 'A')) : c;
}

// The elements that may stand in a head; any other tag ends it.
bool isHeadElement(QByteArrayView name)
{
    static constexpr const char* kHead[] = {"html",     "head",     "title",    "base",
                                            "link",     "meta",     "style",    "script",
                                            "noscript", "template", "basefont", "bgsound"};
    for (const char* h : kHead)
        if (name == h)
            return true;
    return false;
}

struct Range {
    qsizetype start = 0, length = 0;
};

struct Attribute {
    Range name, value;
};

template <class Char> class Prescan {
public:
    Prescan(const Char* p, qsizetype n) : m_p(p), m_n(n) {}

    CharsetDeclaration run()
    {
        CharsetDeclaration unknown;
        bool headEnded = false;
        qsizetype i = 0;
        while (i < m_n && !(headEnded && i >= kPrescanBytes)) {
            if (m_p[i] != '<') {
                i = nextTag(i);
                continue;
            }
            if (matches(i, "<!--")) {
                // The '>' of the first "-->", whose dashes may be those of "<!--".
                qsizetype k = i + 4;
                while (k < m_n && !(m_p[k] == '>' && m_p[k - 1] == '-' && m_p[k - 2] == '-'))
                    ++k;
                i = k + 1;
                continue;
            }
            if (matches(i, "<meta") && i + 5 < m_n && (isSpace(at(i + 5)) || at(i + 5) == '/')) {
                m_pos = i + 5;
                CharsetDeclaration d = meta();
                if (d.found()) {
                    d.late = m_pos >= kPrescanBytes;
                    if (d.encoding && !(d.late && headEnded)) {
                        d.searchedTo = m_pos;
                        return d;
                    }
                    if (!d.encoding && !unknown.found() && !(d.late && headEnded))
                        unknown = d;
                }
                i = m_pos + 1;
                continue;
            }
            const bool end = at(i + 1) == '/';
            if (isLetter(at(i + (end ? 2 : 1)))) {
                m_pos = i + (end ? 2 : 1);
                const qsizetype nameStart = m_pos;
                while (m_pos < m_n && !isSpace(m_p[m_pos]) && m_p[m_pos] != '>')
                    ++m_pos;
                if (!isHeadTag(nameStart, end))
                    headEnded = true;
                while (m_pos < m_n && attribute())
                    ;
                i = m_pos + 1;
                continue;
            }
            if (at(i + 1) == '!' || at(i + 1) == '/' || at(i + 1) == '?') {
                qsizetype k = i + 2;
                while (k < m_n && m_p[k] != '>')
                    ++k;
                i = k + 1;
                continue;
            }
            ++i;
        }
        unknown.searchedTo = std::min(i, m_n);
        return unknown;
    }

private:
    qsizetype nextTag(qsizetype i) const
    {
        if constexpr (sizeof(Char) == 1) {
            const void* lt = std::memchr(m_p + i, '<', size_t(m_n - i));
            return lt ? static_cast<const Char*>(lt) - m_p : m_n;
        } else {
            const qsizetype k = QStringView(m_p + i, m_n - i).indexOf(u'<');
            return k < 0 ? m_n : i + k;
        }
    }

    char16_t at(qsizetype i) const { return i < m_n ? char16_t(m_p[i]) : char16_t(0xFFFF); }

    bool matches(qsizetype i, const char* word) const
    {
        for (qsizetype k = 0; word[k]; ++k)
            if (lower(at(i + k)) != char16_t(word[k]))
                return false;
        return true;
    }

    bool equals(Range r, const char* word) const
    {
        qsizetype k = 0;
        for (; word[k]; ++k)
            if (k >= r.length || lower(at(r.start + k)) != char16_t(word[k]))
                return false;
        return k == r.length;
    }

    bool isHeadTag(qsizetype nameStart, bool end) const
    {
        char name[12];
        qsizetype len = 0;
        for (qsizetype k = nameStart; k < m_pos && m_p[k] != '/'; ++k) {
            if (len == qsizetype(sizeof name))
                return false;
            name[len++] = char(lower(char16_t(m_p[k]) < 0x80 ? char16_t(m_p[k]) : u'?'));
        }
        const QByteArrayView tag(name, len);
        if (end)
            return tag != "head" && isHeadElement(tag);
        return isHeadElement(tag);
    }

    // The attributes of a <meta>, then what they declare.
    CharsetDeclaration meta()
    {
        bool seenCharset = false, seenHttpEquiv = false, seenContent = false;
        bool gotPragma = false;
        std::optional<bool> needPragma;
        CharsetDeclaration charset;  // found() once `charset` or a usable `content` gave one
        CharsetDeclaration unusable; // a `content` naming no encoding
        Attribute a;
        while (attribute(&a)) {
            if (equals(a.name, "http-equiv")) {
                if (seenHttpEquiv)
                    continue;
                seenHttpEquiv = true;
                gotPragma = equals(a.value, "content-type");
            } else if (equals(a.name, "content")) {
                if (seenContent)
                    continue;
                seenContent = true;
                const CharsetDeclaration c = fromContent(a.value);
                if (c.found() && c.encoding && !charset.found()) {
                    charset = c;
                    needPragma = true;
                } else if (c.found() && !c.encoding) {
                    unusable = c;
                }
            } else if (equals(a.name, "charset")) {
                if (seenCharset)
                    continue;
                seenCharset = true;
                charset = label(a.value);
                needPragma = false;
            }
        }
        if (m_pos >= m_n)
            return {};
        // Browsers pass over a Content-Type naming no encoding; it is kept to be told about.
        if (!needPragma && gotPragma)
            return unusable;
        if (!needPragma || (*needPragma && !gotPragma))
            return {};
        if (charset.encoding == Encoding::Utf16LE || charset.encoding == Encoding::Utf16BE)
            charset.encoding = Encoding::Utf8;
        if (charset.encoding == Encoding::XUserDefined)
            charset.encoding = Encoding::Windows1252;
        return charset;
    }

    // A label: the value less surrounding spaces, and what it names (a declaration even when it
    // names nothing).
    CharsetDeclaration label(Range v) const
    {
        while (v.length > 0 && isSpace(m_p[v.start])) {
            ++v.start;
            --v.length;
        }
        while (v.length > 0 && isSpace(m_p[v.start + v.length - 1]))
            --v.length;
        CharsetDeclaration d;
        d.start = v.start;
        d.length = v.length;
        if constexpr (sizeof(Char) == 1)
            d.encoding = encodingForLabel(
                QByteArrayView(reinterpret_cast<const char*>(m_p + v.start), v.length));
        else
            d.encoding = encodingForLabel(QStringView(m_p + v.start, v.length));
        return d;
    }

    // The charset a Content-Type value names ("text/html; charset=koi8-r").
    CharsetDeclaration fromContent(Range v) const
    {
        const qsizetype end = v.start + v.length;
        qsizetype i = v.start;
        for (;;) {
            while (i + 7 <= end && !matches(i, "charset"))
                ++i;
            if (i + 7 > end)
                return {};
            i += 7;
            while (i < end && isSpace(m_p[i]))
                ++i;
            if (i < end && m_p[i] == '=')
                break;
        }
        ++i;
        while (i < end && isSpace(m_p[i]))
            ++i;
        if (i >= end)
            return {};
        const Char q = m_p[i];
        if (q == '"' || q == '\'') {
            qsizetype k = i + 1;
            while (k < end && m_p[k] != q)
                ++k;
            if (k >= end)
                return {};
            return label({i + 1, k - i - 1});
        }
        qsizetype k = i;
        while (k < end && !isSpace(m_p[k]) && m_p[k] != ';')
            ++k;
        return label({i, k - i});
    }

    // Reads one attribute at m_pos (the web's "get an attribute"); false at '>' or the end.
    bool attribute(Attribute* out = nullptr)
    {
        Attribute a;
        while (m_pos < m_n && (isSpace(m_p[m_pos]) || m_p[m_pos] == '/'))
            ++m_pos;
        if (m_pos >= m_n || m_p[m_pos] == '>')
            return false;
        a.name.start = m_pos;
        auto done = [&] {
            if (out)
                *out = a;
            return true;
        };
        for (;; ++m_pos) {
            if (m_pos >= m_n)
                return false;
            const Char c = m_p[m_pos];
            if (c == '=' && m_pos > a.name.start) {
                a.name.length = m_pos - a.name.start;
                ++m_pos;
                break;
            }
            if (isSpace(c)) {
                a.name.length = m_pos - a.name.start;
                while (m_pos < m_n && isSpace(m_p[m_pos]))
                    ++m_pos;
                if (m_pos >= m_n)
                    return false;
                if (m_p[m_pos] != '=')
                    return done();
                ++m_pos;
                break;
            }
            if (c == '/' || c == '>') {
                a.name.length = m_pos - a.name.start;
                return done();
            }
        }
        while (m_pos < m_n && isSpace(m_p[m_pos]))
            ++m_pos;
        if (m_pos >= m_n)
            return false;
        const Char q = m_p[m_pos];
        if (q == '"' || q == '\'') {
            a.value.start = ++m_pos;
            while (m_pos < m_n && m_p[m_pos] != q)
                ++m_pos;
            if (m_pos >= m_n)
                return false;
            a.value.length = m_pos - a.value.start;
            ++m_pos;
            return done();
        }
        if (q == '>')
            return done();
        a.value.start = m_pos;
        while (m_pos < m_n && !isSpace(m_p[m_pos]) && m_p[m_pos] != '>')
            ++m_pos;
        if (m_pos >= m_n)
            return false;
        a.value.length = m_pos - a.value.start;
        return done();
    }

    const Char* m_p;
    qsizetype m_n;
    qsizetype m_pos = 0;
};

} // namespace

CharsetDeclaration findCharsetDeclaration(QByteArrayView page)
{
    return Prescan(reinterpret_cast<const uchar*>(page.data()), page.size()).run();
}

CharsetDeclaration findCharsetDeclaration(QStringView page)
{
    return Prescan(page.utf16(), page.size()).run();
}

} // namespace orvel
