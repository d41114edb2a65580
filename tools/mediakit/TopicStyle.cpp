#include "TopicStyle.h"

#include <stdexcept>

namespace TopicStyle {

namespace {

struct TEntry {
    const char* topic;
    QRgb accent;
};

// Plain values, so the table is ready before any picture's static colour reads it.
constexpr TEntry Table[] = {
    {"BILLENTYU", 0x3f7fe0},    {"EGEREZES", 0xe04e68}, {"GOMBOK", 0xe89a12},    {"JELOLESEK", 0x3a9a48},
    {"LISTADOBOZOK", 0x8a56c2}, {"PANELEK", 0x1b9a8f},  {"ABLAKOK", 0x5062c8},   {"MENUK", 0xe86a22},
    {"PROGRAMOK", 0x1796c8},    {"OSSZEFOGL", 0xd0448c},
};

} // namespace

QColor Accent(const QString& topic)
{
    for (const TEntry& entry : Table)
        if (topic == QLatin1String(entry.topic))
            return QColor::fromRgb(entry.accent);
    throw std::out_of_range("no topic colour for " + topic.toStdString());
}

} // namespace TopicStyle
