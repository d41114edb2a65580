#pragma once

#include "JelBaseForm.h"

// The scene both memory quizzes ask about: look well, then "Tovább".
class TJelMemIntroForm : public TJelBaseForm {
    Q_OBJECT
public:
    TJelMemIntroForm();

    TPushButton* Button1() const { return button1_; }

private:
    TPushButton* button1_;
};
