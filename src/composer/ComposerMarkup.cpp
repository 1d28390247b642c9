#include "composer/ComposerMarkup.h"

namespace orvel::composer {

namespace {

const TextFragment kTextFragments[] = {
    {"mnuStrike", "Enter the text to be struck off", "<STRIKE>", "</STRIKE>"},
    {"mnuBig", "Enter the text to be made big", "<BIG>", "</BIG>"},
    {"mnuSmall", "Enter the text to be made small", "<SMALL>", "</SMALL>"},
    {"mnuCode", "Enter the text to be shown as code", "<CODE>", "</CODE>"},
    {"mnuKBD", "Enter the text to be shown to be keyboard text", "<KBD>", "</KBD>"},
    {"mnuAbbr", "Enter the text to be abbreviated", "<ABBR>", "</ABBR>"},
    {"mnusubscript", "Enter the text to be made to subscript", "<SUB>", "</SUB>"},
    {"mnusuperscript", "Enter the text to be made to superscript", "<SUP>", "</SUP>"},
    {"mnurectbox", "Enter the text to be inserted within the rectangualr box",
     "<div style=\"border-style: solid; border-width: 1; padding-left: 4; padding-right: 4; "
     "padding-top: 1; padding-bottom: 1\">",
     "</div>"},
};

const NamedControl kNamedControls[] = {
    {"mnutextbox", "Please enter a name for the textbox",
     "<INPUT TYPE=\"TEXT\"  VALUE=\"\"  NAME=\""},
    {"mnupassword", "Please enter a name for the Password field",
     "<INPUT TYPE=\"PASSWORD\"  VALUE=\"\"  NAME=\""},
    {"mnuradio", "Please enter a name for the radio button",
     "<INPUT TYPE=\"RADIO\"  VALUE=\"\"  NAME=\""},
    {"mnucheckbox", "Please enter a name for the checkbox",
     "<INPUT TYPE=\"CHECKBOX\"  VALUE=\"\"  NAME=\""},
    {"mnubutton", "Please enter a name for the button",
     "<INPUT TYPE=\"BUTTON\"  VALUE=\"Button\"  NAME=\""},
    {"mnusubmit", "Please enter a name for the submit button",
     "<INPUT TYPE=\"SUBMIT\"  VALUE=\"Submit\"  NAME=\""},
    {"mnureset", "Please enter a name for the reset button",
     "<INPUT TYPE=\"RESET\"  VALUE=\"Reset\"  NAME=\""},
    {"mnubrowse", "Please enter a name for the browse button", "<INPUT TYPE=\"FILE\" NAME=\""},
};

const QString kCrLf = QStringLiteral("\r\n");

} // namespace

std::span<const TextFragment> textFragments()
{
    return kTextFragments;
}

std::span<const NamedControl> namedControls()
{
    return kNamedControls;
}

QString textArea(const QString& name, const QString& cols, const QString& rows)
{
    return QStringLiteral("<TEXTAREA Cols=\"") + cols + QStringLiteral("\" rows=\"") + rows +
           QStringLiteral("\" NAME=\"") + name + QStringLiteral("\" wrap=\"OFF\">") + kCrLf +
           kCrLf + QStringLiteral("</TEXTAREA>");
}

QString fieldSet(bool withLegend, const QString& legend)
{
    QString f = QStringLiteral("<FIELDSET>") + kCrLf;
    if (withLegend)
        f += QStringLiteral("<LEGEND>") + legend + QStringLiteral("</LEGEND>") + kCrLf;
    return f + kCrLf + QStringLiteral("</FIELDSET>");
}

QString highlight(const QString& code, const QString& text)
{
    return QStringLiteral("<SPAN STYLE=\"BACKGROUND-COLOR: #") + code + QStringLiteral("\">") +
           text + QStringLiteral("</SPAN>");
}

QString composerTable(const TableFields& f)
{
    return QStringLiteral("<TABLE BORDER=\"") + f.border + QStringLiteral("\" CELLPADDING=\"") +
           f.padding + QStringLiteral("\" CELLSPACING=\"") + f.spacing + QStringLiteral("\" >  ") +
           kCrLf + f.caption + kCrLf + tableRows(f.rows, f.cols) + kCrLf +
           QStringLiteral("</TABLE>");
}

QStringList specialCharacters()
{
    // Windows-1252 codes; a pair stands for the whole range between its two codes.
    static const std::pair<int, int> codes[] = {
        {0x21, 0x22}, {0x27, 0x27}, {0x23, 0x26}, {0x28, 0x2D}, {0x7B, 0x7B}, {0x7D, 0x7D},
        {0x20, 0x20}, {0xA9, 0xA9}, {0xAE, 0xAE}, {0x99, 0x99}, {0x2E, 0x30}, {0x3A, 0x40},
        {0x5B, 0x5E}, {0x8B, 0x8B}, {0x9B, 0x9B}, {0x7C, 0x7C}, {0x7E, 0x7E}, {0xA1, 0xA8},
        {0xAA, 0xAD}, {0xAF, 0xAF}, {0xB0, 0xB7}, {0x80, 0x80}, {0xB8, 0xE0}, {0x88, 0x88},
        {0xAF, 0xB0}, {0x98, 0x98}, {0x60, 0x60}, {0xB4, 0xB4}, {0x7E, 0x7E}, {0x3B, 0x3B},
        {0x61, 0x61}, {0xDF, 0xDF}, {0x3F, 0x3F}, {0x64, 0x65}, {0xB5, 0xB5}, {0x3F, 0x3F},
        {0x70, 0x70}, {0x3F, 0x3F}, {0x96, 0x97}, {0x91, 0x92}, {0x82, 0x82}, {0x93, 0x94},
        {0x84, 0x84}, {0x86, 0x87}, {0x95, 0x95}, {0x85, 0x85}, {0x89, 0x89}, {0x27, 0x27},
        {0x2F, 0x2F}, {0x6E, 0x6E}, {0xA3, 0xA3}, {0x50, 0x50}, {0x6C, 0x6C}, {0x65, 0x65},
        {0x3F, 0x3F}, {0x2D, 0x2D}, {0x2F, 0x2F}, {0xB7, 0xB7}, {0x76, 0x76}, {0x38, 0x38},
        {0x98, 0x98}, {0x3F, 0x3F}, {0x3D, 0x3D}, {0xA6, 0xA6}, {0xAC, 0xAC}, {0xA4, 0xA4},
    };
    // The code page's own letters between 0x80 and 0x9F; the rest are Latin-1.
    static const char16_t high[32] = {
        0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x8D,   0x017D, 0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};
    QStringList list;
    for (const auto& [from, to] : codes) {
        for (int c = from; c <= to; ++c)
            list << QString(QChar(c >= 0x80 && c < 0xA0 ? high[c - 0x80] : char16_t(c)));
    }
    return list;
}

} // namespace orvel::composer
