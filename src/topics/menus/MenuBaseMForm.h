#pragma once

#include "framework/BaseForm.h"

class TImage;
class TMenuLessonWindow;
class TNoraInfoForm;
class TPracticeWindow;

// A page of the menus topic: the background "menu\baseScr.jpg" with its to-main sign `imgToMenu`,
// and the page's practice window over it.
class TMenuBaseMForm : public TBaseForm {
    Q_OBJECT
public:
    explicit TMenuBaseMForm(const QString& pageName);

    TImage* imgToMenu() const { return imgToMenu_; }

protected:
    // Places the page's practice window, wires its "Tovább !" to the module and shows it, active,
    // so that the learner's keys go to its menu.
    void Open(TMenuLessonWindow* window, QPoint at);
    // The window becomes the active one again (it gets the keys).
    void Activate(TPracticeWindow* window);
    // The pop-up lessons' information window at `at`: the information icon and "Tovább", closed
    // until the lesson opens it, leading to the module.
    TNoraInfoForm* OpenInfoWindow(QPoint at);

private:
    TImage* imgToMenu_;
};
