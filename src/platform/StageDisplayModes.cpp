#include "StageDisplayModes.h"

#include "Stage.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

std::optional<TDisplayMode> TStageDisplayModes::Mode(int n) const
{
    const QScreen* screen = stage_.screen() ? stage_.screen() : QGuiApplication::primaryScreen();
    if (n != 0 || !screen)
        return std::nullopt;
    const QSize size = screen->size();
    if (!stage_.Windowed() && (size.width() < TStage::CanvasWidth || size.height() < TStage::CanvasHeight))
        return std::nullopt;
    // Virtual and remote screens often report no rate at all; the canvas is drawn by us, so such a
    // screen is taken at the usual 60 Hz rather than refused.
    const auto rate = static_cast<std::uint32_t>(std::lround(screen->refreshRate()));
    return TDisplayMode{TStage::CanvasWidth, TStage::CanvasHeight, std::max(16, screen->depth()),
                        rate > 1 ? rate : 60u};
}

void TStageDisplayModes::Apply(const TDisplayMode&)
{
    stage_.Present();
}

void TStageDisplayModes::Restore()
{
    stage_.Withdraw();
}
