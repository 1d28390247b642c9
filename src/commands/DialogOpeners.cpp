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
#include "editor/TextBox.h"

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

void Images_Click(const CommandContext& c)
{
    present(dialogFor<ImagerDialog>({c.window, c.text}));
}

void table_Click(const CommandContext& c)
{
    present(dialogFor<TableCreaterDialog>({c.window, c.text}));
}

void Row_Click(const CommandContext& c)
{
    TableCreaterDialog* d = dialogFor<TableCreaterDialog>({c.window, c.text});
    d->presetRowMode();
    present(d);
}

void rule_Click(const CommandContext& c)
{
    present(dialogFor<HruleDialog>({c.window, c.text}));
}

void object_Click(const CommandContext& c)
{
    present(dialogFor<ObjecterDialog>({c.window, c.text}));
}

void InsertHead_Click(const CommandContext& c)
{
    present(dialogFor<HeadingDialog>({c.window, c.text}));
}

void linker_Click(const CommandContext& c)
{
    LinkCompleteDialog* d = dialogFor<LinkCompleteDialog>({c.window, c.text});
    // Also when the dialog is already open: the link is for what is selected now.
    d->txttodisplay->setText(c.text->selText());
    present(d);
}

void Mail_Click(const CommandContext& c)
{
    LinkCompleteDialog* d = dialogFor<LinkCompleteDialog>({c.window, c.text});
    present(d);
    d->Option2->setChecked(true);
}

void BeginFont_Click(const CommandContext& c)
{
    FontyDialog* d = dialogFor<FontyDialog>({c.window, c.text});
    d->Text1->setText(c.text->selText());
    present(d);
    // The whole copy, however long, is selected for the first change.
    d->Text1->setSelStart(0);
    d->Text1->setSelLength(d->Text1->length());
}

void btnmorefonts_Click(const CommandContext& c)
{
    present(dialogFor<FontComboDialog>({c.window, c.text}));
}

void numberings_Click(const CommandContext& c)
{
    BulNumCreaterDialog* d = dialogFor<BulNumCreaterDialog>({c.window, c.text});
    d->preset(ListKind::Numbered);
    present(d);
}

void Bullet_Click(const CommandContext& c)
{
    BulNumCreaterDialog* d = dialogFor<BulNumCreaterDialog>({c.window, c.text});
    d->preset(ListKind::Bulleted);
    present(d);
}

void selecter_Click(const CommandContext& c)
{
    ListBoxDialog* d = dialogFor<ListBoxDialog>({c.window, c.text});
    d->presetListBox();
    present(d);
}

void puller_Click(const CommandContext& c)
{
    ListBoxDialog* d = dialogFor<ListBoxDialog>({c.window, c.text});
    present(d);
    d->presetDropDown();
}

} // namespace orvel
