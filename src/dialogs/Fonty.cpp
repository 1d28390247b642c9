#include "dialogs/Fonty.h"

#include "editor/TextBox.h"
#include "markup/Lists.h"
#include "markup/TagMarkup.h"
#include "platform/Platform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace orvel {

const QString FontyDialog::kRgbMessage =
    QStringLiteral("Invalid value, 6 letters/numbers are required for RGB");
const QString FontyDialog::kNoEndTagMessage = QStringLiteral(
    "Assistant has discovered the absence of the end-tag(>). It has been added at the end. You "
    "may want to remove it later or alter it.");
const QString FontyDialog::kTagEndMissingMessage = QStringLiteral(
    "The end of the tag was not found. This problem is corrected. Please verify and alter if "
    "necessary. You may run the Smart Correct tool now.");

namespace {

const QString kDefaultFace = QStringLiteral("Times New Roman");
const QString kBlack = QStringLiteral("black");

} // namespace

FontyDialog::FontyDialog(const DialogTarget& target)
    : DialogBase(target, QStringLiteral("Fonty"),
                 QStringLiteral("Font: Select text and perform operation - Orvel"))
{
    buildControls();
    installHints();
    wireRules();
    Form_Load();
}

void FontyDialog::buildControls()
{
    Label2 = label(this, QStringLiteral("Label2"),
                   QStringLiteral("Select text, and perform the font changes. Click OK to accept "
                                  "all changes. Cancel to reject"));
    Label2->setWordWrap(true);
    body()->addWidget(Label2);

    Text1 = new TextBox(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette info = Text1->palette();
    info.setColor(QPalette::Base, info.color(QPalette::ToolTipBase));
    info.setColor(QPalette::Text, info.color(QPalette::ToolTipText));
    Text1->setPalette(info);
    body()->addWidget(Text1, 1);

    fonter = new QGroupBox(QStringLiteral("Font Editting"), this);
    fonter->setObjectName(QStringLiteral("fonter"));
    auto* grid = new QGridLayout(fonter);

    Command1 = pushButton(fonter, QStringLiteral("Command1"), QStringLiteral("Set"),
                          QStringLiteral("Set!"));
    bold = pushButton(fonter, QStringLiteral("bold"), QStringLiteral("B"),
                      QStringLiteral("Make text bold"));
    QFont heavy = bold->font();
    heavy.setBold(true);
    bold->setFont(heavy);
    italic = pushButton(fonter, QStringLiteral("italic"), QStringLiteral("I"),
                        QStringLiteral("Italicise text"));
    underline = pushButton(fonter, QStringLiteral("underline"), QStringLiteral("U"),
                           QStringLiteral("Underline text"));
    SmartSelect = pushButton(fonter, QStringLiteral("SmartSelect"), QStringLiteral("Edit....."),
                             QStringLiteral("Smart Select, Smart Edit."));
    auto* actions = new QHBoxLayout;
    for (QPushButton* b : {Command1, bold, italic, underline, SmartSelect})
        actions->addWidget(b);
    actions->addStretch(1);
    grid->addLayout(actions, 0, 0, 1, 4);

    Combo2 = editableCombo(fonter, QStringLiteral("Combo2"), kHtmlColours, kBlack,
                           QStringLiteral("Choose font colour"));
    Check1 = checkBox(fonter, QStringLiteral("Check1"), QStringLiteral("RGB Code"));
    Label1 = label(fonter, QStringLiteral("Label1"), QStringLiteral("RGB Code"));
    Text3 = lineBox(fonter, QStringLiteral("Text3"), QString(),
                    QStringLiteral("Enter six letters colour code. Eg:- CCFFCC"));
    limitTyping(Text3, 6);
    Text3->setEnabled(false);
    grid->addWidget(Combo2, 1, 0);
    grid->addWidget(Check1, 1, 1);
    grid->addWidget(Label1, 1, 2);
    grid->addWidget(Text3, 1, 3);

    Combo1 = editableCombo(
        fonter, QStringLiteral("Combo1"), kFontDialogFaces, kDefaultFace,
        QStringLiteral("Choose font face (Only fonts that work everywhere are included here) and "
                       "click on set."));
    Text4 = lineBox(fonter, QStringLiteral("Text4"), kDefaultFace,
                    QStringLiteral("Enter font face and click on set"));
    grid->addWidget(Combo1, 2, 0);
    grid->addWidget(Text4, 2, 1, 1, 3);

    // No digit filter: the size rule itself keeps the size for what is not a number.
    const NumberBox size =
        numberBox(fonter, {.name = QStringLiteral("txtfontsize"),
                           .text = QStringLiteral("3"),
                           .typedMax = 1,
                           .upDown = QStringLiteral("fontsizeUpDown"),
                           .lower = 1,
                           .upper = 7,
                           .tip = QStringLiteral("Change font size of selected text")});
    txtfontsize = size.box;
    fontsizeUpDown = size.upDown;
    txtfontsize->setMaximumWidth(40);
    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(txtfontsize);
    sizeRow->addWidget(fontsizeUpDown);
    sizeRow->addStretch(1);
    grid->addLayout(sizeRow, 3, 0);
    body()->addWidget(fonter);

    const OkCancelRow leave = okCancelRow(QStringLiteral("OK"));
    OKButton = leave.ok;
    CancelButton = leave.cancel;
    body()->addLayout(leave.row);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
}

void FontyDialog::installHints()
{
    setFormHint(QStringLiteral("Make advanced font editing"));
    setHint(bold, QStringLiteral("Make selected text bold. Select text with bold tags to unbold"));
    setHint(italic, QStringLiteral("Italicise selected text. Remove italics tag by selecting text "
                                   "with tags and clicking here"));
    setHint(underline, QStringLiteral("Underline selected text. Remove underline of underlined "
                                      "text by selection with starting tag"));
    setHint(Check1, QStringLiteral("Check this if you wish to insert RGB code of colour"));
    setHint(Command1, QStringLiteral("Apply all font settings"));
    for (QWidget* w :
         {static_cast<QWidget*>(fontsizeUpDown), static_cast<QWidget*>(fontsizeUpDown->upButton()),
          static_cast<QWidget*>(fontsizeUpDown->downButton())})
        setHint(w, QStringLiteral("Change the font size"));
    setHint(OKButton, QStringLiteral("Apply selected changes"));
    setHint(CancelButton, QStringLiteral("Return without making any changes"));
    setHint(SmartSelect, QStringLiteral("Place cursor within the opening font tag and click on "
                                        "this for smart correction"));
    setHint(Text1, QStringLiteral("Perform font changes to selected text here"));
    setHint(Text1->viewport(), QStringLiteral("Perform font changes to selected text here"));
    setHint(Text3, QStringLiteral("The 6 character RGB code is to be inserted here"));
    setHint(Text4, QStringLiteral("Enter a font name, or choose one from below"));
    setHint(txtfontsize, QStringLiteral("This displays the font size. 3 is default"));
    // Installed after the hint, so the RGB check runs before the hint is shown.
    Command1->installEventFilter(this);
}

void FontyDialog::wireRules()
{
    connect(txtfontsize, &QLineEdit::textChanged, this, &FontyDialog::txtfontsize_Change);
    connect(Combo2, &QComboBox::editTextChanged, this, &FontyDialog::Combo2_Change);
    connect(Combo2, &QComboBox::activated, this, &FontyDialog::Combo2_Change);
    connect(Text3, &QLineEdit::textChanged, this, &FontyDialog::Text3_Change);
    connect(Check1, &QCheckBox::toggled, this, &FontyDialog::Check1_Click);
    connect(Combo1, &QComboBox::editTextChanged, this, &FontyDialog::Combo1_Change);
    connect(Combo1, &QComboBox::activated, this, &FontyDialog::Combo1_Change);
    connect(Text4, &QLineEdit::textChanged, this, &FontyDialog::Text4_Change);

    connect(Command1, &QPushButton::clicked, this, &FontyDialog::Command1_Click);
    connect(bold, &QPushButton::clicked, this, &FontyDialog::bold_Click);
    connect(italic, &QPushButton::clicked, this, &FontyDialog::italic_Click);
    connect(underline, &QPushButton::clicked, this, &FontyDialog::underline_Click);
    connect(SmartSelect, &QPushButton::clicked, this, &FontyDialog::SmartSelect_Click);
    connect(OKButton, &QPushButton::clicked, this, &FontyDialog::OKButton_Click);
    connect(Timer1, &QTimer::timeout, this, &FontyDialog::Timer1_Timer);
}

void FontyDialog::Form_Load()
{
    repairStrayValues();
    if (!Text3->text().isEmpty())
        Check1->setChecked(true);
    if (txtfontsize->text().isEmpty())
        txtfontsize->setText(QStringLiteral("3"));
    m_fragments = {};
    Timer1->start();
}

void FontyDialog::Timer1_Timer()
{
    repairStrayValues();
}

// Pieces of tag text that the tag reader leaves when a tag lacks an attribute go back to the
// defaults. A face repaired this way stands for a tag that named no face.
void FontyDialog::repairStrayValues()
{
    if (font::isStrayValue(Text4->text())) {
        Text4->setText(kDefaultFace);
        m_fragments.face.clear();
    }
    if (font::isStrayValue(Combo2->currentText()))
        Combo2->setEditText(kBlack);
}

void FontyDialog::txtfontsize_Change()
{
    const QString text = txtfontsize->text();
    // A tag without a size leaves a piece of tag text here: that is the default size too.
    if (text.isEmpty() || text == QStringLiteral(" ") || font::isStrayValue(text)) {
        txtfontsize->setText(QStringLiteral("3"));
        return;
    }
    // Anything else that is not a number keeps the size the dialog had.
    if (const auto fragment = font::sizeFragment(text))
        m_fragments.size = *fragment;
}

void FontyDialog::Combo2_Change()
{
    const QString text = Combo2->currentText();
    if (font::isStrayValue(text)) {
        Combo2->setEditText(kBlack);
        return;
    }
    // While RGB Code is on, the colour comes from the code box alone.
    if (!Text3->isEnabledTo(this))
        m_fragments.colour = font::namedColourFragment(text);
}

void FontyDialog::Text3_Change()
{
    // A code put in from outside while RGB Code is off switches it on; otherwise emptying the
    // colour list next would replace the code with an empty colour.
    if (!Text3->isEnabledTo(this) && !Text3->text().isEmpty())
        Check1->setChecked(true);
    m_fragments.colour = font::rgbColourFragment(Text3->text());
}

void FontyDialog::Check1_Click()
{
    Text3->setEnabled(Check1->isChecked());
    if (!Check1->isChecked())
        Combo2_Change();
}

void FontyDialog::Combo1_Change()
{
    Text4->setText(Combo1->currentText());
    m_fragments.face = font::faceFragment(Text4->text());
}

void FontyDialog::Text4_Change()
{
    if (font::isBareStray(Text4->text())) {
        Text4->setText(Combo1->currentText());
        return;
    }
    // A typed face applies too, as the box's tip promises.
    m_fragments.face = font::faceFragment(Text4->text());
}

void FontyDialog::Command1_Click()
{
    Text1->setSelText(font::wrap(m_fragments, Text1->selText()));
}

void FontyDialog::Command1_MouseMove()
{
    if (Check1->isChecked() && Text3->text().size() < 6) {
        platform().message(kRgbMessage);
        Text3->setText(QStringLiteral("000000"));
    }
}

bool FontyDialog::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == Command1) {
        switch (e->type()) {
        case QEvent::MouseMove:
        case QEvent::HoverMove:
        case QEvent::Enter:
            Command1_MouseMove();
            break;
        default:
            break;
        }
    }
    return DialogBase::eventFilter(watched, e);
}

