#pragma once

#include "framework/PracticeWindow.h"

#include <array>

class QFrame;
class QLabel;
class QTabWidget;
class TCheckBox;
class TImage;
class TPushButton;

// The detective's dialog "Nyomozás": one tab per character with a picture and a statement, the
// strip "OK" / "ALKALMAZ" / "MÉGSEM", the true-or-false buttons and the suspects' check boxes.
// A locked course window: the learner cannot move, size, minimise, maximise or close it.
// Tabs are numbered from 1 (Kábel Ödön) to 6 (Nyilacska), as are the check boxes.
class TOsszefoglPanelFrmForm : public TPracticeWindow {
    Q_OBJECT
public:
    static constexpr int Tabs = 6;
    enum TCharacter { Odon = 1, Nora, Tivadar, Lemezke, Tarolka, Nyilacska };

    explicit TOsszefoglPanelFrmForm(QWidget* host);

    QTabWidget* nyomozas() const { return nyomozas_; }
    QWidget* Tab(int number) const { return tabs_.at(number - 1); }
    TImage* Picture(int number) const { return pictures_.at(number - 1); }
    QLabel* Statement(int number) const { return statements_.at(number - 1); }
    TCheckBox* Check(int number) const { return checks_.at(number - 1); }
    TPushButton* btnOdonYes() const { return btnOdonYes_; }
    TPushButton* OKBtn() const { return okBtn_; }
    TPushButton* ApplyBtn() const { return applyBtn_; }
    TPushButton* CancelBtn() const { return cancelBtn_; }
    QFrame* pnlBtn() const { return pnlBtn_; }
    TPushButton* btnIgaz() const { return btnIgaz_; }
    TPushButton* btnHamis() const { return btnHamis_; }
    QFrame* pnlChkBox() const { return pnlChkBox_; }

    // The number of the tab on top.
    int CurrentTab() const;
    // A hidden tab is out of every reach: no caption to click, and the arrows and Ctrl+Tab pass it.
    void SetTabShown(int number, bool shown);
    bool TabShown(int number) const;
    // Only the first tab stays, on top.
    void ShowOnlyFirstTab();
    // The keys go to the tab captions: the arrows and Ctrl+Tab turn the tabs.
    void FocusTabs();

private:
    QTabWidget* nyomozas_;
    std::array<QWidget*, Tabs> tabs_{};
    std::array<TImage*, Tabs> pictures_{};
    std::array<QLabel*, Tabs> statements_{};
    std::array<TCheckBox*, Tabs> checks_{};
    TPushButton* btnOdonYes_;
    TPushButton* okBtn_;
    TPushButton* applyBtn_;
    TPushButton* cancelBtn_;
    QFrame* pnlBtn_;
    TPushButton* btnIgaz_;
    TPushButton* btnHamis_;
    QFrame* pnlChkBox_;
};
