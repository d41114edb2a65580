#pragma once

#include "EgerInfoBaseForm.h"

// The game chooser: a click on one of the four game titles plays that game again; the game's own
// way out comes back here.
class TEgerJatekvalasztasForm : public TEgerInfoBaseForm {
    Q_OBJECT
public:
    TEgerJatekvalasztasForm();

    TImage* imgLepkevadasz() const { return imgLepkevadasz_; }
    TImage* imgLufi() const { return imgLufi_; }
    TImage* imgJobbraBalra() const { return imgJobbraBalra_; }
    TImage* imgKosar() const { return imgKosar_; }

private:
    TImage* Title(const QRect& geometry, const QString& game);

    TImage* imgLepkevadasz_;
    TImage* imgLufi_;
    TImage* imgJobbraBalra_;
    TImage* imgKosar_;
};
