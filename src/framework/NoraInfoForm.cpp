#include "NoraInfoForm.h"

#include "Controls.h"
#include "Fonts.h"
#include "Image.h"
#include "PushButton.h"

#include <QLabel>

QString TNoraInfoForm::Text()
{
    return QStringLiteral("A legismertebb operációs rendszer neve Windows (vindóz) = ablakok. Ha ezt használod, "
                          "akkor a képernyőn minden program ablakban jelenik meg. Az ablakok könnyen kinyithatók és "
                          "bezárhatók. Az ablakok mérete változtatható, és egyszerre több is elfér a képernyőn.");
}

TNoraInfoForm::TNoraInfoForm(QWidget* host)
    : TPracticeWindow(host, QStringLiteral("NoraInfoForm"), QString())
{
    AllowSize = AllowMaximize = AllowMinimize = AllowMove = AllowClose = false;
    SetBorder(TWindowFrame::TBorder::Single);
    SetBorderIcons({true, false, false});
    SetClientSize(QSize(619, 133));
    QWidget* client = Client();
    imgDlgInfo_ = new TImage(client, QRect(16, 16, 32, 32));
    txtDialog_ = Controls::Label(client, QRect(64, 16, 547, 74), Text(), PixelFont(QStringLiteral("Arial"), 16),
                                 Qt::black, Qt::AlignLeft | Qt::AlignTop, true);
    button1_ = new TPushButton(client, QRect(272, 100, 89, 25), QStringLiteral("Ok"));
    button1_->setFont(PixelFont(QStringLiteral("Arial"), 16));
}
