#include "MersenneRandom.h"

TMersenneRandom::TMersenneRandom()
{
    Randomize();
}

int TMersenneRandom::Random(int n)
{
    if (n <= 0)
        return 0;
    std::uniform_int_distribution<int> pick(0, n - 1);
    return pick(engine_);
}

void TMersenneRandom::Randomize()
{
    std::random_device device;
    engine_.seed(device());
}
