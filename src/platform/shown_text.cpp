#include "platform/shown_text.h"

#include <QCoreApplication>
#include <array>
#include <string>

#include "core/action.h"
#include "platform/text_codec.h"

namespace kestrune {

namespace {

// The kinds as the list, the status text and the check report name them.
constexpr const char* kKindContext = "Kind";
constexpr std::array<std::string_view, 6> kKinds = {
    QT_TRANSLATE_NOOP("Kind", "Map Drive"),       QT_TRANSLATE_NOOP("Kind", "Map Printer"),
    QT_TRANSLATE_NOOP("Kind", "Run Application"), QT_TRANSLATE_NOOP("Kind", "Merge Registry"),
    QT_TRANSLATE_NOOP("Kind", "Display Message"), QT_TRANSLATE_NOOP("Kind", "Other"),
};
static_assert(kKinds[0] == kind::kMapDrive && kKinds[1] == kind::kMapPrinter &&
              kKinds[2] == kind::kRunApplication && kKinds[3] == kind::kMergeRegistry &&
              kKinds[4] == kind::kDisplayMessage && kKinds[5] == kind::kOther);

}  // namespace

QString Translated(const char* context, std::string_view source) {
    // translate() reads a C string: a view may end before its terminator.
    const std::string text(source);
    return QCoreApplication::translate(context, text.c_str());
}

QString ShownMessage(const Message& message) {
    if (message.id == MessageId::Verbatim) {
        return message.document ? FromCp1252(message.text) : MixedText(message.text);
    }
    const QByteArray pattern = Translated(kMessageContext, MessagePattern(message.id)).toUtf8();
    QString shown;
    for (const PatternPiece& piece : PatternPieces(
             std::string_view(pattern.constData(), static_cast<std::size_t>(pattern.size())))) {
        if (piece.arg < 0) {
            shown += Utf8Text(piece.text);
        } else if (static_cast<std::size_t>(piece.arg) < message.args.size()) {
            shown += ShownMessage(message.args[static_cast<std::size_t>(piece.arg)]);
        }
    }
    return shown;
}

QString KindLabel(std::string_view kind) {
    for (const std::string_view known : kKinds) {
        if (kind == known) {
            return Translated(kKindContext, known);
        }
    }
    return FromCp1252(kind);
}

std::vector<std::string_view> KindsShownHolding(const QString& text) {
    std::vector<std::string_view> kinds;
    if (text.isEmpty()) {
        return kinds;
    }
    for (const std::string_view known : kKinds) {
        if (KindLabel(known).contains(text, Qt::CaseInsensitive)) {
            kinds.push_back(known);
        }
    }
    return kinds;
}

}  // namespace kestrune
