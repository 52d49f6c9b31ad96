#include "ui/main/program_entry.h"

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWindow>
#include <utility>

#include "core/cp1252_text.h"
#include "platform/wait_cursor.h"
#include "ui/main/main_window.h"

namespace kestrune {

namespace {

// Reads the file once the window has been painted, so that a large one never leaves it
// black while it is read; the wait cursor shows from the start. Gone with the window, should
// that close first.
class PendingOpen : public QObject {
  public:
    PendingOpen(MainWindow& window, std::string path)
        : QObject(&window), window_(window), path_(std::move(path)) {
        QWindow* handle = window.windowHandle();
        if (handle == nullptr || handle->isExposed() || !window.isVisible() ||
            window.isMinimized()) {
            queue();  // painted already, or nothing to paint
        } else {
            handle->installEventFilter(this);
            // A window started minimized or on a hidden desktop may not be exposed for a long
            // time; the file is read all the same.
            QTimer::singleShot(1000, this, [this] { queue(); });
        }
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            // The window paints what the exposure shows before the queued read runs.
            queue();
        }
        return false;
    }

  private:
    void queue() {
        if (!queued_) {
            queued_ = true;
            QMetaObject::invokeMethod(
                this, [this] { open(); }, Qt::QueuedConnection);
        }
    }

    void open() {
        wait_.restore();  // the read has a wait cursor of its own, and may show a message
        window_.openDocument(path_);
        deleteLater();
    }

    MainWindow& window_;
    std::string path_;
    WaitCursor wait_;
    bool queued_ = false;
};

}  // namespace

void OpenFromCommandLine(MainWindow& window, const std::string& commandLine) {
    std::string path(trimmed(commandLine));
    if (path.empty()) {
        return;
    }
    new PendingOpen(window, std::move(path));
}

}  // namespace kestrune
