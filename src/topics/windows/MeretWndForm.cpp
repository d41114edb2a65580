#include "MeretWndForm.h"

#include "framework/Controls.h"
#include "framework/Fonts.h"
#include "framework/Image.h"
#include "framework/PushButton.h"

#include <QLabel>
#include <QResizeEvent>
#include <algorithm>

QString TMeretWndForm::Title()
{
    return QStringLiteral("Méretezés");
}

TMeretWndForm::TMeretWndForm(QWidget* host)
    : TPracticeWindow(host, QStringLiteral("MeretWndForm"), Title())
{
    AllowMove = AllowMinimize = AllowMaximize = AllowClose = false;
    AllowSize = true;
    SetColour(Qt::white);
    SetStayOnTop(true);
    OnClose = [](TPracticeWindow&, TCloseAction& action) { action = TCloseAction::Free; };
    const QFont font = PixelFont(QStringLiteral("Arial"), 16);
    taskText_ = Controls::Label(Client(), QRect(0, 0, 10, 170), QString(), font, Qt::black, Qt::AlignCenter, true);
    sizeText_ = Controls::Label(Client(), QRect(0, 170, 10, 50), QString(), font, Qt::red, Qt::AlignCenter);
    sizeText_->setVisible(false);
    img_ = new TImage(Client(), QRect(0, 170, 10, 10));
    img_->SetCenter(true);
    button1_ = new TPushButton(Client(), QRect(0, 0, 75, 25), QStringLiteral("Tovább"));
    button1_->setVisible(false);
}

void TMeretWndForm::resizeEvent(QResizeEvent* event)
{
    // The layout follows first: the owner's resize handler places "Tovább" on it.
    const int width = event->size().width() - 2 * TWindowFrame::BorderWidth(Border());
    const int clientHeight = event->size().height() - 2 * TWindowFrame::BorderWidth(Border()) - TWindowFrame::TitleHeight;
    taskText_->setGeometry(0, 0, width, 170);
    sizeText_->setGeometry(0, 170, width, 50);
    img_->setGeometry(0, 170, width, std::max(0, clientHeight - 170));
    TPracticeWindow::resizeEvent(event);
}
