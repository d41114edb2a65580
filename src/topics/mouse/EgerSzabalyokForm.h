#pragma once

#include "EgerInfoBaseForm.h"

// Mouse pads, the surface optical mice need, cleaning the ball and washing hands; a double click
// on the picture moves on.
class TEgerSzabalyokForm : public TEgerInfoBaseForm {
    Q_OBJECT
public:
    TEgerSzabalyokForm();

    TImage* Image1() const { return image1_; }

private:
    TImage* image1_;
};
