#include "editor/ChangePass.h"

namespace orvel {

void ChangePass::add(const QString& name, Step step)
{
    m_steps.push_back({name, std::move(step)});
}

void ChangePass::run()
{
    // By index: a nested pass runs over the same list while an outer one is inside a step.
    for (std::size_t i = 0; i < m_steps.size(); ++i)
        m_steps[i].step();
}

QStringList ChangePass::names() const
{
    QStringList names;
    for (const Named& s : m_steps)
        names << s.name;
    return names;
}

} // namespace orvel
