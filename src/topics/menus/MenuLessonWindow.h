#pragma once

#include "framework/BaseCustForm.h"

#include <QImage>

class QLabel;
class TImage;
class TMenu;
class TPushButton;

// A practice window of the menus topic: white, staying on top, and locked (the learner cannot
// move, size, minimise, maximise or close it), so only its menu and its "Tovább !" react. Texts are
// Arial 16 px.
class TMenuLessonWindow : public TBaseCustForm {
    Q_OBJECT
public:
    TMenuLessonWindow(QWidget* host, const QString& name, const QString& caption, QSize outer);

    TPushButton* btnTovabb() const { return btnTovabb_; }

    // The window's client width (the outer width less the borders).
    int ClientWidth() const;

protected:
    // A picture area across the client's top, the picture centred in it.
    TImage* TopPicture(int height);
    TImage* Picture(const QRect& area);
    QLabel* Text(const QRect& area, Qt::Alignment alignment, const QColor& colour = Qt::black);
    // "Tovább !" at `at`, hidden until the task is done.
    void PlaceNext(QPoint at);
    // A new menu for this window; the window owns it.
    TMenu* NewMenu();

private:
    TPushButton* btnTovabb_ = nullptr;
};
