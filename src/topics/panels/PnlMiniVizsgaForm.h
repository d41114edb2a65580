#pragma once

#include "ExamAnswers.h"
#include "PnlBaseForm.h"

#include <array>

class QLabel;
class QTabWidget;
class TDragListBox;
class TDropDownList;
class TEditCombo;
class TImage;
class TMessagePanel;
class TPageTimer;
class TPushButton;
class TRadioGroup;
class TSpinEdit;
class TTrackBar;

// The mini exam: a six-page dialog panel, one page per topic so far. "Ok" opens once the five
// pages after the first were opened; it scores the answers out of 29, writes the result for the
// evaluation page and hands over.
class TPnlMiniVizsgaForm : public TPnlBaseForm {
    Q_OBJECT
public:
    static constexpr int Tick = 500;

    TPnlMiniVizsgaForm();

    // The exam panel's title, and the task its "Panelek" page starts with.
    static QString PanelTitle();
    static QString PanelsTask();

    void ShowPage() override;

    TMessagePanel* pnlVizsga() const { return pnlVizsga_; }
    QTabWidget* PageControl1() const { return pageControl_; }
    TPushButton* btnOk() const { return btnOk_; }
    TPageTimer* Timer1() const { return timer1_; }
    QLabel* Label1() const { return label1_; }
    QLabel* Label2() const { return label2_; }
    TImage* imgLemezke1() const { return imgLemezke1_; }
    TImage* imgLemezke2() const { return imgLemezke2_; }
    TRadioGroup* RadioGroup1() const { return radioGroup1_; }
    TRadioGroup* RadioGroup2() const { return radioGroup2_; }
    // Abort, Retry, Cancel.
    TPushButton* StandardButton(int tag) const { return standard_[static_cast<std::size_t>(tag - 1)]; }
    TTrackBar* TrackBar1() const { return trackBar1_; }
    TSpinEdit* SpinEdit1() const { return spinEdit1_; }
    TEditCombo* cbFruct() const { return cbFruct_; }
    TDropDownList* cbEv() const { return cbEv_; }
    TDropDownList* cbHo() const { return cbHo_; }
    TDropDownList* cbNap() const { return cbNap_; }
    TDragListBox* ListBox1() const { return listBox1_; }
    TDragListBox* lbNames() const { return lbNames_; }
    TDragListBox* lbEmpty() const { return lbEmpty_; }
    TDropDownList* cbError() const { return cbError_; }
    TDropDownList* cbInfo() const { return cbInfo_; }
    TDropDownList* cbWarning() const { return cbWarning_; }
    int Visited() const { return visited_; }
    int ElapsedMs() const { return elapsed_; }

    TExamAnswers Answers() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* AddPage(const QString& caption);
    void BuildKeyboard();
    void BuildMouse();
    void BuildButtons();
    void BuildSelection();
    void BuildLists();
    void BuildPanels();
    void Mark(QLabel* label, bool& flag);
    void StandardClick(int tag);
    void FructKey(int& key);
    void btnOkClick();

    TMessagePanel* pnlVizsga_;
    QTabWidget* pageControl_;
    TPushButton* btnOk_;
    TPageTimer* timer1_;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    TImage* imgLemezke1_ = nullptr;
    TImage* imgLemezke2_ = nullptr;
    TRadioGroup* radioGroup1_ = nullptr;
    TRadioGroup* radioGroup2_ = nullptr;
    std::array<TPushButton*, 3> standard_{};
    TTrackBar* trackBar1_ = nullptr;
    TSpinEdit* spinEdit1_ = nullptr;
    TEditCombo* cbFruct_ = nullptr;
    TDropDownList* cbEv_ = nullptr;
    TDropDownList* cbHo_ = nullptr;
    TDropDownList* cbNap_ = nullptr;
    TDragListBox* listBox1_ = nullptr;
    TDragListBox* lbNames_ = nullptr;
    TDragListBox* lbEmpty_ = nullptr;
    TDropDownList* cbError_ = nullptr;
    TDropDownList* cbInfo_ = nullptr;
    TDropDownList* cbWarning_ = nullptr;
    bool leftClick_ = false;
    bool rightClick_ = false;
    bool doubleClick_ = false;
    bool cancel_ = false;
    int visited_ = 0;
    int elapsed_ = 0;
};
