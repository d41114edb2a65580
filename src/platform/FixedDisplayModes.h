#pragma once

#include "DisplayModes.h"

#include <vector>

// Test double: a fixed mode list; remembers what was applied.
class TFixedDisplayModes : public IDisplayModes {
public:
    explicit TFixedDisplayModes(std::vector<TDisplayMode> modes) : modes_(std::move(modes)) {}
    std::optional<TDisplayMode> Mode(int n) const override
    {
        if (n < 0 || n >= static_cast<int>(modes_.size()))
            return std::nullopt;
        return modes_[static_cast<std::size_t>(n)];
    }
    void Apply(const TDisplayMode& mode) override { applied_ = mode; ++applyCount_; }
    void Restore() override { applied_.reset(); ++restoreCount_; }

    const std::optional<TDisplayMode>& Applied() const { return applied_; }
    int ApplyCount() const { return applyCount_; }
    int RestoreCount() const { return restoreCount_; }

private:
    std::vector<TDisplayMode> modes_;
    std::optional<TDisplayMode> applied_;
    int applyCount_ = 0;
    int restoreCount_ = 0;
};
