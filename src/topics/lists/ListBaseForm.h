#pragma once

#include "framework/BaseForm.h"

#include <QColor>

class QLabel;
class TImage;
class TPushButton;

// A page of the list box topic: its background "Lista\<page>.jpg", the instruction `lbText`,
// "Tovább" (closed until the task is done) and the back area over the back sign of the background.
class TListBaseForm : public TBaseForm {
    Q_OBJECT
public:
    static inline const QColor TextColour = QColor(0, 0, 160);

    // background: the picture's name without folder and extension; nextTop: "Tovább" stands at
    // (384, nextTop).
    TListBaseForm(const QString& pageName, const QString& background, int nextTop = 696);

    QLabel* lbText() const { return lbText_; }
    TPushButton* btnNext() const { return btnNext_; }
    TImage* imgToMain() const { return imgToMain_; }

protected:
    // The instruction in a font of `pixels`, word-wrapped in the area.
    void SetInstruction(const QString& text, int pixels, const QRect& area = QRect(40, 20, 944, 200));
    // A button in a font of `pixels`, readable at the topic's small button sizes.
    TPushButton* Button(const QRect& geometry, const QString& caption, int pixels, bool bold = true);
    // A bold heading centred over a control, just above it.
    QLabel* Heading(const QWidget& control, const QString& text);
    // "Tovább" hands over to the module unless a page has more to say first.
    virtual void btnNextClick();
    void Notify();

private:

    QLabel* lbText_;
    TPushButton* btnNext_;
    TImage* imgToMain_;
};
