#include "files/write_refusal.h"

namespace kestrune {

std::string_view refusalReason(Refusal refusal) {
    switch (refusal) {
        case Refusal::QuoteInPath:
            return "a share or path can't hold a double quote";
        case Refusal::PrinterWithoutShare:
            return "a printer needs a share";
        case Refusal::TooLarge:
            return "the file would be larger than 64 MiB";
        case Refusal::DriveNotLetter:
            return "a drive must be a letter";
        case Refusal::OptionsNeedPort:
            return "options need a port";
        case Refusal::UnreadableOptions:
            return "its options can't be read";
        case Refusal::NoShare:
            break;
    }
    return {};
}

namespace messages {

std::string actionRefused(std::size_t row, Refusal refusal, std::string_view details) {
    std::string text =
        "Action " + std::to_string(row + 1) + " can't be written to a batch script: ";
    text.append(refusalReason(refusal)).append(".\r").append(details);
    return text;
}

}  // namespace messages

}  // namespace kestrune
