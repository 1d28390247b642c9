#include "commands/DialogOpeners.h"

#include "commands/FontToolbar.h"
#include "commands/Install.h"
#include "dialogs/FontCombo.h"
#include "dialogs/Fonty.h"
#include "dialogs/Hrule.h"
#include "dialogs/Imager.h"
#include "dialogs/Objecter.h"
#include "dialogs/TableCreater.h"
#include "editor/SourceWindow.h"

#include <QAbstractButton>
#include <QPushButton>

namespace orvel {

namespace {

void present(QWidget* dialog)
{
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

// The button `name` of the window's groups runs `click`, and so does the menu entry `menu`.
void wire(SourceWindow& w, QAbstractButton* button, const char* menu, void (*click)(SourceWindow&))
{
    if (button) {
        button->setEnabled(true);
        QObject::connect(button, &QAbstractButton::clicked, &w, [&w, click] { click(w); });
    }
    if (*menu)
        w.onMenu(QString::fromUtf8(menu), [&w, click] { click(w); });
}

QAbstractButton* button(SourceWindow& w, const char* name)
{
    return w.findChild<QAbstractButton*>(QString::fromUtf8(name));
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

void installDialogOpeners(SourceWindow& w)
{
    wire(w, button(w, "Images"), "imagea", Images_Click);
    wire(w, button(w, "table"), "tableb", table_Click);
    wire(w, button(w, "Row"), "rowa", Row_Click);
    wire(w, button(w, "rule"), "hra", rule_Click);
    wire(w, button(w, "object"), "", object_Click);
    if (FontToolbar* toolbar = fontToolbar(w)) {
        wire(w, toolbar->BeginFont, "mnufont", BeginFont_Click);
        wire(w, toolbar->btnmorefonts, "", btnmorefonts_Click);
    }
}

} // namespace orvel
