#include "PrgProgramWindow.h"

#include "framework/MediaAccess.h"
#include "platform/CourseError.h"

TPrgProgramWindow::TPrgProgramWindow(QWidget* host, const QString& name, const QString& caption, QSize outer,
                                     int top)
    : TBaseCustForm(host, name, caption)
{
    SetStayOnTop(true);
    SetBounds(QRect(QPoint(0, 0), outer));
    PlaceCentred(top);
    // Cutting the hooks (the page going away) cuts this one too: a close then only hides.
    OnClose = [this](TPracticeWindow&, TCloseAction& action) {
        action = TCloseAction::None;
        Hide();
        if (OnClosed)
            OnClosed();
    };
}

void TPrgProgramWindow::PlaceCentred(int top)
{
    SetBounds(QRect((ScreenWidth - Width()) / 2, top, Width(), Height()));
}

void TPrgProgramWindow::UseIcon(const QString& pictureName)
{
    try {
        SetIcon(LoadPng(pictureName));
    } catch (const TCourseError&) {
        // An icon is decoration: the window works without it.
        SetIcon(QImage());
    }
}
