#pragma once

#include <QString>

// What Tivadar asks for on the check-mark page, in order, and the item state that fulfils each.
namespace TableRequests {

inline constexpr int Count = 10;

struct TRequest {
    const char* text;
    int tag;      // the item
    bool checked; // its check state after the click
};

const TRequest& At(int index);

} // namespace TableRequests
