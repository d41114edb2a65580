#pragma once

#include "BoardValue.h"

#include <cstdint>

// Boxed 32-bit signed number: round counters, record times.
class TInteger : public TBoardValue {
public:
    explicit TInteger(std::int32_t number) : number_(number) {}
    std::int32_t GetNumber() const { return number_; }

private:
    std::int32_t number_;
};
