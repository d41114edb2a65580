#include "EgerDragDropForm.h"

#include "MouseText.h"
#include "framework/ClipPlayer.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"

TEgerDragDropForm::TEgerDragDropForm() : TBaseBlueForm(QStringLiteral("EgerDragDropForm"))
{
    LoadBackground(QStringLiteral("egerezes\\EgerDragDropForm.jpg"));
    imgNyilacska_ = new TImage(this, QRect(645, 335, 168, 251));
    imgNyilacska_->setCursor(Qt::PointingHandCursor);
    imgNyilacska_->OnClick = [this] { imgNyilacskaClick(); };
    nyilacskaAnim_ = new TClipPlayer(this);
    nyilacskaAnim_->setGeometry(125, 346, 320, 240);
    timer1_.SetInterval(2000);
    timer1_.OnTimer([this] { nyilacskaAnim_->PlayAll(1); });
}

QString TEgerDragDropForm::Instruction()
{
    return QStringLiteral("Most a \"Fogd és vidd!\" módszert tanuljuk meg, amikor az egérrel cipelhetsz "
                          "különböző dolgokat a képernyőn.<BR>Bal gombbal kattints rá arra, amit el akarsz "
                          "vinni, tartsd nyomva a gombot,<BR>és mozgasd az egeret!<BR>Ha már a jó helyen "
                          "van, akkor elengedheted az egér gombját.<BR>Klikkelj a jobb oldali "
                          "Nyilacskára!");
}

void TEgerDragDropForm::ShowPage()
{
    TBaseBlueForm::ShowPage();
    ShowToMenu();
    MouseText::Write(*this, *hatter(), {15, 160, 130, 90, 300, 8}, Instruction());
    imgNyilacska_->SetPng(LoadPng(QStringLiteral("egerezes\\EgerDragDropForm_nyilacska.png")));
    nyilacskaAnim_->Open(AviPath(QStringLiteral("egerezes\\EgerDragDropForm_dd.avi")));
    timer1_.SetEnabled(true);
}

void TEgerDragDropForm::imgNyilacskaClick()
{
    timer1_.SetEnabled(false);
    NotifyModule();
}
