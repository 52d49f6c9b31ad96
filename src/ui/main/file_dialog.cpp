#include "ui/main/file_dialog.h"

#include <algorithm>

namespace kestrune {

QString FolderOfPath(const QString& path) {
    const qsizetype cut =
        std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    if (cut < 0) {
        return {};
    }
    QString folder = path.left(cut);
    // The root keeps its separator: «C:\» and «/», not «C:» and nothing.
    if (folder.isEmpty() || folder.endsWith(QLatin1Char(':'))) {
        folder += path.at(cut);
    }
    return folder;
}

std::string MakeScriptProposal(std::string_view documentPath) {
    const std::string_view stem =
        documentPath.size() >= 4 ? documentPath.substr(0, documentPath.size() - 4) : documentPath;
    return std::string(stem) + ".bat";
}

bool FileDialog::show(FileDialogKind kind) {
    FileDialogRequest request;
    request.kind = kind;
    request.title = title;
    request.filter = filter;
    if (!initDir.isEmpty()) {
        request.folder = initDir;
    }
    request.fileName = fileName;
    const QString chosen = prompts_.chooseFile(request);
    if (chosen.isEmpty()) {
        return false;
    }
    fileName = chosen;
    if (const QString folder = FolderOfPath(chosen); !folder.isEmpty()) {
        initDir = folder;
    }
    return true;
}

}  // namespace kestrune
