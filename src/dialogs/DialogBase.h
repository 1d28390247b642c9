#pragma once

#include "markup/Digits.h"
#include "platform/Platform.h"

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>

class QLineEdit;
class QStatusBar;
class QToolButton;
class QVBoxLayout;

namespace orvel {

class SourceWindow;
class TextBox;

// What every insertion dialog shares: it is modeless (the source window stays usable and OK acts
// on whatever is selected there at that moment), it shows hints on its status bar `StatusBar1`,
// and closing it unloads it, so the next opener gets a fresh one.
class DialogBase : public QDialog {
    Q_OBJECT
public:
    DialogBase(SourceWindow* owner, const QString& name, const QString& caption);

    SourceWindow* owner() const { return m_owner; }
    // The source window's document box: OK replaces its selection.
    TextBox* mainText() const;

    QStatusBar* StatusBar1 = nullptr;

    // The hint shown while the pointer moves over the dialog's own background.
    void setFormHint(const QString& hint);
    void setHint(QWidget* w, const QString& hint);
    void setHint(QWidget* w, std::function<QString()> hint);
    QString currentHint() const;

    // Closes and destroys the dialog.
    void unload();
    // Escape closes the dialog like its close box. QDialog would only hide it, and the next
    // opener would then get the hidden dialog back with its old entries.
    void reject() override { unload(); }

protected:
    // The area above the status bar, for the dialog's own controls.
    QVBoxLayout* body() const { return m_body; }
    void closeEvent(QCloseEvent* e) override;

private:
    SourceWindow* m_owner;
    QVBoxLayout* m_body;
};

// An up-down control: two small arrow buttons paired with a number box. It holds no value of its
// own; each click steps the box's text, within bounds (see bindUpDown).
class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(const QString& name, QWidget* parent = nullptr);
    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }

signals:
    void up();
    void down();

private:
    QToolButton* m_up;
    QToolButton* m_down;
};

// The stepping shared by the dialogs: an up click adds 1 to the number in `box` only while it is
// below `upper`, a down click subtracts 1 only while it is above `lower`; the result is written
// back as text, which runs the box's own change rule. Text that is not a number counts as 0.
void stepUp(QLineEdit* box, std::optional<int> upper);
void stepDown(QLineEdit* box, std::optional<int> lower);
void bindUpDown(UpDown* upDown, QLineEdit* box, std::optional<int> lower, std::optional<int> upper);

// The digit filter of the number boxes, run on every change of `box`: an empty box gets
// `fallback`; otherwise the character before the caret (the one just typed) must be a digit, and
// so must the whole text (pasted or set by a command), but for one trailing "%" where
// `trailingPercent` allows it. Refused text gives the message "Invalid Entry. Specify a valid
// number" and the box gets `fallback`. Returns false when it refused the text.
bool digitFilter(QLineEdit* box, const QString& fallback, bool trailingPercent = false);
inline const QString kInvalidNumber = QStringLiteral("Invalid Entry. Specify a valid number");

} // namespace orvel
