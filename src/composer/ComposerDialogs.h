#pragma once

#include "dialogs/Heading.h"
#include "dialogs/Hrule.h"
#include "dialogs/ListBox.h"
#include "dialogs/TableCreater.h"
#include "editor/TextModel.h"

#include <functional>

namespace orvel {

// The text the Composer gives its dialogs: what they write is a fragment for the side control,
// never a change of a page. Reading its selection reads the source window's selection (the rule
// dialog ticks No Shade from it), or nothing while that window does not exist.
class FragmentSink : public TextModel {
public:
    std::function<QString()> sourceSelection;
    std::function<void(const QString&)> handOver;

    QString text() const override { return selText(); }
    void setText(const QString& text) override { setSelText(text); }
    int selStart() const override { return 0; }
    void setSelStart(int) override {}
    int selLength() const override { return int(selText().size()); }
    void setSelLength(int) override {}
    QString selText() const override { return sourceSelection ? sourceSelection() : QString(); }
    // Within an edit group the pieces are joined and handed over as one fragment at its end.
    void setSelText(const QString& text) override;
    int length() const override { return selLength(); }
    QString mid(int start, int count) const override { return selText().mid(start, count); }
    int lineCount() const override { return 1; }
    void beginEditGroup() override { ++m_depth; }
    void endEditGroup() override;

private:
    int m_depth = 0;
    QString m_pending;
};

// The Composer's twins of the table, rule, list box and heading dialogs: the same controls and
// rules, under their own names and captions, handing their markup to the side control.
class ComposerTableDialog : public TableCreaterDialog {
    Q_OBJECT
public:
    explicit ComposerTableDialog(const DialogTarget& target);
    // Wraps a caption in its tags (in the box itself), builds the whole table and hands it on.
    void createrower();
};

class ComposerRuleDialog : public HruleDialog {
    Q_OBJECT
public:
    explicit ComposerRuleDialog(const DialogTarget& target);
};

class ComposerListBoxDialog : public ListBoxDialog {
    Q_OBJECT
public:
    explicit ComposerListBoxDialog(const DialogTarget& target);
};

class ComposerHeadDialog : public HeadingDialog {
    Q_OBJECT
public:
    explicit ComposerHeadDialog(const DialogTarget& target);
};

} // namespace orvel
