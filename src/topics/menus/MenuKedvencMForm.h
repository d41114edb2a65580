#pragma once

#include "MenuBaseMForm.h"

#include <QStringList>

class QLabel;
class TDragListBox;
class TMenuMenuForm;

// The keyboard in menus: Tivadar's six favourite dishes are chosen (arrows and Enter work too) and
// listed on the right; then the table is served.
class TMenuKedvencMForm : public TMenuBaseMForm {
    Q_OBJECT
public:
    TMenuKedvencMForm();

    // What the window says, the captions over the two lists, and Tivadar's favourites, one of
    // each menu, as the left list shows them.
    static QString Info();
    static QString FavouritesCaption();
    static QString ChosenCaption();
    static QStringList FavouriteDishes();

    void ShowPage() override;

    TMenuMenuForm* MenuWindow() const { return window_; }
    TDragListBox* favourites() const { return favourites_; }
    TDragListBox* selList() const { return selList_; }
    int Found() const { return found_; }

private:
    void Choose(int tag, const QString& caption);

    TMenuMenuForm* window_;
    QLabel* favouritesLabel_;
    TDragListBox* favourites_;
    QLabel* selectedLabel_;
    TDragListBox* selList_;
    int found_ = 0;
};
