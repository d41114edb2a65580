#pragma once

#include <cstdint>

// The pages' one random source.
class IRandomSource {
public:
    virtual ~IRandomSource() = default;
    // A whole number from 0 to n - 1, uniform; 0 when n <= 0.
    virtual int Random(int n) = 0;
    // A fresh, unpredictable sequence.
    virtual void Randomize() = 0;
    virtual void Seed(std::uint32_t seed) = 0;
};
