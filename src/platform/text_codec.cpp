#include "platform/text_codec.h"

#include <QFile>
#include <QStringDecoder>

#include "core/text8.h"

namespace kestrune {

// Both directions go through core's one Windows-1252 table, so that every byte the file
// layer keeps comes back from the window as it went in.

QString FromCp1252(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char byte : bytes) {
        // Every code point of the table lies in the Basic Multilingual Plane.
        text.append(QChar(static_cast<char16_t>(cp1252CodePoint(byte))));
    }
    return text;
}

std::string ToCp1252(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (const char32_t code : text.toUcs4()) {
        out.push_back(cp1252Byte(code).value_or('?'));
    }
    return out;
}

std::string PathBytes(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString PathText(std::string_view path) {
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

QString MixedText(std::string_view bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (!utf8.hasError()) {
        return text;
    }
    return FromCp1252(bytes);
}

}  // namespace kestrune
