#pragma once

#include "ReviewTable.h"
#include "framework/BaseBillForm.h"

class QLabel;
class TImage;
class TPushButton;

// The panel review: the board, what panels are, and the two kinds of panels in two tables.
class TOsszefoglPanelForm : public TBaseBillForm {
    Q_OBJECT
public:
    TOsszefoglPanelForm();

    TImage* imgTabla() const { return imgTabla_; }
    QLabel* txtIntro() const { return txtIntro_; }
    const ReviewTable::TTable& MessagePanels() const { return messagePanels_; }
    const ReviewTable::TTable& DialogPanels() const { return dialogPanels_; }
    TPushButton* btnTovabb() const { return btnTovabb_; }

private:
    TImage* imgTabla_;
    QLabel* txtIntro_;
    ReviewTable::TTable messagePanels_;
    ReviewTable::TTable dialogPanels_;
    TPushButton* btnTovabb_;
};
