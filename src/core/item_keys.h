#pragma once

// Keys for entries made by the readers: the entry's main text followed by the text of a
// random number from 1 to 21. The generator is seeded once per file read.

#include <cstdint>
#include <random>
#include <string>
#include <string_view>

namespace kestrune {

class ItemKeySource {
  public:
    explicit ItemKeySource(std::uint32_t seed) : engine_(seed) {}
    // Seeded from the clock, as a file read does.
    static ItemKeySource fromClock();

    std::string next(std::string_view base);

  private:
    std::mt19937 engine_;
};

}  // namespace kestrune
