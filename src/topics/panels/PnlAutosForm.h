#pragma once

#include "CarSettings.h"
#include "PnlBaseForm.h"

#include <QImage>
#include <array>

class TCheckBox;
class TClipPlayer;
class TColourBox;
class TImage;
class TMessagePanel;
class TPageTimer;
class TPushButton;
class TRadioGroup;
class TSpinEdit;
class TTrackBar;

// The car trip: Lemezke's car meets four road signs, each ending in a dialog of its own kind
// (information, error, confirmation, warning), drives away with the settings dialog, and the
// learner sets the settings panel to what the trip showed.
class TPnlAutosForm : public TPnlBaseForm {
    Q_OBJECT
public:
    static constexpr int Tick = 50;
    static constexpr int SignWait = 1000;
    static constexpr int PanelWait = 500;

    TPnlAutosForm();

    // The settings panel's title and its first lines.
    static QString SettingsTitle();
    static QString SettingsText();

    void ShowPage() override;

    int Step() const { return step_; }
    TImage* imgTAblak() const { return imgTAblak_; }
    TClipPlayer* carAnim() const { return carAnim_; }
    TPageTimer* Timer1() const { return timer1_; }
    TMessagePanel* pnlSetting() const { return pnlSetting_; }
    TRadioGroup* rbgUtasok() const { return rbgUtasok_; }
    TColourBox* cbColor() const { return cbColor_; }
    TSpinEdit* seCarNo() const { return seCarNo_; }
    TCheckBox* chkCabrio() const { return chkCabrio_; }
    TCheckBox* chkEltevedt() const { return chkEltevedt_; }
    TCheckBox* chkSportCar() const { return chkSportCar_; }
    TTrackBar* tbTank() const { return tbTank_; }
    TPushButton* btnOk() const { return btnOk_; }
    TPushButton* btnApply() const { return btnApply_; }
    TPushButton* btnCancel() const { return btnCancel_; }

    TCarSettings Settings() const;

private:
    void BuildSettings();
    void Advance();
    void Timer1Timer();
    // The dialog of a step; false when the page was closed meanwhile.
    bool ShowDialog(int step);

    TImage* imgTAblak_;
    TClipPlayer* carAnim_;
    TPageTimer* timer1_;
    std::array<QImage, 4> signs_;
    TMessagePanel* pnlSetting_;
    TRadioGroup* rbgUtasok_;
    TColourBox* cbColor_;
    TSpinEdit* seCarNo_;
    TCheckBox* chkCabrio_;
    TCheckBox* chkEltevedt_;
    TCheckBox* chkSportCar_;
    TTrackBar* tbTank_;
    TPushButton* btnOk_;
    TPushButton* btnApply_;
    TPushButton* btnCancel_;
    int step_ = 0;
    int wait_ = 0;
};
