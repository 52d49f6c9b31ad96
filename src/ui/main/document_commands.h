#pragma once

// The document commands beside the main window: New, Open (from the menu, either toolbar or
// the recent files), Save, Save As, Make Script, the save-changes prompt and the recent-file
// items of the File menu. Every read goes through openDocument and every save through
// saveDocument; the window keeps its widgets and hands over what these commands touch.

#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "files/document_reader.h"
#include "files/file_result.h"
#include "platform/prompts.h"
#include "platform/settings_store.h"
#include "ui/main/app_state.h"
#include "ui/main/command_table.h"
#include "ui/main/file_dialog.h"
#include "ui/main/main_texts.h"

class QAction;

namespace kestrune {

class ActionListModel;

// What the commands need of the window.
struct DocumentWindow {
    std::function<void(const QString&)> setTitle;
    std::function<void(const QString&)> showFailure;
    std::function<void(const QString&)> setStatusText;
    std::function<void()> updateCommandState;
    // The main toolbar's button of a command, held disabled while it writes.
    std::function<QAction*(Command)> toolbarButton;
    // Modified has been settled by a read, New or a save; afresh: the list is another one.
    std::function<void(bool afresh)> documentSettled;
};

// Save writes a batch script to a path that names one, or for a document read from one;
// a template otherwise.
inline bool WritesScript(const DocumentState& document, std::string_view path) {
    return IsBatchDocument(path) || document.batchScript;
}

// Asked before the first save over the document's own file when it is a script: false stops
// the save (save_comparison.h).
using FirstSaveCheck = std::function<bool(const std::string& path, DocumentFormat format)>;

// Where Open was given from: each form differs in one step.
enum class OpenForm { Menu, Toolbar, FloatingToolbar, Recent };

class DocumentCommands {
  public:
    DocumentCommands(AppState& state, SettingsStore& settings, Prompts& prompts,
                     ActionListModel& model, const QString& programFolder, DocumentWindow window);

    // The File menu's recent-file items ("mnuRec1" onwards) and the separator after them.
    void setRecentItems(const std::array<QAction*, main_texts::kRecentCount>& items,
                        QAction* separator);
    void LoadRecentFiles();
    void AddRecentFile(const std::string& path);

    void New();
    // Open from the dialog; the recent form opens item recent (from 1) instead.
    void Open(OpenForm form, int recent = 0);
    // Opens path as the recent-file form of Open does (a file dropped on the window).
    void OpenFile(const std::string& path);
    void Save();
    void SaveAs();
    void MakeScript();

    // Asks whether to save a changed document first; false when the user stopped, or when
    // the save failed, so that nothing throws the list away.
    bool SaveChangesPrompt();

    // Reads the template or batch script at path into the list, reporting its own failures.
    // Where a save of it was cut short, the user may take the copy that was being saved
    // instead: the document is then that copy, unsaved, and the answer false.
    bool openDocument(const std::string& path);
    // Writes the list to path: as a batch script when the path names one or the document
    // was read from one, else as a template. True, and the document saved, when written.
    // Asks first when path is the document's own file and another program has changed it,
    // then, at the first save over a script the program did not write, whether to save.
    bool saveDocument(const std::string& path);

    // The window is active again: tells once of each change another program has made to the
    // document's file meanwhile (changed_on_disk.cpp).
    void noticeChangesOnDisk();

    const FileDialog& dialog() const { return cdlTemplate_; }
    void setFirstSaveCheck(FirstSaveCheck check) { firstSaveCheck_ = std::move(check); }

  private:
    // Whether a save may write path (changed_on_disk.cpp). Rewrite: the document's file was
    // deleted meanwhile, and the save says that it wrote it again.
    enum class Overwrite { Go, Refused, Rewrite };
    Overwrite mayOverwrite(const std::string& path);
    // After a read or a write of path: what the document's own file now is on disk.
    void recordOnDisk(const std::string& path, const FileResult& result);
    void toldRewritten(const std::string& path);
    // The first save over the document's own script asks first; once it went on, or the
    // document was written, it asks no more until another document is read or made.
    bool firstSaveAllowed(const std::string& path, bool asScript);

    // The prompt's save: the document's own file when its name says its type, else a name
    // asked for.
    bool saveForPrompt();
    bool writeDocument(const std::string& path, Overwrite overwrite);
    // The recovery copy to read in place of the file at path, when the user takes it.
    std::optional<std::string> recoveryCopyToOpen(const std::string& path);
    // "Kestrune - " and the document's name, or "Kestrune" for the blank one.
    void showDocumentTitle();
    // The title of a new document, named in the user's language.
    static QString newTitle();
    bool writeTemplate(const std::string& path);
    bool writeScript(const std::string& path);
    void showRecentItem(int index);
    void settled(bool afresh);

    AppState& state_;
    DocumentState& document_;
    SettingsStore& settings_;
    Prompts& prompts_;
    ActionListModel& model_;
    const QString& programFolder_;
    DocumentWindow window_;
    FileDialog cdlTemplate_;
    std::array<QAction*, main_texts::kRecentCount> recentItems_{};
    // The recovery copy the document was read from, and the file it belongs to: once the
    // document is saved there, the copy has done its work and goes.
    std::optional<std::pair<std::string, std::string>> recovered_;
    QAction* recentSeparator_ = nullptr;

    // The document's file as last read or written, by its trimmed path; none while the
    // document names no file read or written.
    struct OnDisk {
        std::string path;
        FileState state;
    };
    std::optional<OnDisk> onDisk_;
    // The change last told of (the file as it was seen, or gone), so that each is told once.
    struct Seen {
        bool missing = false;
        FileState state;
        bool operator==(const Seen&) const = default;
    };
    std::optional<Seen> told_;
    FirstSaveCheck firstSaveCheck_;
    bool firstSaveChecked_ = false;
};

}  // namespace kestrune
