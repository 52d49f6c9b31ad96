#pragma once

// What the window shows of texts that are not its own, in the user's language: the messages
// of the standard-library layers (core/message.h) and the kinds of actions. Document data
// (Details, paths, lines of files) is shown as it is.

#include <QString>
#include <string_view>
#include <vector>

#include "core/message.h"

namespace kestrune {

// source, a text of the program's (UTF-8), in the language chosen (platform/translations.h):
// its translation in context, or itself.
QString Translated(const char* context, std::string_view source);

// The message with its pattern translated and each argument in its place: document text
// read as Windows-1252, the system's texts as UTF-8 where they are (else as Windows-1252).
QString ShownMessage(const Message& message);

// An action's kind as the window names it: the kind's label (a file's, kestrune-cli's) in
// the user's language; a kind the program doesn't know, as it stands.
QString KindLabel(std::string_view kind);
// The kinds the program knows whose label as shown holds text, case ignored: finding an
// action by what the list shows of it. None for an empty text.
std::vector<std::string_view> KindsShownHolding(const QString& text);

}  // namespace kestrune
