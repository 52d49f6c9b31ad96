#include "core/item_keys.h"

#include <charconv>
#include <chrono>

namespace kestrune {

ItemKeySource ItemKeySource::fromClock() {
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    return ItemKeySource(static_cast<std::uint32_t>(ticks ^ (ticks >> 32)));
}

std::string ItemKeySource::next(std::string_view base) {
    std::uniform_real_distribution<float> unit(0.0F, 1.0F);
    const float number = unit(engine_) * 20.0F + 1.0F;
    // The shortest text of seven significant digits, as "%.7g" gives it, without the cost
    // of printf on every entry of a big file.
    char text[32];
    const auto end =
        std::to_chars(text, text + sizeof text, number, std::chars_format::general, 7).ptr;
    const auto n = static_cast<std::size_t>(end - text);
    std::string key;
    key.reserve(base.size() + n);
    key.append(base);
    key.append(text, n);
    return key;
}

}  // namespace kestrune
