#include "ui/main/disk_comparison.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>
#include <atomic>
#include <memory>

#include "files/file_io.h"
#include "files/file_state.h"
#include "files/write_back.h"
#include "platform/wait_cursor.h"
#include "ui/main/compare_texts.h"

namespace kestrune {

namespace {

DiskComparison compare(DiskComparisonRequest request, const std::atomic<bool>* cancel) {
    DiskComparison out;
    FileBytes file = readFileBytes(request.path);
    if (auto failed = unreadable(file, request.path, request.format)) {
        out.unreadable = std::move(failed);
        return out;
    }
    if (request.skipOwnScript && hasScriptBanner(file.bytes)) {
        out.ownScript = true;
        return out;
    }
    out.comparison = CompareLines(std::move(file.bytes), std::move(request.written), cancel);
    out.cancelled = !out.comparison;
    return out;
}

// What the worker and the window share: the worker may outlive a cancelled wait.
struct Work {
    DiskComparisonRequest request;
    std::atomic<bool> cancel{false};
    DiskComparison result;
};

}  // namespace

DiskComparisonSeams& diskComparisonSeams() {
    static DiskComparisonSeams seams;
    return seams;
}

DiskComparison compareWithDisk(DiskComparisonRequest request, QWidget* parent) {
    const FileLook look = lookAtFile(request.path);
    const std::uint64_t size =
        (look.missing || look.error ? 0 : look.state.size) + request.written.size();
    if (size < diskComparisonSeams().workerFrom) {
        WaitCursor wait;
        return compare(std::move(request), nullptr);
    }

    auto work = std::make_shared<Work>();
    work->request = std::move(request);
    QThread* worker = QThread::create([work, onWorker = diskComparisonSeams().onWorker] {
        if (onWorker) {
            onWorker();
        }
        work->result = compare(std::move(work->request), &work->cancel);
    });
    QObject::connect(worker, &QThread::finished, worker, &QObject::deleteLater);

    QProgressDialog progress(compare_texts::Tr(compare_texts::kComparing),
                             compare_texts::Tr(compare_texts::kCancel), 0, 0, parent);
    progress.setObjectName(QStringLiteral("progress"));
    progress.setWindowTitle(compare_texts::Tr(compare_texts::kTitle));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    QEventLoop loop;
    QObject::connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
    QObject::connect(&progress, &QProgressDialog::canceled, &loop, &QEventLoop::quit);
    worker->start();
    progress.show();
    loop.exec();
    if (progress.wasCanceled()) {
        // The worker stops soon on its own and takes its part of the work with it.
        work->cancel = true;
        DiskComparison cancelled;
        cancelled.cancelled = true;
        return cancelled;
    }
    return std::move(work->result);
}

}  // namespace kestrune
