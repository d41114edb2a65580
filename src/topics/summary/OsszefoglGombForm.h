#pragma once

#include "ReviewTable.h"
#include "framework/BaseBillForm.h"

class QLabel;
class TPushButton;
class TSpeedButton;
class TSpeedButtonGroup;

// The button review: buttons of every kind the topic showed, and what a button is like. The
// samples only look and press; none gives an order.
class TOsszefoglGombForm : public TBaseBillForm {
    Q_OBJECT
public:
    TOsszefoglGombForm();

    static QString Introduction();
    static std::vector<ReviewTable::TRow> Rows();

    QLabel* lblBevezeto() const { return lblBevezeto_; }
    const ReviewTable::TTable& Table() const { return table_; }
    TPushButton* normalBtn() const { return normalBtn_; }
    TImage* roundImg() const { return roundImg_; }
    TPushButton* coloredBtn() const { return coloredBtn_; }
    TImage* ellipseImg() const { return ellipseImg_; }
    TSpeedButton* mappaBtn() const { return mappaBtn_; }
    TSpeedButton* szamologepBtn() const { return szamologepBtn_; }
    TPushButton* Button2() const { return button2_; }
    TPushButton* Button3() const { return button3_; }
    TPushButton* btnTovabb() const { return btnTovabb_; }

private:
    TSpeedButton* ToolButton(const QRect& geometry, int tag, const QString& caption, const QString& icon);

    QLabel* lblBevezeto_;
    ReviewTable::TTable table_;
    TPushButton* normalBtn_;
    TImage* roundImg_;
    TPushButton* coloredBtn_;
    TImage* ellipseImg_;
    TSpeedButtonGroup* tools_;
    TSpeedButton* mappaBtn_;
    TSpeedButton* szamologepBtn_;
    TPushButton* button2_;
    TPushButton* button3_;
    TPushButton* btnTovabb_;
};
