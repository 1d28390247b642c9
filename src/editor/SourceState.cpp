#include "editor/SourceState.h"

namespace orvel {

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
