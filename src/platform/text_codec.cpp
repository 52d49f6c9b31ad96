#include "platform/text_codec.h"

#include <QFile>
#include <QStringDecoder>

#include "core/cp1252_text.h"

namespace kestrune {

// Both directions go through core's one Windows-1252 table, so that every byte the file
// layer keeps comes back from the window as it went in.

QString Utf8Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

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

#ifdef _WIN32

std::string PathBytes(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString PathText(std::string_view path) {
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

#else

namespace {

// The length of the well-formed UTF-8 sequence at i, or 0 when the byte there begins none.
std::size_t utf8Length(std::string_view s, std::size_t i) {
    const auto at = [s](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = at(i);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t n = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        n = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        n = 3;
        low = lead == 0xE0 ? 0xA0 : low;    // no overlong forms
        high = lead == 0xED ? 0x9F : high;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        n = 4;
        low = lead == 0xF0 ? 0x90 : low;
        high = lead == 0xF4 ? 0x8F : high;  // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (i + n > s.size() || at(i + 1) < low || at(i + 1) > high) {
        return 0;
    }
    for (std::size_t k = 2; k < n; ++k) {
        if ((at(i + k) & 0xC0) != 0x80) {
            return 0;
        }
    }
    return n;
}

// A byte that is no part of a UTF-8 character stands for itself as U+DC80 to U+DCFF, a
// code point no well-formed text holds, so that every file name comes back byte for byte.
constexpr char16_t kByteEscape = 0xDC00;

bool isEscapedByte(char16_t u) {
    return u >= kByteEscape + 0x80 && u <= kByteEscape + 0xFF;
}

}  // namespace

std::string PathBytes(const QString& path) {
    std::string out;
    const qsizetype n = path.size();
    qsizetype run = 0;  // start of the characters not yet encoded
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = path[i].unicode();
        const bool paired = i > 0 && path[i - 1].isHighSurrogate();
        if (isEscapedByte(u) && !paired) {
            out += path.mid(run, i - run).toStdString();
            out.push_back(static_cast<char>(u - kByteEscape));
            run = i + 1;
        }
    }
    out += path.mid(run).toStdString();
    return out;
}

QString PathText(std::string_view path) {
    QString text;
    std::size_t run = 0;
    for (std::size_t i = 0; i < path.size();) {
        const std::size_t n = utf8Length(path, i);
        if (n > 0) {
            i += n;
            continue;
        }
        text += QString::fromUtf8(path.data() + run, static_cast<qsizetype>(i - run));
        text += QChar(static_cast<char16_t>(kByteEscape + static_cast<unsigned char>(path[i])));
        run = ++i;
    }
    text += QString::fromUtf8(path.data() + run, static_cast<qsizetype>(path.size() - run));
    return text;
}

#endif

bool HoldsRawBytes(const QString& text) {
#ifdef _WIN32
    Q_UNUSED(text);
    return false;
#else
    return PathText(PathBytes(text)) == text && QString::fromStdString(PathBytes(text)) != text;
#endif
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
