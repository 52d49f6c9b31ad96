#include "core/item_keys.h"

#include <chrono>
#include <cstdio>

namespace kestrune {

ItemKeySource ItemKeySource::fromClock() {
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    return ItemKeySource(static_cast<std::uint32_t>(ticks ^ (ticks >> 32)));
}

std::string ItemKeySource::next(std::string_view base) {
    std::uniform_real_distribution<float> unit(0.0F, 1.0F);
    const float number = unit(engine_) * 20.0F + 1.0F;
    char text[32];
    const int n = std::snprintf(text, sizeof text, "%.7g", static_cast<double>(number));
    std::string key;
    key.reserve(base.size() + static_cast<std::size_t>(n));
    key.append(base);
    key.append(text, static_cast<std::size_t>(n));
    return key;
}

}  // namespace kestrune
