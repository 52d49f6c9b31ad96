#pragma once

// What Save would change in the document's file: Compare with File on Disk, and the question
// before the first save over a script the program did not write, from which the same
// comparison can be shown.

#include <string>
#include <string_view>

#include "core/action_list.h"
#include "core/document.h"
#include "files/document_reader.h"
#include "files/line_comparison.h"
#include "platform/prompts.h"

class QWidget;

namespace kestrune {

class SaveComparison {
  public:
    // parent: the window the comparison and its progress show over.
    SaveComparison(const DocumentState& document, const ActionList& list, Prompts& prompts,
                   QWidget* parent);

    // Whether the document names a file that is there to compare with.
    bool canCompare() const;
    // Compare with File on Disk: the comparison, or what kept it from being made.
    void compareWithFile();
    // Before a save writes the list in format over the script at path: when the program did
    // not write it, asks whether to save, showing the comparison on request. False when the
    // user stopped, or cancelled the comparison of a large file; true when the file is the
    // program's own, gone, or can't be read (the save tells).
    bool confirmFirstSave(const std::string& path, DocumentFormat format);

  private:
    void showComparison(const LineComparison& comparison, const std::string& path);
    void showFailure(const QString& message);

    const DocumentState& document_;
    const ActionList& list_;
    Prompts& prompts_;
    QWidget* parent_;
};

}  // namespace kestrune
