#include "ui/main/document_commands.h"

#include <QAction>
#include <QFile>

#include "core/cp1252_text.h"
#include "core/document.h"
#include "files/document_reader.h"
#include "files/file_io.h"
#include "files/file_state.h"
#include "files/save_target.h"
#include "files/script_format.h"
#include "files/template_format.h"
#include "platform/program_folder.h"
#include "platform/text_codec.h"
#include "platform/wait_cursor.h"
#include "ui/main/action_list_model.h"
#include "ui/main/button_hold.h"
#include "ui/main/recent_files.h"

namespace kestrune {

namespace texts = main_texts;

DocumentCommands::DocumentCommands(AppState& state, SettingsStore& settings, Prompts& prompts,
                                   ActionListModel& model, const QString& programFolder,
                                   DocumentWindow window)
    : state_(state),
      document_(state.document),
      settings_(settings),
      prompts_(prompts),
      model_(model),
      programFolder_(programFolder),
      window_(std::move(window)),
      cdlTemplate_(prompts) {}

// --- recent files ------------------------------------------------------------------------

void DocumentCommands::setRecentItems(const std::array<QAction*, texts::kRecentCount>& items,
                                      QAction* separator) {
    recentItems_ = items;
    recentSeparator_ = separator;
}

void DocumentCommands::showRecentItem(int index) {
    QAction* item = recentItems_[static_cast<std::size_t>(index)];
    item->setText(PathText(RecentCaption(index + 1, state_.recentFiles.entry(index))));
    item->setVisible(true);
}

void DocumentCommands::LoadRecentFiles() {
    const bool ok = state_.recentFiles.load(settings_);
    const int count = state_.recentFiles.filledCount();
    if (count > 0) {
        recentSeparator_->setVisible(true);
    }
    for (int i = 0; i < count; ++i) {
        showRecentItem(i);
    }
    if (!ok) {
        window_.showFailure(texts::Tr(texts::message::kRecentFilesFailed));
    }
}

void DocumentCommands::AddRecentFile(const std::string& path) {
    if (!state_.recentFiles.add(path)) {
        return;
    }
    recentSeparator_->setVisible(true);
    for (int i = 0; i < RecentFiles::kCount; ++i) {
        const std::string& entry = state_.recentFiles.entry(i);
        if (trimmed(entry).empty()) {
            break;
        }
        if (!StoreRecentEntry(settings_, i, entry)) {
            window_.showFailure(texts::Tr(texts::message::kRecentFilesFailed));
            return;
        }
        showRecentItem(i);
    }
}

// --- reading -------------------------------------------------------------------------------

std::optional<std::string> DocumentCommands::recoveryCopyToOpen(const std::string& path) {
    auto copy = findRecoveryCopy(path);
    if (!copy) {
        return std::nullopt;
    }
    const QString text = texts::Tr(texts::message::kInterruptedSave)
                             .arg(texts::ShownDocumentPath(document_.documentPath));
    const Answer answer = prompts_.message(
        {text, Utf8Text(kAppTitle), MessageButtons::YesNo, MessageIcon::Question, std::nullopt});
    return answer == Answer::Yes ? copy : std::nullopt;
}

bool DocumentCommands::openDocument(const std::string& path) {
    document_.documentPath = std::string(trimmed(path));
    document_.batchScript = false;
    onDisk_.reset();
    told_.reset();
    recovered_.reset();
    firstSaveChecked_ = false;
    AddRecentFile(path);

    // A save of the file cut short while rewriting it left the complete copy beside it; the
    // copy is read as the file would be.
    const auto copy = recoveryCopyToOpen(path);
    DocumentRead read;
    {
        WaitCursor wait;
        model_.replaceAll([&](ActionList& list) {
            read = copy ? readDocument(*copy, list, ReadFormatOf(path) == DocumentFormat::Template)
                        : readDocument(path, list);
        });
    }
    // Save writes a document read from a batch script back as one, whatever its name.
    document_.batchScript = read.format == DocumentFormat::Script && read.result.ok();
    if (copy) {
        // The user took the copy knowing the file is incomplete: saving over the file as it
        // stands is what they chose, not another program's change.
        FileResult original;
        original.state = readFileBytes(path).state;
        recordOnDisk(path, original);
    } else {
        recordOnDisk(path, read.result);
    }
    switch (read.result.status) {
        case FileStatus::Ok:
            window_.setTitle(PathText(TitleForPath(path)));
            if (copy) {
                document_.markModified();  // the file itself still holds something else
                recovered_.emplace(*copy, document_.documentPath);
            } else {
                document_.markSaved();
            }
            break;
        case FileStatus::InvalidFormat:
            // Only a template has a marker to miss. The title follows: Save no longer writes
            // the file it named before.
            window_.showFailure(ShownMessage(read.result.message));
            document_.documentPath = std::string(kBlankTemplate);
            showDocumentTitle();
            break;
        case FileStatus::NotFound:
        case FileStatus::Failed:
            window_.showFailure(ShownMessage(read.result.message));
            document_.documentPath = std::string(kBlankTemplate);
            window_.setTitle(Utf8Text(kAppTitle));
            break;
    }
    settled(true);
    // The status bar names the document just read rather than the one before it.
    window_.setStatusText(texts::ShownDocumentPath(document_.documentPath));
    window_.updateCommandState();
    return !recovered_;
}

// --- writing -------------------------------------------------------------------------------

// Another program's change is asked about first; the file as it is then is the one compared.
bool DocumentCommands::saveDocument(const std::string& path) {
    const Overwrite overwrite = mayOverwrite(path);
    return overwrite != Overwrite::Refused &&
           (overwrite == Overwrite::Rewrite ||
            firstSaveAllowed(path, WritesScript(document_, path))) &&
           writeDocument(path, overwrite);
}

bool DocumentCommands::firstSaveAllowed(const std::string& path, bool asScript) {
    const std::string own(trimmed(document_.documentPath));
    const std::string target(trimmed(path));
    // A document taken from the copy of an interrupted save replaces a file known to be
    // incomplete: the user chose that already.
    if (firstSaveChecked_ || !firstSaveCheck_ || recovered_ || !NamesFile(own) ||
        !sameFilePath(target, own) || !(document_.batchScript || IsBatchDocument(own))) {
        return true;
    }
    if (!firstSaveCheck_(target, asScript ? DocumentFormat::Script : DocumentFormat::Template)) {
        return false;
    }
    firstSaveChecked_ = true;
    return true;
}

bool DocumentCommands::writeDocument(const std::string& path, Overwrite overwrite) {
    const bool written = WritesScript(document_, path) ? writeScript(path) : writeTemplate(path);
    // A failed write leaves Modified as it was: the list is still not on disk, and the
    // save-changes prompt must go on guarding it.
    if (written) {
        firstSaveChecked_ = true;
        document_.markSaved();
        settled(false);
        if (overwrite == Overwrite::Rewrite) {
            toldRewritten(path);
        }
        if (recovered_ && recovered_->second == trimmed(path)) {
            QFile::remove(PathText(recovered_->first));
            recovered_.reset();
        }
    }
    // The title names the document the next Save writes, written or not.
    showDocumentTitle();
    return written;
}

void DocumentCommands::showDocumentTitle() {
    const std::string& path = document_.documentPath;
    if (path == kBlankTemplate) {
        window_.setTitle(Utf8Text(kAppTitle));
    } else if (path == kNewTemplate) {
        window_.setTitle(newTitle());
    } else {
        window_.setTitle(PathText(TitleForPath(path)));
    }
}

QString DocumentCommands::newTitle() {
    return Utf8Text(kAppTitle) + QStringLiteral(" - ") + texts::Tr(texts::kNewTemplate);
}

bool DocumentCommands::writeTemplate(const std::string& path) {
    document_.documentPath = std::string(trimmed(path));
    document_.batchScript = false;

    FileResult result;
    {
        ButtonHold save(window_.toolbarButton(Command::Save));
        WaitCursor wait;
        result = writeTemplateFile(path, model_.list());
    }
    recordOnDisk(path, result);
    // Only a file that was written is worth offering again.
    if (result.ok()) {
        AddRecentFile(path);
    } else {
        window_.showFailure(ShownMessage(result.message));
    }
    return result.ok();
}

bool DocumentCommands::writeScript(const std::string& path) {
    if (trimmed(path).empty()) {
        return false;
    }
    FileResult result;
    {
        ButtonHold make(window_.toolbarButton(Command::Make));
        WaitCursor wait;
        result = writeScriptFile(path, model_.list());
    }
    recordOnDisk(path, result);
    // Only a file that was written is worth offering again.
    if (result.ok()) {
        AddRecentFile(path);
    } else {
        window_.showFailure(ShownMessage(result.message));
    }
    return result.ok();
}

// --- the commands --------------------------------------------------------------------------

bool DocumentCommands::SaveChangesPrompt() {
    if (!document_.modified) {
        return true;
    }
    const QString text = texts::Tr(texts::message::kSaveChanges)
                             .arg(texts::ShownDocumentPath(document_.documentPath));
    const Answer answer = prompts_.message({text, Utf8Text(kAppTitle), MessageButtons::YesNoCancel,
                                            MessageIcon::Question, std::nullopt});
    switch (answer) {
        case Answer::No:
            return true;
        case Answer::Yes:
            return saveForPrompt();
        default:
            return false;
    }
}

bool DocumentCommands::saveForPrompt() {
    const std::string& name = document_.documentPath;
    if (IsBatchDocument(name) || document_.batchScript || IsTemplatePath(name)) {
        return saveDocument(std::string(trimmed(name)));
    }
    cdlTemplate_.initDir = DocumentStartFolder(programFolder_);
    cdlTemplate_.fileName.clear();
    cdlTemplate_.title = texts::Tr(texts::dialog::kSaveTitle);
    cdlTemplate_.filter = texts::Tr(texts::dialog::kSaveFilter);
    cdlTemplate_.ShowSave();
    // Cancelled, the name is still the empty one set above.
    const std::string chosen(trimmed(PathBytes(cdlTemplate_.fileName)));
    if (!IsTemplatePath(chosen) && !IsBatchDocument(chosen)) {
        return false;
    }
    return saveDocument(chosen);
}

void DocumentCommands::New() {
    if (!SaveChangesPrompt()) {
        return;
    }
    document_.markSaved();
    document_.documentPath = std::string(kNewTemplate);
    document_.batchScript = false;
    onDisk_.reset();
    told_.reset();
    recovered_.reset();
    firstSaveChecked_ = false;
    model_.clear();
    settled(true);
    window_.setTitle(newTitle());
    window_.updateCommandState();
}

void DocumentCommands::Open(OpenForm form, int recent) {
    if (form != OpenForm::Recent) {
        cdlTemplate_.fileName.clear();
    }
    if (!SaveChangesPrompt()) {
        return;
    }
    std::string chosen;
    if (form == OpenForm::Recent) {
        // A copy: the reader adds the path to the very list it comes from.
        chosen = state_.recentFiles.entry(recent - 1);
        if (trimmed(chosen).empty()) {
            return;
        }
    } else {
        if (form != OpenForm::Menu) {
            cdlTemplate_.initDir = DocumentStartFolder(programFolder_);
        }
        cdlTemplate_.title = texts::Tr(texts::dialog::kOpenTitle);
        cdlTemplate_.filter = texts::Tr(texts::dialog::kOpenFilter);
        cdlTemplate_.ShowOpen();
        chosen = PathBytes(cdlTemplate_.fileName);
    }
    if (!chosen.empty()) {
        // The floating toolbar's Open leaves Modified as the reader left it, as does the
        // reading of a recovery copy.
        if (openDocument(chosen) && form != OpenForm::FloatingToolbar) {
            document_.markSaved();
            settled(false);
        }
    }
    // The reader has brought the buttons up to date; the dialog's forms do it again, also
    // when nothing was chosen.
    if (form != OpenForm::Recent) {
        window_.updateCommandState();
    }
}

void DocumentCommands::OpenFile(const std::string& path) {
    if (!SaveChangesPrompt() || trimmed(path).empty()) {
        return;
    }
    if (openDocument(path)) {
        document_.markSaved();
        settled(false);
    }
}

void DocumentCommands::settled(bool afresh) {
    if (window_.documentSettled) {
        window_.documentSettled(afresh);
    }
}

void DocumentCommands::Save() {
    if (!NamesFile(document_.documentPath)) {
        SaveAs();
        return;
    }
    saveDocument(std::string(trimmed(document_.documentPath)));
}

void DocumentCommands::SaveAs() {
    cdlTemplate_.fileName.clear();
    cdlTemplate_.title = texts::Tr(texts::dialog::kSaveTitle);
    cdlTemplate_.filter = texts::Tr(texts::dialog::kSaveFilter);
    if (!cdlTemplate_.ShowSave()) {
        return;
    }
    const std::string chosen = PathBytes(cdlTemplate_.fileName);
    if (!NamesFile(chosen)) {
        return;  // a share path without a drive names no document
    }
    const std::string path(trimmed(chosen));
    // Onto the document's own file, changed meanwhile: No leaves the document as it was.
    const Overwrite overwrite = mayOverwrite(path);
    if (overwrite == Overwrite::Refused ||
        (overwrite == Overwrite::Go && !firstSaveAllowed(path, IsBatchDocument(path)))) {
        return;
    }
    document_.documentPath = chosen;
    // The document is now of the type its new name says: a script is written again by the
    // next Save.
    document_.batchScript = IsBatchDocument(path);
    writeDocument(path, overwrite);
}

void DocumentCommands::MakeScript() {
    cdlTemplate_.fileName = PathText(MakeScriptProposal(document_.documentPath));
    cdlTemplate_.title = texts::Tr(texts::dialog::kMakeTitle);
    cdlTemplate_.filter = texts::Tr(texts::dialog::kScriptFilter);
    if (!cdlTemplate_.ShowSave()) {
        return;  // the proposal is never written unless the user confirms it
    }
    const std::string chosen = PathBytes(cdlTemplate_.fileName);
    // A script made from the document leaves the document, Modified and the title as they
    // are: the title names what Save writes, and that is still the document.
    if (!NamesFile(chosen)) {
        return;
    }
    const Overwrite overwrite = mayOverwrite(chosen);
    if (overwrite == Overwrite::Refused ||
        (overwrite == Overwrite::Go && !firstSaveAllowed(chosen, true))) {
        return;
    }
    if (writeScript(chosen)) {
        window_.setStatusText(texts::Tr(texts::kScriptMade).arg(MixedText(chosen)));
        if (overwrite == Overwrite::Rewrite) {
            toldRewritten(chosen);  // what the user most needs to know
        }
    }
}

}  // namespace kestrune
