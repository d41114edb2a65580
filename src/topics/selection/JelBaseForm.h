#pragma once

#include "framework/BaseForm.h"

#include <QColor>

class QLabel;
class TImage;
class TPushButton;

// A page of the selection topic: its background from the topic's folder, a back area `Image1`
// over the back button painted in the lower right corner, and its controls reached with Tab and
// the arrows as well as the mouse.
class TJelBaseForm : public TBaseForm {
    Q_OBJECT
public:
    TJelBaseForm(const QString& pageName, const QString& background, const QRect& backArea);

    TImage* Image1() const { return image1_; }

protected:
    void Notify();
    // What the back area does; pages with a clock stop it first.
    virtual void Image1Click();
    QLabel* TextLabel(const QRect& geometry, const QString& text, int pixels);
    TPushButton* Button(const QRect& geometry, const QString& caption, bool enabled);

    static inline const QColor Blue = QColor(0, 0, 255);

private:
    TImage* image1_;
};
