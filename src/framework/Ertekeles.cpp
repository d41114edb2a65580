#include "Ertekeles.h"

#include "BackAreas.h"
#include "ClipPlayer.h"
#include "Image.h"
#include "MediaAccess.h"
#include "ModuleBase.h"
#include "TextImgWriter.h"
#include "platform/EvaluationRecord.h"
#include "platform/ResultsRecorder.h"
#include "platform/Services.h"
#include "shell/Board.h"
#include "shell/IModule.h"

TErtekeles::TErtekeles() : TBaseForm(QStringLiteral("Ertekeles"))
{
    LoadBackground(QStringLiteral("ertekeles.jpg"));
    cleanBackground_ = hatter()->Picture().image;

    lattam_ = new TImage(this, QRect(895, 552, 97, 53));
    lattam_->OnClick = [this] { lattamClick(); };
    vissza_ = AddBackArea(BackAreas::Evaluation);
    for (TImage* clickable : {lattam_, vissza_})
        clickable->setCursor(Qt::PointingHandCursor);
    screenImg_ = new TImage(this, QRect(40, 128, 793, 585));
    screenImg_->hide();
    odon_ = new TClipPlayer(this);
    odon_->setGeometry(862, 106, 160, 320);
    odon_->SetTransparent(false);
}

void TErtekeles::ShowPage()
{
    TBaseForm::ShowPage();
    IModuleController& controller = Controller();
    text_ = Board::Text(controller, QStringLiteral("ERTEKEL")).value_or(QString());
    controller.RemoveValue(QStringLiteral("ERTEKEL"));
    Record(controller);

    // Shown again, the page must not keep the text of the earlier showing.
    hatter()->SetBitmap(cleanBackground_);
    TTextImgWriter& writer = *Writer();
    writer.SetImage(hatter());
    writer.SetText(text_);
    writer.SetMargins(50, 200, 160, 100);
    writer.SetLineSpacing(5);
    writer.WriteText();

    odon_->Open(AviPath(QStringLiteral("kabel_odon_bizivel.avi")));
    odon_->Play(1, 12, 0);
    PlaySoundFile(QStringLiteral("harang.wav"));
}

void TErtekeles::Record(const IModuleController& controller) const
{
    IResultsRecorder* results = Services::Results();
    if (!results || text_.isEmpty())
        return;
    const auto module = std::dynamic_pointer_cast<TModuleBase>(Module());
    results->Record(TEvaluationRecord::Make(
        controller.CurrentModuleName(), module ? module->CurrentPageName() : QString(),
        Board::Text(controller, QStringLiteral("USERNAME")).value_or(QString()),
        Board::Text(controller, QStringLiteral("OSZTALY")).value_or(QString()), text_));
}

void TErtekeles::ClosePage()
{
    TBaseForm::ClosePage();
    odon_->Stop();
    odon_->Close();
}

void TErtekeles::FormKeyPress(QChar& key)
{
    if (key == QLatin1Char('L') || key == QLatin1Char('l'))
        lattamClick();
}

void TErtekeles::lattamClick()
{
    NotifyModule();
}

