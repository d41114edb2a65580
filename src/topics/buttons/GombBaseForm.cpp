#include "GombBaseForm.h"

#include "framework/BackAreas.h"
#include "framework/Fonts.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/TextImgWriter.h"
#include "platform/VirtualKey.h"
#include "shell/Board.h"
#include "shell/IModule.h"

TGombBaseForm::TGombBaseForm(const QString& pageName, TEscape escape) : TBaseForm(pageName), escape_(escape)
{
    UseTabStops();
    imgEndGame_ = new TImage(this, QRect(888, 576, 104, 61));
    imgEndGame_->hide();
    imgToMenu_ = AddBackArea(BackAreas::Games);
    imgToMenu_->hide();
    imgToMenu_->setEnabled(false);
}

void TGombBaseForm::InitPage()
{
    TBaseForm::InitPage();
    imgEndGame_->SetPng(LoadPng(QStringLiteral("egerezes\\game\\button_exitgame.png")));
    imgToMenu_->SetPng(LoadPng(QStringLiteral("egerezes\\game\\button_beck.png")));
}

void TGombBaseForm::ShowToMenu()
{
    imgToMenu_->show();
    imgToMenu_->setEnabled(true);
}

void TGombBaseForm::FormKeyDown(int& key, Qt::KeyboardModifiers)
{
    if (key == VirtualKey::Escape && escape_ == TEscape::Leaves && imgEndGame_->isEnabled())
        Notify();
}

void TGombBaseForm::Notify()
{
    NotifyModule();
}

void TGombBaseForm::WriteOnBackground(const QString& text, int left, int right, int top, int lineSpacing, int size,
                                      const QColor& colour)
{
    TTextImgWriter& writer = *Writer();
    // The font first: the writer takes the one lines are measured with when given the picture, so
    // lines wrap at the margins for the font they are written in.
    writer.SetFont(PointFont(QStringLiteral("Arial"), size), colour);
    writer.SetImage(hatter());
    writer.SetLineSpacing(lineSpacing);
    writer.SetMargins(left, right, top, 0);
    writer.SetText(text);
    writer.WriteText();
}

void TGombBaseForm::MakePressable(TImage* picture)
{
    picture->setCursor(Qt::PointingHandCursor);
    picture->OnMouseDown = [picture](Qt::MouseButton, QPoint) { picture->move(picture->pos() + QPoint(2, 2)); };
    picture->OnMouseUp = [picture](Qt::MouseButton, QPoint) { picture->move(picture->pos() - QPoint(2, 2)); };
}

