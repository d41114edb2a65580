#pragma once

#include "ReviewTable.h"
#include "framework/BaseCustForm.h"

class QLabel;
class TImage;
class TMenu;
class TPushButton;

// The menu search's window: white and locked (the learner cannot move, size, minimise, maximise or
// close it). It first reviews the parts of a window in a table; then its menu bar of six menus,
// each item of each with the same four names, is where the learner searches.
class TOsszefoglMenuFrmForm : public TBaseCustForm {
    Q_OBJECT
public:
    explicit TOsszefoglMenuFrmForm(QWidget* host);

    static QString Title();
    static QString ReviewText();
    static QString SearchText();

    TImage* imgOdon() const { return imgOdon_; }
    QLabel* txtInfo() const { return txtInfo_; }
    QWidget* pnlTabla() const { return pnlTabla_; }
    const ReviewTable::TTable& Table() const { return table_; }
    TPushButton* btnStart() const { return btnStart_; }
    TPushButton* btnTovabb() const { return btnTovabb_; }
    // The search's menus; the bar shows them once the search is offered.
    TMenu* mMenu() const { return mMenu_; }

    // The review gives way to the search: the instruction, START, and the menu bar. Alone, START
    // takes the place of "Tovább"; otherwise the two stand side by side.
    void OfferSearch(bool startAlone);
    // The path to find, in bold.
    void ShowTarget(const QString& target);

private:
    void BuildMenu();

    TImage* imgOdon_;
    QLabel* txtInfo_;
    QWidget* pnlTabla_;
    ReviewTable::TTable table_;
    TPushButton* btnStart_;
    TPushButton* btnTovabb_;
    TMenu* mMenu_;
};
