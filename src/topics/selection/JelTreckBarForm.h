#pragma once

#include "JelBaseForm.h"

#include <QImage>
#include <array>

class TTrackBar;

// Two track bars: the horizontal one turns Tivadar's cap, the vertical one opens Nóra's flowers
// as its thumb goes up. "Tovább" opens once both have been at their far end.
class TJelTreckBarForm : public TJelBaseForm {
    Q_OBJECT
public:
    TJelTreckBarForm();

    TTrackBar* tbSapi() const { return tbSapi_; }
    TTrackBar* tbVirag() const { return tbVirag_; }
    TImage* imgTivadar() const { return imgTivadar_; }
    TImage* imgVirag() const { return imgVirag_; }
    TPushButton* btnFinish() const { return btnFinish_; }
    // The pictures shown now, 0 to 4.
    int CapShown() const { return capShown_; }
    int FlowersShown() const { return flowersShown_; }

private:
    void TrackBarChange(TTrackBar* bar);

    TTrackBar* tbSapi_;
    TTrackBar* tbVirag_;
    TImage* imgTivadar_;
    TImage* imgVirag_;
    TPushButton* btnFinish_;
    std::array<QImage, 5> caps_;
    std::array<QImage, 5> flowers_;
    int capShown_ = 0;
    int flowersShown_ = 0;
    bool capEnd_ = false;
    bool flowerEnd_ = false;
};
