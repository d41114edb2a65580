#pragma once

#include "DisplayModes.h"

class TStage;

// On Linux the course does not switch the screen's mode: it offers one mode, the 1024 x 768
// canvas presented on the stage, available when the screen is at least that large.
class TStageDisplayModes : public IDisplayModes {
public:
    explicit TStageDisplayModes(TStage& stage) : stage_(stage) {}
    std::optional<TDisplayMode> Mode(int n) const override;
    void Apply(const TDisplayMode& mode) override;
    void Restore() override;

private:
    TStage& stage_;
};
