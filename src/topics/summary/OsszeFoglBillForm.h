#pragma once

#include "ReviewTable.h"
#include "framework/BaseForm.h"

class TImage;
class TPushButton;

// The keyboard review: what each key the topic taught is for.
class TOsszeFoglBillForm : public TBaseForm {
    Q_OBJECT
public:
    TOsszeFoglBillForm();

    static std::vector<ReviewTable::TRow> Rows();

    const ReviewTable::TTable& Table() const { return table_; }
    TImage* imgToMenu() const { return imgToMenu_; }
    TPushButton* btnTovabb() const { return btnTovabb_; }

private:
    void FormCreate();

    ReviewTable::TTable table_;
    TImage* imgToMenu_;
    TPushButton* btnTovabb_;
};
