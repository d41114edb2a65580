#pragma once

#include "MenuBaseMForm.h"

#include <array>

class TMenuAsztalkaForm;
class TMenuItem;
class TPageTimer;

// The check-mark lesson: Tivadar asks in balloons for things to eat and drink, or to take them
// away; checking or unchecking the right item puts it on the table or clears its plate.
class TMenuAsztalkaMForm : public TMenuBaseMForm {
    Q_OBJECT
public:
    static constexpr int BalloonLife = 60000;

    TMenuAsztalkaMForm();

    static QString Info();

    void ShowPage() override;

    TMenuAsztalkaForm* AsztalkaWindow() const { return window_; }
    TImage* imgAsztal() const { return imgAsztal_; }
    TImage* imgTivadar() const { return imgTivadar_; }
    TImage* Plate(int slot) const { return plates_.at(static_cast<std::size_t>(slot)); }
    // The item on a plate slot, 0 when the slot is empty.
    int PlateTag(int slot) const { return plateTags_.at(static_cast<std::size_t>(slot)); }
    // The request on screen, 0 before the first.
    int Request() const { return request_; }
    int Correct() const { return correct_; }
    TPageTimer* Timer() const { return timer_; }

private:
    void Choose(TMenuItem& item);
    void ShowRequest();
    void PutOnTable(int tag);
    void TakeFromTable(int tag);

    TMenuAsztalkaForm* window_;
    TImage* imgAsztal_;
    TImage* imgTivadar_;
    std::array<TImage*, 3> plates_{};
    std::array<int, 3> plateTags_{};
    TPageTimer* timer_;
    int request_ = 0;
    int correct_ = 0;
};