void FontyDialog::wrapSelection(const QString& open, const QString& close)
{
    if (Text1->selLength() > 0)
        Text1->setSelText(toggledText(Text1->selText(), open, close));
    Text1->setFocus();
}

void FontyDialog::bold_Click()
{
    wrapSelection(QStringLiteral("<B>"), QStringLiteral("</B>"));
}

void FontyDialog::italic_Click()
{
    wrapSelection(QStringLiteral("<I>"), QStringLiteral("</I>"));
}

void FontyDialog::underline_Click()
{
    wrapSelection(QStringLiteral("<U>"), QStringLiteral("</U>"));
}

void FontyDialog::SmartSelect_Click()
{
    const int p = Text1->selStart();
    // The blank keeps a tag at the very start from sitting at index 0, which counts as no tag.
    if (!Text1->text().startsWith(u' '))
        Text1->setText(QStringLiteral(" ") + Text1->text());
    Text1->setSelStart(p);
    Text1->setFocus();

    const auto appendEnd = [this](MsgIcon icon, const QString& message) {
        const int caret = Text1->selStart();
        platform().message(message, icon, kAssistantTitle);
        Text1->setSelStart(Text1->length());
        Text1->setSelText(QStringLiteral(">"));
        Text1->setSelStart(caret);
    };

    const std::optional<int> t = font::tagStartBefore(Text1->text(), p);
    if (t && *t > 0) {
        // The end is looked for from the character before the caret on.
        const std::optional<int> e = font::tagEndFrom(Text1->text(), p - 1);
        Text1->setSelStart(*t);
        if (!e) {
            appendEnd(MsgIcon::Information, kNoEndTagMessage);
            return;
        }
        Text1->setSelLength(*e + 1 - *t);
    }
    if (!font::isFontOpening(Text1->selText()))
        return;

    const int start = Text1->selStart();
    const std::optional<int> e = font::tagEndFrom(Text1->text(), start);
    if (!e) {
        appendEnd(MsgIcon::Exclamation, kTagEndMissingMessage);
        return;
    }
    Text1->setSelStart(start);
    Text1->setSelLength(*e + 1 - start);
    loadTag(Text1->selText());
}

void FontyDialog::loadTag(const QString& tag)
{
    const font::TagValues v = font::readFontTag(tag);
    // RGB Code follows the tag's colour, so Set writes back the colour that was read.
    const bool rgb = v.colour.startsWith(u'#');
    Check1->setChecked(rgb);
    // Each rule runs even when the box already held the value read, so the fragments always
    // follow the tag.
    if (rgb) {
        Text3->setText(v.colour.mid(1));
        Text3_Change();
        Combo2->setEditText(QString());
    } else {
        Combo2->setEditText(v.colour);
        Combo2_Change();
    }
    Text4->setText(v.face);
    Text4_Change();
    txtfontsize->setText(v.size);
    txtfontsize_Change();
}

void FontyDialog::OKButton_Click()
{
    target().text->setSelText(Text1->text());
    unload();
}

} // namespace orvel
