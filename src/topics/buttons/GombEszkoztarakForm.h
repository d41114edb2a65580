#pragma once

#include "GombBaseForm.h"

#include <QImage>
#include <array>

class TImage;
class TPushButton;
class TSpeedButton;
class TSpeedButtonGroup;

// Tool-bar buttons: four tools of which one is always down, and four houses that can also be
// released by a second click. "Tovább" opens once every tool has been pressed and every house
// released.
class TGombEszkoztarakForm : public TGombBaseForm {
    Q_OBJECT
public:
    static constexpr int GroupSize = 4;

    TGombEszkoztarakForm();

    // What the page writes: the instruction, and the yellow captions over the tools and the houses.
    static QString Instruction();
    static QString ToolsCaption();
    static QString HousesCaption();

    void ShowPage() override;

    TSpeedButton* Tool(int index) const { return tools_[static_cast<std::size_t>(index)]; }
    TSpeedButton* House(int index) const { return houses_[static_cast<std::size_t>(index)]; }
    TImage* imgLeft() const { return imgLeft_; }
    TImage* imgHaziko() const { return imgHaziko_; }
    TPushButton* btnTovabb() const { return btnTovabb_; }
    int ToolCount(int index) const { return toolCounts_[static_cast<std::size_t>(index)]; }
    int HouseCount(int index) const { return houseCounts_[static_cast<std::size_t>(index)]; }

protected:
    void InitPage() override;

private:
    void ToolClick(TSpeedButton* button);
    void HouseClick(TSpeedButton* button);
    void UpdateTovabb();

    std::array<TSpeedButton*, GroupSize> tools_{};
    std::array<TSpeedButton*, GroupSize> houses_{};
    TSpeedButtonGroup* toolGroup_;
    TSpeedButtonGroup* houseGroup_;
    TImage* imgLeft_;
    TImage* imgHaziko_;
    TPushButton* btnTovabb_;
    std::array<QImage, GroupSize> bigTools_;
    std::array<QImage, GroupSize> bigHouses_;
    std::array<int, GroupSize> toolCounts_{};
    std::array<int, GroupSize> houseCounts_{};
    TSpeedButton* houseDown_ = nullptr;
};
