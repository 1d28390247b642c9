#include "platform/TextDrop.h"

#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

namespace orvel {

namespace {

class TextDropFilter : public QObject {
public:
    TextDropFilter(QWidget* widget, std::function<void(const QString&)> take)
        : QObject(widget), m_take(std::move(take))
    {}

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(e);
            if (!drop->mimeData() || !drop->mimeData()->hasText()) {
                drop->ignore();
                return true;
            }
            // A move would take the text out of the page it was dragged from.
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
            if (e->type() == QEvent::Drop)
                m_take(drop->mimeData()->text());
            return true;
        }
        default:
            return false;
        }
    }

private:
    std::function<void(const QString&)> m_take;
};

} // namespace

void acceptTextDrops(QWidget* widget, std::function<void(const QString&)> take)
{
    widget->setAcceptDrops(true);
    widget->installEventFilter(new TextDropFilter(widget, std::move(take)));
}

} // namespace orvel
