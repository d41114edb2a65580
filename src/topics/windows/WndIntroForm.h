#pragma once

#include "WndBaseForm.h"

class TNoraForm;
class TNoraInfoForm;

// The topic's introduction: Nóra's window and an information window whose "Ok" leads on.
class TWndIntroForm : public TWndBaseForm {
    Q_OBJECT
public:
    TWndIntroForm();

    TNoraForm* NoraForm() const { return noraForm_; }
    TNoraInfoForm* NoraInfoForm() const { return noraInfoForm_; }

private:
    TNoraForm* noraForm_;
    TNoraInfoForm* noraInfoForm_;
};
