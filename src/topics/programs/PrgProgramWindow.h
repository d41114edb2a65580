#pragma once

#include "framework/BaseCustForm.h"

#include <functional>

// One of the small programs the imitated desktop starts: a window of the program handling page,
// created hidden, staying on top and centred across the screen at its own top. The page opens it
// with Show() and learns of every close (title bar, its own "Kilépés", Alt+F4) from OnClosed; a
// close only hides the window, so it opens again as it was left.
class TPrgProgramWindow : public TBaseCustForm {
    Q_OBJECT
public:
    TPrgProgramWindow(QWidget* host, const QString& name, const QString& caption, QSize outer, int top);

    // Left = (1024 - width) div 2.
    void PlaceCentred(int top);

    // After the window hid on a close. The window's own OnClose makes the close a hide: the page
    // sets this hook, not OnClose.
    std::function<void()> OnClosed;

protected:
    // The window's icon from the course's pictures; without the picture the title shows none.
    void UseIcon(const QString& pictureName);
};
