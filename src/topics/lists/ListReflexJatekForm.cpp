#include "ListReflexJatekForm.h"

#include "ReflexRules.h"
#include "framework/Controls.h"
#include "framework/DragListBox.h"
#include "framework/Fonts.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/PushButton.h"
#include "framework/WordList.h"
#include "platform/PageTimer.h"
#include "platform/RandomSource.h"
#include "platform/Services.h"
#include "shell/Board.h"

#include <QLabel>
#include <QPointer>

QString TListReflexJatekForm::Instruction()
{
    return QStringLiteral("A kijelzőn megjelenő szót vagy szavakat jelöld ki és húzd át a kisebbik "
                          "listadobozba! Az is számít, hogy milyen gyorsan oldod meg a feladatot. Kattints "
                          "a játék címére!");
}

TListReflexJatekForm::TListReflexJatekForm()
    : TListBaseForm(QStringLiteral("ListReflexJatekForm"), QStringLiteral("ListReflexJatekForm"), 704)
{
    SetInstruction(Instruction(), 24, QRect(96, 592, 745, 81));
    words_ = WordList::Load(EtcPath(QStringLiteral("words.txt")));
    imgStart_ = new TImage(this, QRect(328, 272, 285, 80));
    imgStart_->SetPng(LoadPng(QStringLiteral("\\START.png")));
    imgStart_->setCursor(Qt::PointingHandCursor);
    imgStart_->OnClick = [this] { imgStartClick(); };
    lblSzavak_ = Controls::Label(this, QRect(208, 136, 481, 25), QStringLiteral("Szavak"),
                                 PixelFont(QStringLiteral("Arial"), 19), TextColour);
    lblIdo_ = Controls::Label(this, QRect(744, 136, 96, 28), QStringLiteral("00:00"),
                              PixelFont(QStringLiteral("Arial"), 24), QColor(0, 0, 255));
    const QFont font = PixelFont(QStringLiteral("Arial"), 18);
    lbFrom_ = new TDragListBox(this, QRect(224, 272, 153, 246));
    lbFrom_->setObjectName(QStringLiteral("lbFrom"));
    lbFrom_->SetMultiSelect(true);
    lbFrom_->SetDragMode(true);
    lbFrom_->setFont(font);
    lbFrom_->hide();
    lbTo_ = new TDragListBox(this, QRect(536, 344, 153, 70));
    lbTo_->setObjectName(QStringLiteral("lbTo"));
    lbTo_->setFont(font);
    lbTo_->AcceptFrom(QStringLiteral("lbFrom"));
    lbTo_->OnDragDrop = [this](TDragListBox&) { lbToDragDrop(); };
    lbTo_->hide();
    timer1_ = new TPageTimer(this);
    timer1_->SetInterval(Tick);
    timer1_->OnTimer([this] { Timer1Timer(); });
}

void TListReflexJatekForm::ShowPage()
{
    TListBaseForm::ShowPage();
    step_ = 0;
    Services::Random().Randomize();
    imgStart_->show();
}

void TListReflexJatekForm::imgStartClick()
{
    imgStart_->hide();
    imgStart_->setEnabled(false);
    timer1_->SetEnabled(true);
    lbFrom_->show();
    lbTo_->show();
    NextStep();
}

void TListReflexJatekForm::NextStep()
{
    ++step_;
    if (step_ == 1) {
        lbFrom_->clear();
        lbTo_->clear();
        for (int number : ReflexRules::DrawWords(static_cast<int>(words_.size()), Services::Random()))
            lbFrom_->Add(words_.at(number - 1));
    }
    if (step_ <= ReflexRules::Tasks) {
        const int p = Services::Random().Random(ReflexRules::ListSize) + 1;
        targets_.clear();
        for (int position : ReflexRules::Targets(step_, p))
            targets_ << lbFrom_->item(position - 1)->text();
        lblSzavak_->setText(targets_.join(QStringLiteral(", ")));
        lbFrom_->clearSelection();
        return;
    }
    timer1_->SetEnabled(false);
    lbFrom_->clearSelection();
    const QString name = Board::Text(Controller(), QStringLiteral("USERNAME")).value_or(QString());
    Board::PutText(Controller(), QStringLiteral("ERTEKEL"),
                   ReflexRules::EvaluationText(name, lblIdo_->text(), elapsed_ / 1000, errors_));
    Notify();
}

void TListReflexJatekForm::lbToDragDrop()
{
    const int current = lbFrom_->ItemIndex();
    if (step_ < 1 || step_ > ReflexRules::Tasks || current < 0)
        return;
    lbTo_->clear();
    const QStringList selected = lbFrom_->SelectedItems();
    const QString currentWord = lbFrom_->item(current)->text();
    if (step_ <= 4)
        lbTo_->Add(currentWord);
    else
        lbTo_->addItems(selected);
    if (ReflexRules::RightMove(step_, currentWord, selected, targets_)) {
        lbTo_->SetItemsColour(Controls::HotLight);
        NextStep(); // the last one closes the page
        return;
    }
    ++errors_;
    lbTo_->SetItemsColour(Qt::red);
}

void TListReflexJatekForm::Timer1Timer()
{
    elapsed_ += Tick;
    if (elapsed_ % 1000 == 0)
        lblIdo_->setText(FormatMinSec(elapsed_ / 1000));
}

void TListReflexJatekForm::btnNextClick()
{
    Board::PutText(Controller(), QStringLiteral("ACTION"), QStringLiteral("NEXTFORM"));
    Notify();
}
