#pragma once

#include "ReviewTable.h"
#include "framework/BaseBillForm.h"

class QGroupBox;
class QLabel;
class TCheckBox;
class TProgressBar;
class TPushButton;
class TRadioGroup;
class TSpinEdit;
class TTrackBar;

// The selection-controls review: a sample of every control the topic taught, and what each is for.
// The track bar drives the progress bar; the spin edit is set by its arrows only.
class TOsszefoglJelolForm : public TBaseBillForm {
    Q_OBJECT
public:
    TOsszefoglJelolForm();

    static QString Introduction();
    static std::vector<ReviewTable::TRow> Rows();

    QLabel* lblBevezeto() const { return lblBevezeto_; }
    const ReviewTable::TTable& Table() const { return table_; }
    TRadioGroup* RadioGroup1() const { return radioGroup1_; }
    QGroupBox* GroupBox1() const { return groupBox1_; }
    TCheckBox* CheckBox(int index) const { return checkBoxes_.at(static_cast<std::size_t>(index)); }
    TSpinEdit* SpinEdit1() const { return spinEdit1_; }
    TTrackBar* TrackBar1() const { return trackBar1_; }
    TProgressBar* ProgressBar1() const { return progressBar1_; }
    TPushButton* btnTovabb() const { return btnTovabb_; }

private:
    void Caption(const QRect& geometry, const QString& text);
    void TrackBar1Change();

    QLabel* lblBevezeto_;
    ReviewTable::TTable table_;
    TRadioGroup* radioGroup1_;
    QGroupBox* groupBox1_;
    std::vector<TCheckBox*> checkBoxes_;
    TSpinEdit* spinEdit1_;
    TTrackBar* trackBar1_;
    TProgressBar* progressBar1_;
    TPushButton* btnTovabb_;
};
