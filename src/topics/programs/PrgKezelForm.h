#pragma once

#include "BaseProgramokForm.h"

#include <bitset>

class QLabel;
class TNoraInfoForm;
class TPushButton;

// The programs topic's lesson: the desktop's parts one by one (the backgrounds, the tray, the task
// bar, the quick-launch buttons, the Start menu, the icons and their pop-up menus), each program
// started the way its step teaches and closed again, then the house with the whole cast.
class TPrgKezelForm : public TBaseProgramokForm {
    Q_OBJECT
public:
    static constexpr int BalloonLifeMs = 64000;

    TPrgKezelForm();

    void ShowPage() override;
    void ClosePage() override;

    int Step() const { return step_; }
    TNoraInfoForm* InfoWindow() const { return info_; }
    TImage* imgAsztal() const { return imgAsztal_; }
    TImage* imgInfoPanel() const { return imgInfoPanel_; }
    QLabel* txtINfo() const { return txtINfo_; }
    TPushButton* btnEgySzin() const { return btnEgySzin_; }
    TPushButton* btnMinta() const { return btnMinta_; }
    TPushButton* btnFenykep() const { return btnFenykep_; }
    TPushButton* btnNext() const { return btnNext_; }
    TImage* imgKurFel() const { return imgKurFel_; }
    TImage* imgKurLe() const { return imgKurLe_; }
    TImage* imgKurBal() const { return imgKurBal_; }
    TImage* imgKurJobb() const { return imgKurJobb_; }
    TImage* imgHaz() const { return imgHaz_; }
    TPushButton* btnOk() const { return btnOk_; }

    // The step-1 information's sentences after the given first one.
    static QString DesktopIntroduction();

protected:
    void QuickLaunchClick(int program) override;
    void IconDblClick(int program) override;
    void IconMenuOpenProgram(int program) override;
    void StartClick() override;
    void StartMenuProgram(int program) override;
    void ProgramClosed(int program) override;

    void FormKeyDown(int& key, Qt::KeyboardModifiers shift) override;
    void FormKeyUp(int& key, Qt::KeyboardModifiers shift) override;

private:
    void Advance();
    void RunStep();
    void TryBackground(int index, const QString& picture);
    void Balloon(const QString& title, const QString& text, QPoint tip);
    void HideBalloon();
    void LessonTick();
    TImage* Arrow(const QRect& geometry, const QString& picture);

    TNoraInfoForm* info_ = nullptr;
    TImage* imgAsztal_;
    TImage* imgInfoPanel_;
    QLabel* txtINfo_;
    TPushButton* btnEgySzin_;
    TPushButton* btnMinta_;
    TPushButton* btnFenykep_;
    TPushButton* btnNext_;
    TImage* imgKurFel_;
    TImage* imgKurLe_;
    TImage* imgKurBal_;
    TImage* imgKurJobb_;
    TImage* imgHaz_;
    TPushButton* btnOk_;

    int step_ = 0;
    std::bitset<3> tried_;
    bool balloonClosed_ = false;
    int timeSum_ = 0;
    // Enter went down on the page while no program was open: only its release may open one.
    bool enterDown_ = false;
};
