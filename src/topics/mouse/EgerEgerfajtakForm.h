#pragma once

#include "EgerInfoBaseForm.h"

// Special mice: the touch pad, the wireless mouse and the trackball; a double click on the
// trackball moves on.
class TEgerEgerfajtakForm : public TEgerInfoBaseForm {
    Q_OBJECT
public:
    TEgerEgerfajtakForm();

    TImage* imgHanyatteger() const { return imgHanyatteger_; }

private:
    TImage* imgHanyatteger_;
};
