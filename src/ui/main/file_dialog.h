#pragma once

// cdlTemplate: the one open/save dialog of the document commands. It keeps its fields from
// one use to the next, so a command sets only the ones it cares about and finds the others
// as the previous use left them, the folder above all.

#include <QString>
#include <string>
#include <string_view>

#include "platform/prompts.h"

namespace kestrune {

class FileDialog {
  public:
    explicit FileDialog(Prompts& prompts) : prompts_(prompts) {}

    // Before a use: the name proposed. After it: the chosen path, or what it was before when
    // the user cancelled.
    QString fileName;
    QString title;
    // Pairs of description and pattern separated by "|".
    QString filter;
    // The folder the next use opens in; empty until a use sets it or ends in a folder.
    QString initDir;

    // True when the user chose a file. The folder it was chosen in becomes initDir, so that a
    // use that doesn't set the folder opens where the last one ended.
    bool ShowOpen() { return show(FileDialogKind::Open); }
    bool ShowSave() { return show(FileDialogKind::Save); }

  private:
    bool show(FileDialogKind kind);

    Prompts& prompts_;
};

// The folder part of a path in either style («C:\S» of «C:\S\START.LST», «/tmp» of
// «/tmp/a.lst»); empty when the path has none.
QString FolderOfPath(const QString& path);

// The name Make Script proposes: the document path with ".bat" in place of its last four
// characters («C:\S\START.bat» for «C:\S\START.LST», «Blank Temp.bat» for the placeholder).
// A path too short to hold an extension keeps all its characters.
std::string MakeScriptProposal(std::string_view documentPath);

}  // namespace kestrune
