#pragma once

#include "framework/BaseForm.h"

class TImage;

// A page of the panels topic: its background "panel\<background>.jpg" and `imgToMain`, the back
// area over the background's back sign, which hands the learner to the chooser.
class TPnlBaseForm : public TBaseForm {
    Q_OBJECT
public:
    TPnlBaseForm(const QString& pageName, const QString& background);

    TImage* imgToMain() const { return imgToMain_; }

protected:
    // Hands over to the module (which may close this page during the call).
    void Notify() { NotifyModule(); }

private:
    TImage* imgToMain_;
};
