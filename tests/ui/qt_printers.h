#pragma once

// GoogleTest shows a QString, alone or in a list, as its text rather than as the bytes of its
// characters; a message streams one as it is. Every file of a test program that compares
// QStrings must see these (the scripted prompts bring them), or the files print them apart.

#include <QString>
#include <ostream>

inline std::ostream& operator<<(std::ostream& out, const QString& text) {
    return out << text.toStdString();
}
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text << '"';
}
