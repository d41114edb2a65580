#pragma once

#include "RandomSource.h"

#include <random>

class TMersenneRandom : public IRandomSource {
public:
    TMersenneRandom();
    int Random(int n) override;
    void Randomize() override;
    void Seed(std::uint32_t seed) override { engine_.seed(seed); }

private:
    std::mt19937 engine_;
};
