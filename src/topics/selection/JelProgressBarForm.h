#pragma once

#include "JelBaseForm.h"
#include "platform/PageTimer.h"

#include <QImage>

class TProgressBar;

// A race along two progress bars: after START Nyilacska runs 600 pixels in 4 s and Tivadar in
// 6 s, their bars filling as they go; then they turn, and the next START sends them back.
class TJelProgressBarForm : public TJelBaseForm {
    Q_OBJECT
public:
    static constexpr int Track = 600;

    TJelProgressBarForm();

    void ClosePage() override;

    TProgressBar* pbTivadar() const { return pbTivadar_; }
    TProgressBar* pbNyilacska() const { return pbNyilacska_; }
    TImage* imgTivadar() const { return imgTivadar_; }
    TImage* imgNyilacska() const { return imgNyilacska_; }
    TPushButton* btnStart() const { return btnStart_; }
    TPushButton* btnFinish() const { return btnFinish_; }
    TPageTimer& Timer1() { return timer1_; }
    // +1 while the racers face right, -1 while they face back.
    int Direction() const { return direction_; }
    bool FacingBack() const { return direction_ < 0; }

protected:
    void Image1Click() override;

private:
    void btnStartClick();
    void Timer1Timer();
    void TurnBack();

    TProgressBar* pbTivadar_;
    TProgressBar* pbNyilacska_;
    TImage* imgTivadar_;
    TImage* imgNyilacska_;
    TPushButton* btnStart_;
    TPushButton* btnFinish_;
    TPageTimer timer1_;
    QImage tivadar_;
    QImage tivadarBack_;
    QImage eger_;
    QImage egerBack_;
    int direction_ = 1;
    int tivadarRun_ = 0;
    int nyilacskaRun_ = 0;
};
