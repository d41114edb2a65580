#pragma once

#include "ListBaseForm.h"

#include <QStringList>

class QLabel;
class TClipPlayer;
class TDragListBox;
class TImage;

// The ly/j birds page, two exercises on one page object: the four j-birds, neighbours in the
// first pass, are selected with Shift and dragged over; in the second pass the list is sorted and
// they are picked with Ctrl and clicks. The step word comes under "STEP" and goes back under
// "STEP_READY".
class TList_LY_J_Form : public TListBaseForm {
    Q_OBJECT
public:
    static inline const QString Warning =
        QStringLiteral("Kérlek, hogy egyszerre húzd át az összes j-s elemet! Próbáld újra!");

    TList_LY_J_Form();

    // The instructions of the Shift and the Ctrl pass, and the birds as the first pass starts.
    static QString ShiftText();
    static QString CtrlText();
    static QStringList Birds();

    void ShowPage() override;
    // Between the passes: the lists as at the start, the birds sorted, "Tovább" closed.
    void PrepareNextPass();

    const QString& Step() const { return step_; }
    TDragListBox* lbLY() const { return lbLY_; }
    TDragListBox* lbJ() const { return lbJ_; }
    TImage* imgBill() const { return imgBill_; }
    TClipPlayer* anim() const { return anim_; }
    QLabel* lbFigyelmeztet() const { return lbFigyelmeztet_; }

protected:
    void btnNextClick() override;

private:
    void lbJDragDrop();

    QString step_;
    QStringList saved_;
    TDragListBox* lbLY_;
    TDragListBox* lbJ_;
    TImage* imgBill_;
    TClipPlayer* anim_;
    QLabel* lbFigyelmeztet_;
};
