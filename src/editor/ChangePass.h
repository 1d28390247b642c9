#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace orvel {

// What runs on every change of the page, whatever made it: an ordered list of steps that the
// composition root fills (the window's status steps first, then the typing aids). A step may
// change the page itself; that change runs a nested pass before the step goes on, as the page
// box's change event does.
class ChangePass {
public:
    using Step = std::function<void()>;

    void add(const QString& name, Step step);
    void run();
    QStringList names() const;
    bool empty() const { return m_steps.empty(); }

private:
    struct Named {
        QString name;
        Step step;
    };
    std::vector<Named> m_steps;
};

} // namespace orvel
