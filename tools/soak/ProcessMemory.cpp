#include "ProcessMemory.h"

#include <cstdio>
#include <cstring>

namespace ProcessMemory {

namespace {

long StatusKb(const char* field)
{
    FILE* status = std::fopen("/proc/self/status", "r");
    if (!status)
        return -1;
    char line[256];
    long kb = -1;
    const std::size_t length = std::strlen(field);
    while (std::fgets(line, sizeof line, status))
        if (std::strncmp(line, field, length) == 0 && line[length] == ':') {
            std::sscanf(line + length + 1, "%ld", &kb);
            break;
        }
    std::fclose(status);
    return kb;
}

} // namespace

long ResidentKb()
{
    return StatusKb("VmRSS");
}

long PeakResidentKb()
{
    return StatusKb("VmHWM");
}

} // namespace ProcessMemory
