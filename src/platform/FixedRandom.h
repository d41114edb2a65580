#pragma once

#include "RandomSource.h"

#include <vector>

// Test double: hands out a fixed sequence (each value taken modulo n), round and round.
class TFixedRandom : public IRandomSource {
public:
    explicit TFixedRandom(std::vector<int> sequence) : sequence_(std::move(sequence)) {}
    int Random(int n) override;
    void Randomize() override {}
    void Seed(std::uint32_t) override {}
    int Calls() const { return calls_; }

private:
    std::vector<int> sequence_;
    std::size_t next_ = 0;
    int calls_ = 0;
};
