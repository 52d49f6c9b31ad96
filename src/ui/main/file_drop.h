#pragma once

// Opening a template or batch script by dropping it from the file manager onto the window.
// The drop is taken at once; the file is opened once the drop has ended, so that a
// question about unsaved changes never holds the file manager's drag.

#include <QObject>
#include <QString>
#include <optional>

class QMimeData;
class QWidget;

namespace kestrune {

// The first local file in data whose name ends in ".lst", ".bat" or ".cmd" (any case).
std::optional<QString> DroppedDocument(const QMimeData* data);

class FileDropOpener : public QObject {
    Q_OBJECT
  public:
    explicit FileDropOpener(QWidget* window);

  signals:
    void fileDropped(const QString& path);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace kestrune
