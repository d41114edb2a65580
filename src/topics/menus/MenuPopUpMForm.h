#pragma once

#include "MenuBaseMForm.h"

#include <array>

class QFrame;
class TClipPlayer;
class TMenu;
class TNoraInfoForm;

// The first pop-up lesson: each guide's picture has its own pop-up menu (turn, spin, somersault)
// that plays the guide's clip; after three commands "Tovább" opens.
class TMenuPopUpMForm : public TMenuBaseMForm {
    Q_OBJECT
public:
    static constexpr int Guides = 3;

    TMenuPopUpMForm();

    // What the information window says.
    static QString Info();

    void ShowPage() override;

    TNoraInfoForm* InfoWindow() const { return info_; }
    QFrame* Panel(int guide) const { return panels_.at(static_cast<std::size_t>(guide)); }
    TImage* Picture(int guide) const { return pictures_.at(static_cast<std::size_t>(guide)); }
    TClipPlayer* Clip(int guide) const { return clips_.at(static_cast<std::size_t>(guide)); }
    TMenu* PopupMenu(int guide) const { return menus_.at(static_cast<std::size_t>(guide)); }
    int Commands() const { return commands_; }

private:
    void Command(int guide, int command);

    TNoraInfoForm* info_;
    std::array<QFrame*, Guides> panels_{};
    std::array<TImage*, Guides> pictures_{};
    std::array<TClipPlayer*, Guides> clips_{};
    std::array<TMenu*, Guides> menus_{};
    int commands_ = 0;
};
