#pragma once

#include "PnlBaseForm.h"

class TMessagePanel;
class TPushButton;

// Why panels have tabs: "Ok" and the panel's close button both lead on.
class TPnlKonyvJelzForm : public TPnlBaseForm {
    Q_OBJECT
public:
    TPnlKonyvJelzForm();

    // What the panel says.
    static QString PanelText();

    TMessagePanel* pnlOK() const { return pnlOK_; }
    TPushButton* btnOk() const { return btnOk_; }

private:
    TMessagePanel* pnlOK_;
    TPushButton* btnOk_;
};
