#include "platform/FileDrop.h"

#include <QChildEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace orvel {

QStringList droppedFiles(const QMimeData* data)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            files << url.toLocalFile();
    return files;
}

namespace {

class FileDropFilter : public QObject {
public:
    FileDropFilter(QWidget* widget, std::function<void(const QString&)> open)
        : QObject(widget), m_open(std::move(open))
    {
        m_root = widget;
        watch(widget);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::ChildAdded:
            if (QObject* child = static_cast<QChildEvent*>(e)->child(); child->isWidgetType())
                watch(static_cast<QWidget*>(child));
            return false;
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(e);
            const QStringList files = droppedFiles(drop->mimeData());
            if (files.isEmpty())
                return false;
            // The file is read, never moved or linked.
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
            if (e->type() == QEvent::Drop)
                m_open(files.first());
            return true;
        }
        default:
            return false;
        }
    }

private:
    void watch(QWidget* w)
    {
        // A dialog of the window is a window of its own, with its own drop targets.
        if (w != m_root && w->isWindow())
            return;
        w->installEventFilter(this);
        for (QWidget* child : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            watch(child);
    }

    QWidget* m_root = nullptr;
    std::function<void(const QString&)> m_open;
};

} // namespace

void acceptFileDrops(QWidget* widget, std::function<void(const QString&)> open)
{
    widget->setAcceptDrops(true);
    new FileDropFilter(widget, std::move(open));
}

} // namespace orvel
