#include "help/Manual.h"

#include <QFile>

// The resources are compiled into a static library: nothing would pull them in otherwise.
static void initResources()
{
    Q_INIT_RESOURCE(orvel);
}

namespace orvel {

namespace {

const HelpCategory kCategories[] = {
    {"gen",
     "General Func.",
     {"Numbering", "Bullets", "Point", "Hyperlink", "Mail", "Image", "Horizontal Rule", "Comments",
      "Highlight", "Typewriter Font", "Music", "Object", "Keyboard <KBD>", "Paragraph", "Preformat",
      "Subscript", "Superscript"}},
    {"Fonts",
     "Fonts",
     {"Font Face", "Font Size", "Font Colour", "Multi editing/Font editing....", "Bold", "Italics",
      "Underline"}},
    {"Forms",
     "Forms",
     {"Insert Forms", "Textbox", "Password box", "Textarea", "Button", "Browse box", "Checkbox",
      "Radio button", "Reset button", "Submit button", "List box", "Frameset", "Legend",
      "Drop down box"}},
    {"Table", "Table", {"Insert table", "Row", "Cell", "Heading"}},
    {"Extras",
     "Extras",
     {"Strike out", "Sound", "Movie Clips", "Quotes", "Code", "Big", "Small", "Strong",
      "Abbreviation", "Emphasise"}},
    {"others",
     "Others",
     {"Align", "Special", "Temporary Clipboard", "Auto Complete", "Assistant", "Auto Delete",
      "Smart Correct", "Smart Select", "VuxCmd", "Restore Points", "Auto Save", "Page Properties",
      "Quick Format", "Shortcuts", "Breaks", "Check Page", "Encoding and Line Ends"}},
    {"Misc",
     "Misc.",
     {"Insert Applets", "Frames", "Scripts", "Style Sheets", "Address", "File upload/Browse",
      "Definition", "Headings"}},
};

} // namespace

std::span<const HelpCategory> helpCategories()
{
    return kCategories;
}

Manual Manual::parse(const QString& source)
{
    Manual m;
    QString* current = nullptr;
    QStringList paragraphs;
    auto finish = [&] {
        while (!paragraphs.isEmpty() && paragraphs.constLast().trimmed().isEmpty())
            paragraphs.removeLast();
        if (current)
            *current = paragraphs.join(QStringLiteral("\r\n"));
        paragraphs.clear();
    };
    for (const QString& line : source.split(u'\n')) {
        QString text = line;
        if (text.endsWith(u'\r'))
            text.chop(1);
        if (text.startsWith(u'#'))
            continue;
        if (!text.startsWith(QLatin1String("== "))) {
            if (current && !(paragraphs.isEmpty() && text.trimmed().isEmpty()))
                paragraphs << text;
            continue;
        }
        finish();
        const QString head = text.mid(3);
        const QString kind = head.section(u' ', 0, 0);
        const QString name = head.section(u' ', 1);
        if (kind == QLatin1String("welcome"))
            current = &m.m_welcome;
        else if (kind == QLatin1String("category"))
            current = &m.m_intros[name];
        else if (kind == QLatin1String("topic"))
            current = &m.m_topics[name];
        else
            current = nullptr;
    }
    finish();
    return m;
}

const Manual& Manual::builtIn()
{
    static const Manual manual = [] {
        initResources();
        QFile file(QStringLiteral(":/orvel/help/manual.txt"));
        const bool opened = file.open(QIODevice::ReadOnly);
        Q_ASSERT(opened);
        Q_UNUSED(opened);
        return parse(QString::fromUtf8(file.readAll()));
    }();
    return manual;
}

std::optional<QString> Manual::topic(const QString& name) const
{
    const auto it = m_topics.constFind(name);
    if (it == m_topics.constEnd())
        return std::nullopt;
    return *it;
}

} // namespace orvel
