#include "ui/main/save_comparison.h"

#include "core/cp1252_text.h"
#include "files/file_state.h"
#include "files/write_back.h"
#include "platform/text_codec.h"
#include "ui/main/compare_dialog.h"
#include "ui/main/disk_comparison.h"
#include "ui/main/document_commands.h"
#include "ui/main/main_texts.h"

namespace kestrune {

namespace texts = main_texts;

SaveComparison::SaveComparison(const DocumentState& document, const ActionList& list,
                               Prompts& prompts, QWidget* parent)
    : document_(document), list_(list), prompts_(prompts), parent_(parent) {}

bool SaveComparison::canCompare() const {
    if (!NamesFile(document_.documentPath)) {
        return false;
    }
    const FileLook look = lookAtFile(std::string(trimmed(document_.documentPath)));
    return !look.missing && !look.error;
}

void SaveComparison::compareWithFile() {
    const std::string path(trimmed(document_.documentPath));
    if (!NamesFile(path)) {
        return;
    }
    const DocumentFormat format =
        WritesScript(document_, path) ? DocumentFormat::Script : DocumentFormat::Template;
    RenderedFile written = renderDocument(list_, format);
    if (written.failedRow) {
        showFailure(ShownMessage(refusedMessage(path, list_, written, format)));
        return;
    }
    const DiskComparison result =
        compareWithDisk({path, std::move(written.bytes), format, false}, parent_);
    if (result.unreadable) {
        showFailure(ShownMessage(result.unreadable->message));
    } else if (result.comparison) {
        showComparison(*result.comparison, path);
    }
}

bool SaveComparison::confirmFirstSave(const std::string& path, DocumentFormat format) {
    RenderedFile written = renderDocument(list_, format);
    if (written.failedRow) {
        return true;  // the save writes nothing and tells which action it refused
    }
    const DiskComparison result =
        compareWithDisk({path, std::move(written.bytes), format, true}, parent_);
    if (result.cancelled) {
        return false;
    }
    if (!result.comparison || result.comparison->changedLines() == 0) {
        return true;
    }
    const std::size_t lines = result.comparison->changedLines();
    const QString text =
        lines == 1
            ? texts::Tr(texts::message::kNotWrittenByOneLine).arg(MixedText(path))
            : texts::Tr(texts::message::kNotWrittenBy).arg(MixedText(path), QString::number(lines));
    for (;;) {
        switch (prompts_.message({text, Utf8Text(kAppTitle), MessageButtons::SaveCompareCancel,
                                  MessageIcon::Question, Answer::Save})) {
            case Answer::Save:
                return true;
            case Answer::Compare:
                showComparison(*result.comparison, path);
                break;  // and asks again
            default:
                return false;
        }
    }
}

void SaveComparison::showComparison(const LineComparison& comparison, const std::string& path) {
    CompareDialog dialog(comparison, path, parent_);
    dialog.exec();
}

void SaveComparison::showFailure(const QString& message) {
    prompts_.message({message, Utf8Text(kAppTitle), MessageButtons::Ok, MessageIcon::Critical, {}});
}

}  // namespace kestrune
