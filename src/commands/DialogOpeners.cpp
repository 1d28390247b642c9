#include "commands/DialogOpeners.h"

#include "dialogs/BulNumCreater.h"
#include "dialogs/FontCombo.h"
#include "dialogs/Fonty.h"
#include "dialogs/Heading.h"
#include "dialogs/Hrule.h"
#include "dialogs/Imager.h"
#include "dialogs/LinkComplete.h"
#include "dialogs/ListBox.h"
#include "dialogs/Objecter.h"
#include "dialogs/TableCreater.h"
#include "editor/SourceWindow.h"

#include <QLineEdit>
#include <QRadioButton>

namespace orvel {

namespace {

void present(QWidget* dialog)
{
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

} // namespace

void Images_Click(SourceWindow& w)
{
    present(dialogFor<ImagerDialog>({&w, w.Text1}));
}

void table_Click(SourceWindow& w)
{
    present(dialogFor<TableCreaterDialog>({&w, w.Text1}));
}

void Row_Click(SourceWindow& w)
{
    TableCreaterDialog* d = dialogFor<TableCreaterDialog>({&w, w.Text1});
    d->presetRowMode();
    present(d);
}

void rule_Click(SourceWindow& w)
{
    present(dialogFor<HruleDialog>({&w, w.Text1}));
}

void object_Click(SourceWindow& w)
{
    present(dialogFor<ObjecterDialog>({&w, w.Text1}));
}

void InsertHead_Click(SourceWindow& w)
{
    present(dialogFor<HeadingDialog>({&w, w.Text1}));
}

void linker_Click(SourceWindow& w)
{
    LinkCompleteDialog* d = dialogFor<LinkCompleteDialog>({&w, w.Text1});
    // Also when the dialog is already open: the link is for what is selected now.
    d->txttodisplay->setText(w.Text1->selText());
    present(d);
}

void Mail_Click(SourceWindow& w)
{
    LinkCompleteDialog* d = dialogFor<LinkCompleteDialog>({&w, w.Text1});
    present(d);
    d->Option2->setChecked(true);
}

void BeginFont_Click(SourceWindow& w)
{
    FontyDialog* d = dialogFor<FontyDialog>({&w, w.Text1});
    d->Text1->setText(w.Text1->selText());
    present(d);
    // The whole copy, however long, is selected for the first change.
    d->Text1->setSelStart(0);
    d->Text1->setSelLength(d->Text1->length());
}

void btnmorefonts_Click(SourceWindow& w)
{
    present(dialogFor<FontComboDialog>({&w, w.Text1}));
}

void numberings_Click(SourceWindow& w)
{
    BulNumCreaterDialog* d = dialogFor<BulNumCreaterDialog>({&w, w.Text1});
    d->preset(ListKind::Numbered);
    present(d);
}

void Bullet_Click(SourceWindow& w)
{
    BulNumCreaterDialog* d = dialogFor<BulNumCreaterDialog>({&w, w.Text1});
    d->preset(ListKind::Bulleted);
    present(d);
}

void selecter_Click(SourceWindow& w)
{
    ListBoxDialog* d = dialogFor<ListBoxDialog>({&w, w.Text1});
    d->presetListBox();
    present(d);
}

void puller_Click(SourceWindow& w)
{
    ListBoxDialog* d = dialogFor<ListBoxDialog>({&w, w.Text1});
    present(d);
    d->presetDropDown();
}

} // namespace orvel
