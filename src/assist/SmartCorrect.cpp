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

void openImage(const DialogTarget& target, const QString& tag)
{
    const correct::ImageValues v = correct::readImage(tag);
    ImagerDialog* d = dialogFor<ImagerDialog>(target);
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

void openFont(const DialogTarget& target, const QString& tag)
{
    const correct::FontValues v = correct::readFont(tag);
    FontyDialog* d = dialogFor<FontyDialog>(target);
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

void openRule(const DialogTarget& target, const QString& tag)
{
    const correct::RuleValues v = correct::readRule(tag);
    HruleDialog* d = dialogFor<HruleDialog>(target);
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

void openMail(const DialogTarget& target, const QString& tag, int& correctState)
{
    const correct::MailValues v = correct::readMail(tag);
    LinkCompleteDialog* d = dialogFor<LinkCompleteDialog>(target);
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

void openLink(const DialogTarget& target, const QString& tag)
{
    const correct::LinkValues v = correct::readLink(tag);
    LinkCompleteDialog* d = dialogFor<LinkCompleteDialog>(target);
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
    for (const Kind kind : correct::kinds()) {
        // Each kind looks at the selection the kinds before it left.
        if (!correct::isKind(kind, text.selText()) || !selectTag(text, p, kind))
            continue;
        const QString tag = text.selText();
        switch (kind) {
        case Kind::Image:
            openImage(target, tag);
            break;
        case Kind::Font:
            openFont(target, tag);
            break;
        case Kind::Rule:
            openRule(target, tag);
            break;
        case Kind::MailLink:
            openMail(target, tag, correctState);
            break;
        case Kind::Hyperlink:
            openLink(target, tag);
            break;
        }
    }
}

} // namespace orvel
