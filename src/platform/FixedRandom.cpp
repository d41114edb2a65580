#include "FixedRandom.h"

int TFixedRandom::Random(int n)
{
    ++calls_;
    if (n <= 0 || sequence_.empty())
        return 0;
    const int value = sequence_[next_ % sequence_.size()];
    ++next_;
    return ((value % n) + n) % n;
}
