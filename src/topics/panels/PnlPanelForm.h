#pragma once

#include "PnlBaseForm.h"

class TImage;
class TMessagePanel;
class TPageTimer;
class TPushButton;

// What a panel is, while Lemezke and Tárolka race along the bottom, overtaking each other in
// turn every 1.5 s until both have left the page.
class TPnlPanelForm : public TPnlBaseForm {
    Q_OBJECT
public:
    static constexpr int Tick = 50;

    TPnlPanelForm();

    // What the panel says.
    static QString PanelText();

    void ShowPage() override;

    TMessagePanel* pnlOK() const { return pnlOK_; }
    TPushButton* btnOk() const { return btnOk_; }
    TImage* imgLemezke() const { return imgLemezke_; }
    TImage* imgTarolka() const { return imgTarolka_; }
    TPageTimer* Timer1() const { return timer1_; }

private:
    void Timer1Timer();

    TMessagePanel* pnlOK_;
    TPushButton* btnOk_;
    TImage* imgLemezke_;
    TImage* imgTarolka_;
    TPageTimer* timer1_;
    int lemezkeSpeed_ = 4;
    int tarolkaSpeed_ = 2;
    int elapsed_ = 0;
};
