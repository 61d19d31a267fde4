#ifndef DEMO_DEVICE_DEMO_RANDOM_H
#define DEMO_DEVICE_DEMO_RANDOM_H
// A small seeded generator (xorshift64*), so every build writes the same
// demo devices byte for byte.

#include <cstdint>

class DemoRandom {
public:
    explicit DemoRandom(std::uint64_t seed) : state_(seed ? seed : 0x9e3779b97f4a7c15ull) {}

    std::uint64_t Next()
    {
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        return state_ * 2685821657736338717ull;
    }
    // A number in [low, high].
    std::uint64_t Between(std::uint64_t low, std::uint64_t high) { return low + Next() % (high - low + 1); }

private:
    std::uint64_t state_;
};

#endif
