#include "core/random.h"

#include <chrono>
#include <cmath>

Random::Random() {
    std::random_device device;
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    std::seed_seq seed{device(), device(), static_cast<unsigned>(now),
                       static_cast<unsigned>(now >> 32)};
    engine_.seed(seed);
}

float Random::Next() {
    // 24 random bits give every float of [0, 1) with the spacing 2^-24, never 1 itself.
    return static_cast<float>(engine_() >> 40) * 0x1.0p-24f;
}

int Random::Scale(float x, int count) {
    return static_cast<int>(std::floor(static_cast<double>(x) * count + 1.0));
}
