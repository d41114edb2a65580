#pragma once

#include <QString>
#include <functional>
#include <vector>

class TMediaKit;

// Each part of the kit registers a producer from its own file; the kit runs them all in name order.
struct TMediaProducer {
    using Produce = std::function<void(TMediaKit&)>;
    TMediaProducer(const char* name, Produce produce);

    static const std::vector<std::pair<QString, Produce>>& All();
};
