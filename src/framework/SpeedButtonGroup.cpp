#include "SpeedButtonGroup.h"

#include "SpeedButton.h"
#include "platform/ErrorReport.h"

void TSpeedButtonGroup::Add(TSpeedButton* button)
{
    buttons_.push_back(button);
    connect(button, &QAbstractButton::clicked, this, [this, button] { Clicked(button); });
}

TSpeedButton* TSpeedButtonGroup::DownButton() const
{
    for (TSpeedButton* button : buttons_)
        if (button->Down())
            return button;
    return nullptr;
}

void TSpeedButtonGroup::ReleaseAll()
{
    for (TSpeedButton* button : buttons_)
        button->SetDown(false);
}

void TSpeedButtonGroup::Clicked(TSpeedButton* button)
{
    // The click has toggled the button already.
    if (mode_ == TMode::Exclusive)
        button->SetDown(true);
    for (TSpeedButton* other : buttons_)
        if (other != button)
            other->SetDown(false);
    if (OnClick)
        Guarded([&] { OnClick(button); });
}
