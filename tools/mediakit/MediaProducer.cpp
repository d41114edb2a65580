#include "MediaProducer.h"

namespace {
std::vector<std::pair<QString, TMediaProducer::Produce>>& Registry()
{
    static std::vector<std::pair<QString, TMediaProducer::Produce>> producers;
    return producers;
}
} // namespace

TMediaProducer::TMediaProducer(const char* name, Produce produce)
{
    Registry().emplace_back(QString::fromLatin1(name), std::move(produce));
}

const std::vector<std::pair<QString, TMediaProducer::Produce>>& TMediaProducer::All()
{
    return Registry();
}
