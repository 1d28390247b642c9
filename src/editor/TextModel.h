#pragma once

#include <QList>
#include <QString>

namespace orvel {

// The text box model every command, dialog and typing aid works through: the text, the selection
// start and length and the selected text. Positions count UTF-16 code units, and every line end
// counts as CR LF (two characters), whatever the implementation stores.
//
// Replacing the selected text leaves the caret after the new text, nothing selected, and runs
// the change handler before returning; the handler may change the text again inside itself.
class TextModel {
public:
    virtual ~TextModel() = default;

    // The whole text. Copies the page: for commands, never for a keystroke.
    virtual QString text() const = 0;
    // Replaces the whole text as one change; the caret goes to the start.
    virtual void setText(const QString& text) = 0;

    virtual int selStart() const = 0;
    // Puts the caret at `pos` (clamped to the text) with nothing selected.
    virtual void setSelStart(int pos) = 0;
    virtual int selLength() const = 0;
    // Selects `length` characters from SelStart (clamped to the end of the text).
    virtual void setSelLength(int length) = 0;
    virtual QString selText() const = 0;
    virtual void setSelText(const QString& text) = 0;
    // Replaces the `length` characters at each of `starts` (ascending, never overlapping) with
    // `with`, as one change: the rest of the text, each line's end included, stays as it is, and
    // the caret and the selection move with the text around them. An empty `length` inserts.
    virtual void replaceAt(const QList<int>& starts, int length, const QString& with);

    // Characters of the model (line ends count two).
    virtual int length() const = 0;
    // `count` characters from `start`, clamped to the text. Cheap: the typing aids read the few
    // characters around the caret through this.
    virtual QString mid(int start, int count) const = 0;
    // Lines of the text: an empty text has one, a text ending in a line end one more.
    virtual int lineCount() const = 0;

    // Changes made between begin and end are taken back by one undo. Groups nest; the change
    // handler still runs for every change inside a group.
    virtual void beginEditGroup() = 0;
    virtual void endEditGroup() = 0;
    // Opens a group whose changes join the undo step of the change made just before it: a
    // completion made on a typed key is taken back together with that key.
    virtual void beginJoinedEditGroup() { beginEditGroup(); }

    // Gives the box the keyboard focus, where it has one to take.
    virtual void focus() {}
};

inline void TextModel::replaceAt(const QList<int>& starts, int length, const QString& with)
{
    // From the last to the first, so that the positions before each stay good.
    const int start = selStart(), selected = selLength();
    int shift = 0;
    beginEditGroup();
    for (auto at = starts.crbegin(); at != starts.crend(); ++at) {
        setSelStart(*at);
        setSelLength(length);
        setSelText(with);
        if (*at < start)
            shift += int(with.size()) - length;
    }
    endEditGroup();
    setSelStart(start + shift);
    setSelLength(selected);
}

// One command, one undo step: everything the command changes while this lives.
class EditGroup {
public:
    explicit EditGroup(TextModel& model, bool joinPrevious = false) : m_model(model)
    {
        if (joinPrevious)
            m_model.beginJoinedEditGroup();
        else
            m_model.beginEditGroup();
    }
    ~EditGroup() { m_model.endEditGroup(); }
    EditGroup(const EditGroup&) = delete;
    EditGroup& operator=(const EditGroup&) = delete;

private:
    TextModel& m_model;
};

} // namespace orvel
