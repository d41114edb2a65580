#pragma once

#include "PnlBaseForm.h"

class TImage;
class TMessagePanel;
class TPushButton;

// The exam's introduction: "Ok" and the panel's close button both lead to the exam.
class TPnlMiniVizsgaIntroForm : public TPnlBaseForm {
    Q_OBJECT
public:
    TPnlMiniVizsgaIntroForm();

    // The panel's title and what it says.
    static QString PanelTitle();
    static QString PanelText();

    TMessagePanel* pnlOK() const { return pnlOK_; }
    TPushButton* btnOk() const { return btnOk_; }

private:
    TMessagePanel* pnlOK_;
    TImage* imgInfo_;
    TPushButton* btnOk_;
};
