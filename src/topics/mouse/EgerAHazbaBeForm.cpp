#include "EgerAHazbaBeForm.h"

#include "MarginMove.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/TextImgWriter.h"

TEgerAHazbaBeForm::TEgerAHazbaBeForm() : TBaseBlueForm(QStringLiteral("EgerAHazbaBeForm"))
{
    LoadBackground(QStringLiteral("egerezes\\EgerAHazbaBeForm.jpg"));
    imgVirag_ = new TImage(this, QRect(488, 464, 198, 305));
    imgVirag_->SetPng(LoadPng(QStringLiteral("jelolesek\\virag_3.png")));
    const QImage start = LoadPng(QStringLiteral("egerezes\\START.png"));
    imgStart_ = new TImage(this, QRect(QPoint(376, 312), start.size()));
    imgStart_->SetPng(start);
    imgStart_->setCursor(Qt::PointingHandCursor);
    imgStart_->hide();
    imgStart_->setEnabled(false);
    imgStart_->OnClick = [this] { imgStartClick(); };

    imgNyilacska_ = new TImage(this, QRect(645, 335, 168, 251));
    imgNyilacska_->SetPng(LoadPng(QStringLiteral("egerezes\\EgerAHazbaBeForm_nyilacska.png")));
    imgNyilacska_->hide();
    imgNyilacska_->setEnabled(false);
    imgNyilacska_->raise();
    imgNyilacska_->OnMouseDown = [this](Qt::MouseButton, QPoint at) { imgNyilacskaMouseDown(at); };
    imgNyilacska_->OnMouseMove = [this](QPoint at) { imgNyilacskaMouseMove(at); };
    imgNyilacska_->OnMouseUp = [this](Qt::MouseButton, QPoint) { imgNyilacskaMouseUp(); };
    imgNyilacska_->OnDblClick = [this] { NotifyModule(); };
    hatter()->OnMouseUp = [this](Qt::MouseButton, QPoint) { dragging_ = false; };
    IgnoreEscape();
}

void TEgerAHazbaBeForm::ShowPage()
{
    TBaseBlueForm::ShowPage();
    ShowGrass();
    ShowToMenu();
    TTextImgWriter& writer = InfoWriter();
    writer.SetAlignment(QStringLiteral("wlfCenter"));
    writer.SetMargins(0, 0, 70, 0);
    writer.SetLineSpacing(10);
    ShowInfoPanel();
    SetInfoText(QStringLiteral("Vidd Nyilacskát az egér segítségével a virág mellé!<BR>Ha sikerült, tedd a "
                               "házába!<BR>Indítás: START"));
    imgStart_->raise();
    imgStart_->setEnabled(true);
    imgStart_->show();
}

bool TEgerAHazbaBeForm::InHouse(const QRect& bounds)
{
    const int right = bounds.x() + bounds.width();
    return bounds.y() >= House.y() - 40 && bounds.x() >= House.x() - 40 &&
           right <= House.x() + House.width() + 40;
}

void TEgerAHazbaBeForm::imgStartClick()
{
    imgStart_->hide();
    imgStart_->setEnabled(false);
    imgNyilacska_->setEnabled(true);
    imgNyilacska_->show();
    HideInfoPanel();
}

void TEgerAHazbaBeForm::imgNyilacskaMouseDown(QPoint at)
{
    if (inHouse_)
        return;
    PlaySoundFile(QStringLiteral("2_plink.wav"));
    dragging_ = true;
    grab_ = at;
}

void TEgerAHazbaBeForm::imgNyilacskaMouseUp()
{
    if (!inHouse_)
        PlaySoundFile(QStringLiteral("2_plunk.wav"));
    dragging_ = false;
}

void TEgerAHazbaBeForm::imgNyilacskaMouseMove(QPoint at)
{
    if (!dragging_ || inHouse_)
        return;
    const QPoint pointer = imgNyilacska_->mapTo(this, at);
    const MarginMove::TMove move = MarginMove::Follow(imgNyilacska_->geometry(), pointer - grab_, Margin);
    imgNyilacska_->move(move.topLeft);
    // Only a free move can bring it home; a move along a margin is no arrival.
    if (!move.free || !InHouse(imgNyilacska_->geometry()))
        return;
    inHouse_ = true;
    dragging_ = false;
    TTextImgWriter& writer = InfoWriter();
    writer.SetAlignment(QStringLiteral("wlfCenter"));
    writer.SetMargins(0, 0, 100, 0);
    writer.SetLineSpacing(10);
    ShowInfoPanel();
    SetInfoText(QStringLiteral("Ügyes vagy!<BR>Klikkelj duplán Nyilacskán, hogy a következő feladathoz lépj!"));
}
