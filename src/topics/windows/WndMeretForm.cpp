#include "WndMeretForm.h"

#include "MeretWndForm.h"
#include "framework/Controls.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/PushButton.h"

#include <QLabel>

namespace {
const QSize Smallest(230, 170);
const QSize Largest(820, 555);
} // namespace

TWndMeretForm::TWndMeretForm() : TWndBaseForm(QStringLiteral("WndMeretForm"))
{
    window_ = new TMeretWndForm(this);
    window_->SetBounds(QRect(200, 210, 470, 415));
    window_->SetSizeLimits(Smallest, Largest);
    window_->img()->SetPng(LoadPng(QStringLiteral("ablakok\\wnd_v_gugol.png")));
    window_->OnResize = [this](TPracticeWindow&) { WindowResize(); };
    window_->Button1()->OnClick = [this] { Notify(); };
}

QString TWndMeretForm::Task(int step)
{
    if (step == 1)
        return QStringLiteral("Az ablakok mérete változtatható. Az ablak bármelyik szélét elmozdíthatod, ha lenyomod "
                              "rajta az egérgombot, és közben mozgatod az egeret. Akkor nyomd le a gombot, amikor "
                              "az egérmutató fekete kettős nyíllá változik! Most kicsinyítsd le az ablakot, "
                              "amennyire csak lehet!");
    if (step == 2)
        return QStringLiteral("Most nagyítsd fel, amekkorára csak tudod!");
    return QString();
}

void TWndMeretForm::ShowPage()
{
    TWndBaseForm::ShowPage();
    step_ = 0;
    window_->Show();
    Advance();
}

void TWndMeretForm::PlaceNext(int gap)
{
    TPushButton* next = window_->Button1();
    next->move((window_->Client()->width() - next->width()) / 2, window_->Height() - next->height() - gap);
}

void TWndMeretForm::Advance()
{
    ++step_;
    switch (step_) {
    case 1:
        window_->taskText()->setText(Task(1));
        break;
    case 2:
        Controls::SetColour(window_->taskText(), QColor(0, 128, 0));
        window_->taskText()->setText(Task(2));
        window_->img()->SetPng(LoadPng(QStringLiteral("ablakok\\wnd_v.png")));
        break;
    case 3:
        window_->Button1()->setVisible(true);
        PlaceNext(50);
        break;
    default:
        break;
    }
}

void TWndMeretForm::WindowResize()
{
    PlaceNext(10);
    const QSize size(window_->Width(), window_->Height());
    if ((step_ == 1 && size == Smallest) || (step_ == 2 && size == Largest))
        Advance();
    else if (step_ == 3)
        PlaceNext(50);
}
