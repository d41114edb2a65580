#pragma once

#include <cstdint>
#include <optional>

struct TDisplayMode {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    std::uint32_t refreshRate = 0;
    bool operator==(const TDisplayMode&) const = default;
};

// The display modes the platform offers, and switching between them.
class IDisplayModes {
public:
    virtual ~IDisplayModes() = default;
    // Mode number n, or nothing past the end of the list.
    virtual std::optional<TDisplayMode> Mode(int n) const = 0;
    virtual void Apply(const TDisplayMode& mode) = 0;
    // Back to the user's own setting.
    virtual void Restore() = 0;
};
