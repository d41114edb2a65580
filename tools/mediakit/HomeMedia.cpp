// The home pages' backgrounds; the drawing lives in HomeArt.cpp so that the tests can use it.

#include "HomeMedia.h"
#include "MediaProducer.h"

namespace {
const TMediaProducer Producer("home", HomeMedia::Produce);
} // namespace
