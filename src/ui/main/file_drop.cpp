#include "ui/main/file_drop.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace kestrune {

std::optional<QString> DroppedDocument(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) {
        return std::nullopt;
    }
    for (const QUrl& url : data->urls()) {
        const QString path = url.toLocalFile();
        for (const char* ending : {".lst", ".bat", ".cmd"}) {
            if (!path.isEmpty() && path.endsWith(QLatin1String(ending), Qt::CaseInsensitive)) {
                return path;
            }
        }
    }
    return std::nullopt;
}

FileDropOpener::FileDropOpener(QWidget* window) : QObject(window) {
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

bool FileDropOpener::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDropEvent*>(event);
            if (DroppedDocument(drag->mimeData())) {
                drag->acceptProposedAction();
                return true;
            }
            break;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            if (const auto path = DroppedDocument(drop->mimeData())) {
                drop->acceptProposedAction();
                QMetaObject::invokeMethod(
                    this, [this, file = *path] { emit fileDropped(file); }, Qt::QueuedConnection);
                return true;
            }
            break;
        }
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace kestrune
