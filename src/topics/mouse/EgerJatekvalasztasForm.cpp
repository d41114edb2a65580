#include "EgerJatekvalasztasForm.h"

#include "framework/Image.h"
#include "shell/Board.h"

TEgerJatekvalasztasForm::TEgerJatekvalasztasForm()
    : TEgerInfoBaseForm(QStringLiteral("EgerJatekvalasztasForm"), {16, 75, 160, 95, 350, 5},
                        QStringLiteral("A végére jöhet még egy kis lazítás!<BR>A négy játék közül bármelyikkel újra "
                                       "játszhatsz, csak rá kell kattintanod a feliratra.<BR>Egy-egy játékból mindig "
                                       "az ESC billentyűvel léphetsz ki, és választhatsz másik játékot.<BR>Ha nem "
                                       "szeretnél már játszani, akkor kattints a \"Vissza a főoldalra\" feliratú "
                                       "gombra!"))
{
    imgLepkevadasz_ = Title(QRect(80, 310, 295, 100), QStringLiteral("LEPKE"));
    imgLufi_ = Title(QRect(480, 310, 315, 105), QStringLiteral("LUFI"));
    imgJobbraBalra_ = Title(QRect(60, 480, 365, 75), QStringLiteral("EGERVADASZ"));
    imgKosar_ = Title(QRect(500, 480, 260, 75), QStringLiteral("KOSAR"));
}

TImage* TEgerJatekvalasztasForm::Title(const QRect& geometry, const QString& game)
{
    TImage* title = Area(geometry);
    title->OnClick = [this, game] {
        Board::PutText(Controller(), QStringLiteral("JATEKVALASZT"), game);
        NotifyModule();
    };
    return title;
}
