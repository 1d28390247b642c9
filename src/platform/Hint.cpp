#include "platform/Hint.h"

#include <QEvent>
#include <QLineEdit>
#include <QPointer>
#include <QStatusBar>
#include <QWidget>

namespace orvel {

namespace {

class HintFilter : public QObject {
public:
    HintFilter(QObject* parent, std::function<QString()> hint, HintSink sink)
        : QObject(parent), m_hint(std::move(hint)), m_sink(std::move(sink))
    {
        setObjectName(QStringLiteral("orvelHint"));
    }

    QString hint() const { return m_hint(); }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::MouseMove:
        case QEvent::HoverMove:
        case QEvent::Enter:
            m_sink(m_hint());
            break;
        default:
            break;
        }
        return false;
    }

private:
    std::function<QString()> m_hint;
    HintSink m_sink;
};

HintFilter* filterOf(QWidget* widget)
{
    return widget->findChild<HintFilter*>(QStringLiteral("orvelHint"), Qt::FindDirectChildrenOnly);
}

} // namespace

void installHint(QWidget* widget, std::function<QString()> hint, HintSink sink)
{
    if (HintFilter* old = filterOf(widget)) {
        widget->removeEventFilter(old);
        delete old;
    }
    widget->setMouseTracking(true);
    // A move the control itself ignores would travel on to its parent, whose own hint (the
    // window's ready text) would replace this one at once.
    widget->setAttribute(Qt::WA_NoMousePropagation);
    auto* filter = new HintFilter(widget, std::move(hint), std::move(sink));
    widget->installEventFilter(filter);
}

void installHint(QWidget* widget, const QString& hint, HintSink sink)
{
    installHint(widget, std::function<QString()>([hint] { return hint; }), std::move(sink));
}

HintSink hintLine(QLineEdit* line)
{
    QPointer<QLineEdit> p(line);
    return [p](const QString& hint) {
        if (p && p->text() != hint)
            p->setText(hint);
    };
}

HintSink hintLine(QStatusBar* bar)
{
    QPointer<QStatusBar> p(bar);
    return [p](const QString& hint) {
        if (p && p->currentMessage() != hint)
            p->showMessage(hint);
    };
}

QString hintOf(QWidget* widget)
{
    HintFilter* f = filterOf(widget);
    return f ? f->hint() : QString();
}

} // namespace orvel
