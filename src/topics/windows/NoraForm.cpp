#include "NoraForm.h"

#include "framework/Image.h"

QString TNoraForm::Title()
{
    return QStringLiteral("Nóra Ablaka");
}

TNoraForm::TNoraForm(QWidget* host) : TPracticeWindow(host, QStringLiteral("NoraForm"), Title())
{
    AllowSize = AllowMaximize = AllowMinimize = AllowMove = AllowClose = false;
    SetColour(Qt::white);
    SetBorder(TWindowFrame::TBorder::Single);
    SetBorderIcons({false, false, false});
    SetClientSize(QSize(401, 287));
    imgNora_ = new TImage(Client(), QRect(104, 40, 200, 200));
}
