#pragma once

#include <random>

// The game's source of chance: uniform single-precision numbers in [0, 1). Seeded once from the
// system's entropy and the clock, so that successive draws are independent however quickly they
// follow one another.
class Random {
  public:
    Random();
    explicit Random(std::uint64_t seed) : engine_(seed) {}
    float Next();

  private:
    std::mt19937_64 engine_;
};
