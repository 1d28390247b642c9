#include "assist/SmartCorrect.h"

#include "assist/SmartSelect.h"
#include "assist/TextSearch.h"
#include "dialogs/Fonty.h"
#include "dialogs/Hrule.h"
#include "dialogs/Imager.h"
#include "dialogs/LinkComplete.h"
#include "editor/TextBox.h"
#include "markup/TagFields.h"
#include "platform/Platform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

namespace orvel {

namespace {

using correct::Kind;

// The dialogs one Smart Correct has filled so far. Each starts from its own defaults: one still
// open from an earlier use (the image dialog stays open after its OK) would keep that use's
// values in the fields the tag does not carry. A mail link fills the link dialog twice.
class Filled {
public:
    explicit Filled(const DialogTarget& target) : m_target(target) {}
    template <class D> D* dialog()
    {
        if (!m_started.contains(&D::staticMetaObject)) {
            m_started << &D::staticMetaObject;
            for (QObject* child : m_target.window->children())
                if (auto* old = qobject_cast<D*>(child))
                    old->unload();
        }
        return dialogFor<D>(m_target);
    }

private:
    const DialogTarget& m_target;
    QList<const QMetaObject*> m_started;
};

void present(QWidget* dialog)
{
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

// Selects the tag from `p` through its ">". Without one the page gets a ">" at its very end, in
// the kind's wording, and the caret stays at `p`.
bool selectTag(TextModel& text, int p, Kind kind)
{
    const int end = findForward(text, QStringLiteral(">"), p);
    text.setSelStart(p);
    if (end < 0) {
        const bool caps = correct::capitalised(kind);
        platform().message(caps ? kTagEndCorrectedMessage : kTagEndCorrectedLower,
                           MsgIcon::Exclamation, caps ? kAssistantTitle : kAssistantTitleLower);
        text.replaceAt({text.length()}, 0, QStringLiteral(">"));
        return false;
    }
    text.setSelLength(end + 1 - p);
    return true;
}

void openImage(Filled& filled, const QString& tag)
{
    const correct::ImageValues v = correct::readImage(tag);
    ImagerDialog* d = filled.dialog<ImagerDialog>();
    d->imageurl->setText(v.url);
    d->txtheight->setText(v.height);
    d->txtwidth->setText(v.width);
    d->dimen->setChecked(v.dimensions);
    if (v.alternate)
        d->txtalternate->setText(*v.alternate);
    d->txtalignment->setEditText(v.alignment);
    d->txtborder->setText(v.border);
    present(d);
}

void openFont(Filled& filled, const QString& tag)
{
    const correct::FontValues v = correct::readFont(tag);
    FontyDialog* d = filled.dialog<FontyDialog>();
    // The dialog's OK writes its own copy over the selection: with the tag in it, OK keeps the
    // tag (as edited there) instead of deleting it.
    d->Text1->setText(tag);
    d->Text1->setSelStart(d->Text1->length());
    if (v.rgb)
        d->Text3->setText(*v.rgb);
    if (v.colour)
        d->Combo2->setEditText(*v.colour);
    if (v.face)
        d->Text4->setText(*v.face);
    if (v.size)
        d->txtfontsize->setText(*v.size);
    present(d);
}

void openRule(Filled& filled, const QString& tag)
{
    const correct::RuleValues v = correct::readRule(tag);
    HruleDialog* d = filled.dialog<HruleDialog>();
    if (!v.align.isEmpty()) {
        // An alignment the list does not offer leaves nothing chosen, which writes no align.
        const QList<QListWidgetItem*> found = d->Align->findItems(v.align, Qt::MatchFixedString);
        if (found.isEmpty())
            d->Align->clearSelection();
        else
            d->Align->setCurrentItem(found.first());
    }
    if (!v.width.isEmpty())
        d->widther->setText(v.width);
    if (!v.size.isEmpty())
        d->size->setText(v.size);
    if (!v.colour.isEmpty())
        d->Combo2->setEditText(v.colour);
    present(d);
}

// The link text lies outside the tag: it is not the dialog's to edit.
void leaveLinkText(LinkCompleteDialog* d)
{
    d->txttodisplay->setEnabled(false);
    d->txttodisplay->clear();
}

void openMail(Filled& filled, const QString& tag, int& correctState)
{
    const correct::MailValues v = correct::readMail(tag);
    LinkCompleteDialog* d = filled.dialog<LinkCompleteDialog>();
    present(d);
    d->Option2->setChecked(true);
    if (!v.address.isEmpty()) {
        leaveLinkText(d);
        d->mailid->setText(v.address);
    }
    if (!v.title.isEmpty())
        d->mailscreentip->setText(v.title);
    if (!v.subject.isEmpty())
        d->subject->setText(v.subject);
    d->mailid->setFocus();
    const qsizetype subject = d->mailid->text().indexOf(QStringLiteral("?subject"));
    correctState = int(subject + 1);
    if (subject >= 0)
        d->mailid->setText(d->mailid->text().left(subject));
}

void openLink(Filled& filled, const QString& tag)
{
    const correct::LinkValues v = correct::readLink(tag);
    LinkCompleteDialog* d = filled.dialog<LinkCompleteDialog>();
    if (!v.url.isEmpty()) {
        leaveLinkText(d);
        d->linkurl->setText(v.url);
    }
    if (!v.title.isEmpty())
        d->linkscreentip->setText(v.title);
    present(d);
}

} // namespace

void smartCorrect(const DialogTarget& target, int& correctState)
{
    TextModel& text = *target.text;
    smartSelect(text);
    if (text.selLength() == 0) {
        platform().message(kPlaceCursorMessage, MsgIcon::Information, kAssistantTitle);
        text.focus();
    }
    trueAutoCorrect(target, correctState);
}

void trueAutoCorrect(const DialogTarget& target, int& correctState)
{
    TextModel& text = *target.text;
    const int p = text.selStart();
    Filled filled(target);
    for (const Kind kind : correct::kinds()) {
        // Each kind looks at the selection the kinds before it left.
        if (!correct::isKind(kind, text.selText()) || !selectTag(text, p, kind))
            continue;
        const QString tag = text.selText();
        switch (kind) {
        case Kind::Image:
            openImage(filled, tag);
            break;
        case Kind::Font:
            openFont(filled, tag);
            break;
        case Kind::Rule:
            openRule(filled, tag);
            break;
        case Kind::MailLink:
            openMail(filled, tag, correctState);
            break;
        case Kind::Hyperlink:
            openLink(filled, tag);
            break;
        }
    }
}

} // namespace orvel
