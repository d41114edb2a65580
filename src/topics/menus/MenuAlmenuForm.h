#pragma once

#include "MenuLessonWindow.h"

// "Lemezke, Nyilacska, Tárolka keresése almenükben": the animals menu, three of whose names hide in
// submenus.
class TMenuAlmenuForm : public TMenuLessonWindow {
    Q_OBJECT
public:
    explicit TMenuAlmenuForm(QWidget* host);

    // The window's title and the name of its one menu.
    static QString Title();
    static QString MenuName();

    TImage* img() const { return img_; }
    QLabel* txtInfo() const { return txtInfo_; }

private:
    TImage* img_;
    QLabel* txtInfo_;
};
