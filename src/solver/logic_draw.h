// Chance, as the caller supplies it.
#pragma once

#include <functional>
#include <utility>

namespace logic {

// Draws a whole number 1..count, each equally likely. The game passes its own generator
// (`[&random](int count) { return random.Draw(count); }`), so that its puzzles follow its
// seeding; tests and benchmarks pass a seeded one.
using DrawNumber = std::function<int(int count)>;

// Puts the first `count` items in an order drawn at random, every order equally likely.
template <typename Items>
void Shuffle(Items& items, int count, const DrawNumber& draw) {
    for (int i = count - 1; i > 0; --i) {
        std::swap(items[i], items[draw(i + 1) - 1]);
    }
}

}  // namespace logic
