#pragma once

#include "PnlBaseForm.h"

class TMessagePanel;
class TPushButton;

// The operating system's tasks, told on a title-less panel whose close button does nothing.
class TPnlNyomtatForm : public TPnlBaseForm {
    Q_OBJECT
public:
    TPnlNyomtatForm();

    // What the panel says.
    static QString PanelText();

    TMessagePanel* pnlOK() const { return pnlOK_; }
    TPushButton* btnOk() const { return btnOk_; }

private:
    TMessagePanel* pnlOK_;
    TPushButton* btnOk_;
};
