#pragma once

// The document state shared by the commands, and the path and title rules they follow.

#include <string>
#include <string_view>

namespace kestrune {

inline constexpr std::string_view kAppTitle = "Kestrune";
inline constexpr std::string_view kBlankTemplate = "Blank Template";
inline constexpr std::string_view kNewTemplate = "New Template";

struct DocumentState {
    std::string documentPath{kBlankTemplate};  // the open file, or a placeholder
    bool modified = false;                     // changed since last read, saved or New
    // The document was read from a batch script (or saved as one under its name), so Save
    // writes a batch script back whatever the name says.
    bool batchScript = false;

    // The two ways Modified changes: the list now differs from the file, or it is the file's
    // again (read, written, or a new empty document).
    void markModified() { modified = true; }
    void markSaved() { modified = false; }
};

// The last part of a path, after its last "\" or "/", trimmed.
std::string FileNameFromPath(std::string_view path);

// A document path names a file when it holds a drive colon or is an absolute POSIX path;
// placeholders and UNC paths name none, so Save asks for a name.
bool NamesFile(std::string_view documentPath);
// A path names a batch script when it ends in ".bat" or ".cmd" (any case).
bool IsBatchDocument(std::string_view documentPath);
// A path handed to the program opens as a template when it ends in ".lst" (any case).
bool IsTemplatePath(std::string_view path);

// "Kestrune - " and the file name of the path.
std::string TitleForPath(std::string_view path);

}  // namespace kestrune
