#pragma once

#include <QObject>
#include <functional>
#include <vector>

class TSpeedButton;

// Speed buttons of which at most one is down. In an exclusive group one stays down: a click on
// the down button leaves it down and still reports. A group that allows all up also lets a click
// on the down button release it.
class TSpeedButtonGroup : public QObject {
    Q_OBJECT
public:
    enum class TMode { Exclusive, AllowAllUp };

    explicit TSpeedButtonGroup(TMode mode, QObject* parent = nullptr) : QObject(parent), mode_(mode) {}

    void Add(TSpeedButton* button);
    const std::vector<TSpeedButton*>& Buttons() const { return buttons_; }
    // The button that is down, or nullptr.
    TSpeedButton* DownButton() const;
    void ReleaseAll();

    // After the group has set every button's state for the click.
    std::function<void(TSpeedButton*)> OnClick;

private:
    void Clicked(TSpeedButton* button);

    TMode mode_;
    std::vector<TSpeedButton*> buttons_;
};
