#include "KezelWndForm.h"

#include "ClipPlayer.h"
#include "Controls.h"
#include "Fonts.h"
#include "Image.h"
#include "PushButton.h"

#include <QLabel>

QString TKezelWndForm::Title()
{
    return QStringLiteral("Címsáv");
}

QString TKezelWndForm::FirstTask()
{
    return QStringLiteral("Az ablak tetején lévő színes csík a címsáv, ahol például a program nevét is megtalálod. "
                          "Ha az egérrel a címsávra kattintasz, akkor mozgathatod is a képernyőn az ablakot.\n"
                          "Használd a \"Fogd és vidd\" módszert! \nVidd az ablakot a bal felső sarokba!\n");
}

TKezelWndForm::TKezelWndForm(QWidget* host, int tag)
    : TPracticeWindow(host, QStringLiteral("KezelWndForm"), Title()), tag_(tag)
{
    SetColour(Qt::white);
    SetStayOnTop(true);
    AllowSize = AllowMaximize = AllowMinimize = AllowClose = false;
    AllowMove = true;
    MoveRule = TMoveRule::KeepOnScreen;
    QWidget* client = Client();

    pnlMenu_ = new QWidget(client);
    pnlMenu_->setVisible(false);
    staticText1_ = Controls::Label(pnlMenu_, QRect(0, 4, 214, 16),
                                   QStringLiteral("Fájl     Szerkesztés    Nézet    Súgó"),
                                   PixelFont(QStringLiteral("Arial"), 13), Qt::black, Qt::AlignCenter);
    img_ = new TImage(client, QRect(0, 0, 10, 201));
    img_->SetCenter(true);
    txtTask_ = Controls::Label(client, QRect(0, 201, 10, 10), FirstTask(), PixelFont(QStringLiteral("Arial"), 16),
                               Qt::black, Qt::AlignHCenter | Qt::AlignTop, true);
    btnNext_ = new TPushButton(client, QRect(192, 360, 75, 25), QStringLiteral("Tovább"));
    btnNext_->setVisible(false);
    anim_ = new TClipPlayer(client);
    anim_->setGeometry(128, 24, 201, 201);
    anim_->setVisible(false);
    SetBounds(QRect(0, 0, NormalWidth, NormalHeight));
    LayOut();
}

void TKezelWndForm::SetTask(const QString& text, const QColor& colour)
{
    QPalette colours = txtTask_->palette();
    colours.setColor(QPalette::WindowText, colour);
    txtTask_->setPalette(colours);
    txtTask_->setText(text);
}

void TKezelWndForm::SetAutoLayout(bool automatic)
{
    autoLayout_ = automatic;
    LayOut();
}

void TKezelWndForm::ShowMenu(bool shown)
{
    pnlMenu_->setVisible(shown);
    LayOut();
}

void TKezelWndForm::resizeEvent(QResizeEvent* event)
{
    TPracticeWindow::resizeEvent(event);
    LayOut();
}

void TKezelWndForm::LayOut()
{
    const int width = Client()->width();
    const int height = Client()->height();
    int top = 0;
    if (pnlMenu_->isVisibleTo(Client())) {
        pnlMenu_->setGeometry(0, 0, width, 24);
        top = 24;
    }
    img_->setGeometry(0, top, width, 201);
    if (autoLayout_)
        txtTask_->setGeometry(0, top + 201, width, std::max(0, height - top - 201));
}
