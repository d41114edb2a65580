#pragma once

#include "MenuLessonWindow.h"

#include <QStringList>

class TClipPlayer;

// "Torna": Tivadar's exercises in two menus, every item but one with a shortcut; the clip shows
// the exercise chosen.
class TMenuTornaForm : public TMenuLessonWindow {
    Q_OBJECT
public:
    explicit TMenuTornaForm(QWidget* host);

    // The window's title and its menus' names, "&" before each one's Alt letter.
    static QString Title();
    static QStringList MenuNames();

    TImage* img() const { return img_; }
    QLabel* txtTask() const { return txtTask_; }
    QLabel* txtInfo() const { return txtInfo_; }
    TClipPlayer* anim() const { return anim_; }
    // Shows Tivadar's picture fitted above the task text.
    void SetPicture(const QImage& picture);

private:
    TImage* img_;
    QLabel* txtTask_;
    QLabel* txtInfo_;
    TClipPlayer* anim_;
};
