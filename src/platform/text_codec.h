#pragma once

// Between Qt's Unicode texts and the 8-bit texts of the core. Document texts (Details, the
// lines of a file) are Windows-1252; file paths are in the system's own 8-bit encoding
// (UTF-8 on Linux, the ANSI code page on Windows), as the file functions take them.

#include <QString>
#include <string>
#include <string_view>

namespace kestrune {

// The program's own texts (captions, messages, keys), which are UTF-8 in the source.
QString Utf8Text(std::string_view text);

QString FromCp1252(std::string_view bytes);
// Characters Windows-1252 can't hold become "?".
std::string ToCp1252(const QString& text);

// Lossless both ways on Linux: a byte that is no part of a UTF-8 character (a file name
// made under another encoding) is kept in the text as a code point of its own.
std::string PathBytes(const QString& path);
QString PathText(std::string_view path);
// Whether text holds such a kept byte, which only PathBytes turns back into the name.
bool HoldsRawBytes(const QString& text);

// A text that may mix both, such as a message naming a path and quoting a line of a
// file: read as UTF-8 when it is valid UTF-8, else as Windows-1252.
QString MixedText(std::string_view bytes);

}  // namespace kestrune
