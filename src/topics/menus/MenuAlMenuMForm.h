#pragma once

#include "MenuBaseMForm.h"

class TMenuAlmenuForm;

// The submenu lesson: Nyilacska, Lemezke and Tárolka are found in the animals' submenus, in any
// order; then "Tovább !" shows.
class TMenuAlMenuMForm : public TMenuBaseMForm {
    Q_OBJECT
public:
    TMenuAlMenuMForm();

    static QString Info();

    TMenuAlmenuForm* AlmenuWindow() const { return window_; }
    // The Tags found so far added up: 2, 4 and 8, 14 when all are found.
    int Found() const { return found_; }

private:
    TMenuAlmenuForm* window_;
    int found_ = 0;
};
