#pragma once

#include "CalcDrill.h"
#include "PrgProgramWindow.h"

class QFrame;
class QLabel;
class QLineEdit;
class TCalcKeyFilter;
class TPushButton;
class TRadioGroup;

// "Kalkulátor", program 1 of the desktop: an arithmetic drill. The learner chooses an operation and
// a number range, types the result of each task (and the remainder of a division with remainder)
// and presses Enter; the window judges and counts. It may be moved (its title stays on the
// screen), sized and maximised, never minimised: it has no task bar button to come back from.
class TPrgKalkulalForm : public TPrgProgramWindow {
    Q_OBJECT
public:
    static constexpr int Top = 170;

    explicit TPrgKalkulalForm(QWidget* host);

    const TCalcDrill& Drill() const { return drill_; }
    TRadioGroup* muveletekPnl() const { return muveletekPnl_; }
    TRadioGroup* szamkorPnl() const { return szamkorPnl_; }
    TRadioGroup* szorzasPnl() const { return szorzasPnl_; }
    TRadioGroup* osztasPnl() const { return osztasPnl_; }
    QFrame* uresPnl() const { return uresPnl_; }
    QWidget* pnlFeladat() const { return pnlFeladat_; }
    QLabel* szam1() const { return szam1_; }
    QLabel* muvJel() const { return muvJel_; }
    QLabel* szam2() const { return szam2_; }
    QLineEdit* eredmeny() const { return eredmeny_; }
    QLineEdit* maradek() const { return maradek_; }
    QLabel* errorMsg() const { return errorMsg_; }
    QLabel* feladatSzam() const { return feladatSzam_; }
    QLabel* hibaSzam() const { return hibaSzam_; }
    TPushButton* LMDButton1() const { return lmdButton1_; }
    TPushButton* LMDButton2() const { return lmdButton2_; }

private:
    TRadioGroup* RangePanel(const QRect& area, const QStringList& items);
    void ChooseOperation();
    void ShowRangePanel();
    void ChooseRange(TRadioGroup* panel, const std::vector<int>& tags);
    void ShowTask();
    void Submit(QLineEdit* box);
    void Judge();
    void Reset();

    TCalcDrill drill_;
    TRadioGroup* muveletekPnl_;
    TRadioGroup* szamkorPnl_;
    TRadioGroup* szorzasPnl_;
    TRadioGroup* osztasPnl_;
    QFrame* uresPnl_;
    QWidget* pnlFeladat_;
    QLabel* szam1_;
    QLabel* muvJel_;
    QLabel* szam2_;
    QLineEdit* eredmeny_;
    QLineEdit* maradek_;
    QLabel* errorMsg_;
    QLabel* feladatSzam_;
    QLabel* hibaSzam_;
    TPushButton* lmdButton1_;
    TPushButton* lmdButton2_;
    TCalcKeyFilter* keys_;
};
