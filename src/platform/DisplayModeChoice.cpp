#include "DisplayModeChoice.h"

#include "CourseError.h"

namespace DisplayModeChoice {

std::optional<TDisplayMode> Choose(const IDisplayModes& modes, int width, int height)
{
    int bestDepth = 16;
    std::uint32_t bestRefresh = 60;
    std::optional<TDisplayMode> chosen;
    for (int n = 0;; ++n) {
        const auto mode = modes.Mode(n);
        if (!mode)
            break;
        if (mode->width != width || mode->height != height || mode->bitsPerPixel < 16
            || mode->refreshRate < bestRefresh)
            continue;
        bestDepth = std::max(bestDepth, mode->bitsPerPixel);
        bestRefresh = std::max(bestRefresh, mode->refreshRate);
        chosen = *mode;
    }
    if (chosen) {
        chosen->bitsPerPixel = bestDepth;
        chosen->refreshRate = bestRefresh;
    }
    return chosen;
}

void SetDisplayMode(IDisplayModes& modes, int width, int height)
{
    const auto chosen = Choose(modes, width, height);
    if (!chosen)
        throw TCourseError(UnsuitableText);
    modes.Apply(*chosen);
}

} // namespace DisplayModeChoice
