#pragma once

#include "markup/Digits.h"
#include "platform/Platform.h"

#include <QDialog>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QToolButton;
class QVBoxLayout;

namespace orvel {

class TextModel;

// Where an insertion dialog works: the window it belongs to (the dialog is that window's child
// and stays above it) and the text whose selection its OK replaces. The source window gives its
// page box; the composer gives its own window and text.
struct DialogTarget {
    QWidget* window;
    TextModel* text;
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

// How a number box behaves (see DialogBase::numberBox).
struct NumberBoxSpec {
    QString name{};
    QString text{};
    // What the digit filter puts back. Without one the box has no digit filter: its own change
    // rule decides what a text that is not a number means.
    std::optional<QString> fallback{};
    // Characters the user may type into it; 0 for no limit. Text put in by code, the up-down's
    // steps among it, is never cut.
    int typedMax = 0;
    // The name of the up-down beside the box, none when empty, and the bounds of its steps.
    QString upDown{};
    std::optional<int> lower{};
    std::optional<int> upper{};
    // One "%" may end the number (only where the text arrives whole; a typed "%" is refused).
    bool trailingPercent = false;
    QString tip{};
    // Runs on every change before the digit filter. Returns true when it has replaced the text
    // itself: the replacement went through the filter on its own change.
    std::function<bool()> tidy{};
};

struct NumberBox {
    QLineEdit* box = nullptr;
    UpDown* upDown = nullptr; // null without one
};

struct OkCancelRow {
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    QHBoxLayout* row = nullptr;
};

// What every insertion dialog shares: it is modeless (the target window stays usable and OK acts
// on whatever is selected there at that moment), it shows hints on its status bar `StatusBar1`,
// and closing it unloads it, so the next opener gets a fresh one. It may be destroyed in any
// state, also with its target window: no handler of the dialog runs once destruction began.
class DialogBase : public QDialog {
    Q_OBJECT
public:
    DialogBase(const DialogTarget& target, const QString& name, const QString& caption);
    ~DialogBase() override;

    const DialogTarget& target() const { return m_target; }

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

    // Controls, named for their handlers and found by those names.
    static QLineEdit* lineBox(QWidget* parent, const QString& name, const QString& text = {},
                              const QString& tip = {});
    // Never a default button: Enter in a field presses nothing.
    static QPushButton* pushButton(QWidget* parent, const QString& name, const QString& caption,
                                   const QString& tip = {});
    static QCheckBox* checkBox(QWidget* parent, const QString& name, const QString& caption,
                               const QString& tip = {});
    // Typed text stays exactly as typed: no completion into an item, and no typed text joins the
    // list, so what the box shows is what the dialog uses.
    static QComboBox* editableCombo(QWidget* parent, const QString& name, const QStringList& items,
                                    const QString& text, const QString& tip = {});
    static QLabel* label(QWidget* parent, const QString& name, const QString& text);
    // A box for a number, with its digit filter, its typing limit and its up-down wired as `opts`
    // says. A change rule of the dialog's own, connected afterwards, runs after the filter.
    NumberBox numberBox(QWidget* parent, const NumberBoxSpec& opts);
    // The box with its up-down close beside it, for one layout cell.
    static QHBoxLayout* numberRow(const NumberBox& n);
    // `OKButton` and `CancelButton` on the right of a row; Cancel unloads the dialog.
    OkCancelRow okCancelRow(const QString& okCaption, const QString& okTip = {},
                            const QString& cancelTip = {});

private:
    DialogTarget m_target;
    QVBoxLayout* m_body;
};

// The stepping shared by the dialogs: an up click adds 1 to the number in `box` only while it is
// below `upper`, a down click subtracts 1 only while it is above `lower`; the result is written
// back as text, which runs the box's own change rule. Text that is not a number counts as 0.
void stepUp(QLineEdit* box, std::optional<int> upper);
void stepDown(QLineEdit* box, std::optional<int> lower);
void bindUpDown(UpDown* upDown, QLineEdit* box, std::optional<int> lower, std::optional<int> upper);

// The user may type at most `max` characters into `box`. Text put in by code is left whole, and
// the user can still delete from a longer text.
void limitTyping(QLineEdit* box, int max);

// The digit filter of the number boxes, run on every change of `box`: an empty box gets
// `fallback`; otherwise the character before the caret (the one just typed) must be a digit, and
// so must the whole text (pasted or set by a command), but for one trailing "%" where
// `trailingPercent` allows it. Refused text gives the message "Invalid Entry. Specify a valid
// number" and the box gets `fallback`. Returns false when it refused the text.
bool digitFilter(QLineEdit* box, const QString& fallback, bool trailingPercent = false);
inline const QString kInvalidNumber = QStringLiteral("Invalid Entry. Specify a valid number");

// The dialog of type D open on the target's window, or a new one. An unloaded dialog has left
// its window at once, so the next call after an unload creates a fresh dialog. (qobject_cast, not
// findChild: it refuses to compile for a dialog class without Q_OBJECT, which findChild would
// silently match against any other dialog on the window.)
template <class D> D* dialogFor(const DialogTarget& t)
{
    for (QObject* child : t.window->children()) {
        if (auto* d = qobject_cast<D*>(child))
            return d;
    }
    return new D(t);
}

} // namespace orvel
