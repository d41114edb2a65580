#include "BaseBlueForm.h"

#include "BackAreas.h"
#include "Fonts.h"
#include "Image.h"
#include "MediaAccess.h"
#include "TextImgWriter.h"
#include "platform/VirtualKey.h"
#include "shell/Board.h"
#include "shell/IModule.h"

#include <QBitmap>

namespace {
const QString InfoPanelFile = QStringLiteral("egerezes\\game\\infopanel.png");
const QString SmallPanelFile = QStringLiteral("egerezes\\game\\litlpanel.png");
const QRect InfoPlace(110, 110, 800, 320);
const QRect SmallPlace(20, 630, 220, 130);

// The panels write in blue Arial.
void SetPanelFont(TTextImgWriter& writer, int points)
{
    writer.SetFont(PointFont(QStringLiteral("Arial"), points), QColor(0, 0, 255));
}
} // namespace

TBaseBlueForm::TBaseBlueForm(const QString& pageName) : TBaseForm(pageName)
{
    imgEndGame_ = new TImage(this, QRect(888, 576, 104, 61));
    imgEndGame_->hide();
    imgEndGame_->setCursor(Qt::PointingHandCursor);
    imgEndGame_->OnClick = [this] { imgEndGameClick(); };
    imgToMenu_ = AddBackArea(BackAreas::Games);
    imgToMenu_->hide();
}

TBaseBlueForm::~TBaseBlueForm() = default;

void TBaseBlueForm::InitPage()
{
    TBaseForm::InitPage();

    delete smallPanel_;
    smallPanel_ = new TImage(this, QRect(smallPlace_, SmallPlace.size()));
    smallPanel_->hide();
    small_ = TPanel{smallPanel_, std::make_unique<TTextImgWriter>(), QImage(), false};
    SetPanelFont(*small_.writer, 18);
    small_.writer->SetAlignment(QStringLiteral("wlfCenter"));

    delete infoPanel_;
    infoPanel_ = new TImage(this, InfoPlace);
    infoPanel_->hide();
    info_ = TPanel{infoPanel_, std::make_unique<TTextImgWriter>(), QImage(), false};
    SetPanelFont(*info_.writer, 18);

    imgEndGame_->SetPng(LoadPng(QStringLiteral("egerezes\\game\\button_exitgame.png")));
    imgToMenu_->SetPng(LoadPng(QStringLiteral("egerezes\\game\\button_beck.png")));

    delete grass_;
    grass_ = new TImage(this, QRect(0, 628, 1024, 140));
    grass_->hide();
    const QImage grass = LoadPng(QStringLiteral("egerezes\\game\\grass.png"));
    grass_->SetPng(grass);
    // The blades stand in front, but where the picture is clear the learner sees, and clicks,
    // what stands behind it: Nyilacska at the house, a target rising.
    if (grass.size() == grass_->size())
        grass_->setMask(QBitmap::fromImage(grass.createAlphaMask()));
}

void TBaseBlueForm::FormKeyDown(int& key, Qt::KeyboardModifiers)
{
    if (key == VirtualKey::Escape && escapeNotifies_)
        NotifyModule();
}

void TBaseBlueForm::ShowEndGame()
{
    imgEndGame_->show();
}

void TBaseBlueForm::ShowToMenu()
{
    imgToMenu_->show();
}

void TBaseBlueForm::ShowPanel(TPanel& panel, const QString& file)
{
    const bool first = !panel.read;
    if (first) {
        panel.picture = LoadPng(file);
        panel.read = true;
    }
    panel.image->SetPng(panel.picture);
    if (first)
        panel.writer->SetImage(panel.image);
    panel.image->raise();
    panel.image->show();
}

void TBaseBlueForm::ShowInfoPanel()
{
    ShowPanel(info_, InfoPanelFile);
}

void TBaseBlueForm::HideInfoPanel()
{
    infoPanel_->hide();
}

void TBaseBlueForm::SetInfoText(const QString& text)
{
    if (text.isEmpty())
        return;
    info_.writer->SetText(text);
    info_.writer->WriteText();
}

void TBaseBlueForm::MoveInfoPanel(const QPoint& topLeft)
{
    infoPanel_->move(topLeft);
}

void TBaseBlueForm::ShowSmallPanel()
{
    ShowPanel(small_, SmallPanelFile);
}

void TBaseBlueForm::SetSmallPanelText(const QString& text)
{
    if (text.isEmpty())
        return;
    ShowSmallPanel();
    small_.writer->SetImage(smallPanel_);
    small_.writer->SetText(text);
    small_.writer->WriteText();
}

void TBaseBlueForm::MoveSmallPanel(const QPoint& topLeft)
{
    smallPlace_ = topLeft;
    const bool visible = smallPanel_->isVisible();
    smallPanel_->hide();
    smallPanel_->move(topLeft);
    if (visible)
        smallPanel_->show();
}

void TBaseBlueForm::SetInfoFontSize(int points)
{
    SetPanelFont(*info_.writer, points);
}

void TBaseBlueForm::SetSmallFontSize(int points)
{
    SetPanelFont(*small_.writer, points);
}

void TBaseBlueForm::ShowGrass()
{
    grass_->show();
    grass_->raise();
    imgEndGame_->raise();
    smallPanel_->raise();
    imgToMenu_->raise();
}

void TBaseBlueForm::imgEndGameClick()
{
    NotifyModule();
}

