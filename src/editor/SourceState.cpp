#include "editor/SourceState.h"

namespace orvel {

void SourceState::startValues()
{
    const QString r1 = restore1, r2 = restore2, r3 = restore3;
    const qint16 correct = correctState;
    *this = SourceState{};
    restore1 = r1;
    restore2 = r2;
    restore3 = r3;
    correctState = correct;
}

StateBox::StateBox(const QString& name, const QString& text, QObject* parent)
    : QObject(parent), m_text(text)
{
    setObjectName(name);
}

void StateBox::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    emit changed();
}

} // namespace orvel
