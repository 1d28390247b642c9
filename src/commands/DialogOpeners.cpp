#include "commands/DialogOpeners.h"

#include "dialogs/FontCombo.h"
#include "dialogs/Fonty.h"
#include "dialogs/Hrule.h"
#include "dialogs/Imager.h"
#include "dialogs/Objecter.h"
#include "dialogs/TableCreater.h"
#include "editor/SourceWindow.h"

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
    present(w.form<ImagerDialog>());
}

void table_Click(SourceWindow& w)
{
    present(w.form<TableCreaterDialog>());
}

void Row_Click(SourceWindow& w)
{
    TableCreaterDialog* d = w.form<TableCreaterDialog>();
    d->presetRowMode();
    present(d);
}

void rule_Click(SourceWindow& w)
{
    present(w.form<HruleDialog>());
}

void object_Click(SourceWindow& w)
{
    present(w.form<ObjecterDialog>());
}

void BeginFont_Click(SourceWindow& w)
{
    FontyDialog* d = w.form<FontyDialog>();
    d->Text1->setText(w.Text1->selText());
    present(d);
    // The whole copy, however long, is selected for the first change.
    d->Text1->setSelStart(0);
    d->Text1->setSelLength(d->Text1->length());
}

void btnmorefonts_Click(SourceWindow& w)
{
    present(w.form<FontComboDialog>());
}

} // namespace orvel
