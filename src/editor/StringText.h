#pragma once

#include "editor/TextModel.h"

#include <functional>

namespace orvel {

// The text model on a plain string, for logic that needs no window (the typing aids' tests, the
// fuzzers). It keeps the page box's contract: line ends of any kind become CR LF, the caret never
// stands between CR and LF, SelText replacement runs `onChange` before returning and may be
// re-entered from it.
class StringText : public TextModel {
public:
    explicit StringText(const QString& text = {});

    // Runs after every change of the text (the page box's change event).
    std::function<void()> onChange;

    QString text() const override { return m_text; }
    void setText(const QString& text) override;
    int selStart() const override { return m_start; }
    void setSelStart(int pos) override;
    int selLength() const override { return m_length; }
    void setSelLength(int length) override;
    QString selText() const override { return m_text.mid(m_start, m_length); }
    void setSelText(const QString& text) override;
    void replaceAt(const QList<int>& starts, int length, const QString& with) override;
    int length() const override { return int(m_text.size()); }
    QString mid(int start, int count) const override;
    int lineCount() const override;
    void beginEditGroup() override;
    void endEditGroup() override;
    void beginJoinedEditGroup() override;

    // Undo steps taken so far: one per change outside a group, one per outermost group.
    int undoSteps() const { return m_steps; }

    // Every line end (CR LF, a lone CR or a lone LF) as CR LF.
    static QString withCrLf(const QString& text);

private:
    void changed();
    bool insideLineEnd(int pos) const;

    QString m_text;
    int m_start = 0;
    int m_length = 0;
    int m_depth = 0;
    bool m_groupChanged = false;
    bool m_groupJoined = false;
    int m_steps = 0;
};

} // namespace orvel
