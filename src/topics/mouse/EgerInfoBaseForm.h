#pragma once

#include "MouseText.h"
#include "framework/BaseBlueForm.h"

// The mouse topic's closing pages: a background named after the page, its text written onto it,
// the back-to-home picture; Escape does nothing.
class TEgerInfoBaseForm : public TBaseBlueForm {
    Q_OBJECT
public:
    TEgerInfoBaseForm(const QString& pageName, const MouseText::TLayout& layout, const QString& text);

    void ShowPage() override;

protected:
    // A transparent area over something drawn in the background.
    TImage* Area(const QRect& geometry);

private:
    MouseText::TLayout layout_;
    QString text_;
};
