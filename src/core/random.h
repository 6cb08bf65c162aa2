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
    // A source of its own for another thread, seeded from this one's next draw.
    Random Fork() { return Random(engine_()); }
    // floor(x * count + 1) for a fresh x: a whole number 1..count.
    int Draw(int count) { return Scale(Next(), count); }

    // floor(x * count + 1), worked out in double precision: in single precision the largest x
    // rounds up to count + 1.
    static int Scale(float x, int count);
    // The largest number Next returns.
    static constexpr float Largest = 1.0f - 0x1.0p-24f;

  private:
    std::mt19937_64 engine_;
};
