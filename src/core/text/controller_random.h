#pragma once
// The pseudo-random numbers of the controller's C library: the linear
// congruential generator x = x * 214013 + 2531011 (mod 2^32), giving
// (x >> 16) & 0x7FFF, seeded with 1 and never seeded again. The position
// display's jitter draws from it, so the same figures come back in every
// session, on every compiler and C library.

#include <cstdint>

namespace zan {

class ControllerRandom {
public:
    static constexpr int kMax = 0x7FFF;

    // The next number, 0..kMax: 41, 18467, 6334, 26500, 19169, ...
    int Next()
    {
        state_ = state_ * kMultiplier + kIncrement;
        return static_cast<int>((state_ >> 16) & kMax);
    }

private:
    static constexpr std::uint32_t kMultiplier = 214013;
    static constexpr std::uint32_t kIncrement = 2531011;
    std::uint32_t state_ = 1;
};

}  // namespace zan
