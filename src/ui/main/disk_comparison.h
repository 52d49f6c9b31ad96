#pragma once

// Reading the document's file and comparing it with the bytes a save would write. A small
// file is compared at once; a large one is read and compared on a worker thread while a
// progress window with Cancel shows, so that the window never freezes.

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "files/document_reader.h"
#include "files/file_result.h"
#include "files/line_comparison.h"

class QWidget;

namespace kestrune {

struct DiskComparisonRequest {
    std::string path;
    std::string written;                             // what the save would write
    DocumentFormat format = DocumentFormat::Script;  // names the reader's messages
    // A file that holds the script banner is not compared: the program wrote it.
    bool skipOwnScript = false;
};

struct DiskComparison {
    std::optional<FileResult> unreadable;  // the file couldn't be read: why
    bool ownScript = false;                // it holds the banner (only looked for when asked)
    bool cancelled = false;
    std::optional<LineComparison> comparison;
};

// parent: the window the progress window shows over.
DiskComparison compareWithDisk(DiskComparisonRequest request, QWidget* parent);

// Seams for tests: from how many bytes (the file's and the written ones together) the worker
// compares, and what it runs before it begins.
struct DiskComparisonSeams {
    std::uint64_t workerFrom = 1 << 20;
    std::function<void()> onWorker;
};
DiskComparisonSeams& diskComparisonSeams();

}  // namespace kestrune
