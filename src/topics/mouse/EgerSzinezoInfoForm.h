#pragma once

#include "EgerInfoBaseForm.h"

// Carrying what cannot be seen, the drag cursors, and the choice of the colouring task: Tivadar
// for the car, Nóra for the dress.
class TEgerSzinezoInfoForm : public TEgerInfoBaseForm {
    Q_OBJECT
public:
    TEgerSzinezoInfoForm();

    TImage* imgTivadar() const { return imgTivadar_; }
    TImage* imgNora() const { return imgNora_; }

private:
    void Choose(const QString& task);

    TImage* imgTivadar_;
    TImage* imgNora_;
};
