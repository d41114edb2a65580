#include "OsszefoglMenuForm.h"

#include "MenuSearch.h"
#include "OsszefoglMenuFrmForm.h"
#include "framework/Colours.h"
#include "framework/Controls.h"
#include "framework/Fonts.h"
#include "framework/MediaAccess.h"
#include "framework/Menu.h"
#include "framework/PushButton.h"
#include "framework/WindowGroup.h"
#include "shell/Board.h"

#include <QLabel>

namespace {

const QString MoreThenOne = QStringLiteral("MORETHENONE");
constexpr int FirstTargetStep = 3;
constexpr int ResultStep = 13;

QLabel* ClockLabel(QWidget* parent, int top, const QString& text)
{
    QLabel* label = Controls::Label(parent, QRect(872, top, 137, 41), text, PixelFont(QStringLiteral("Arial"), 32),
                                    DelphiColor(0xFF0000), Qt::AlignCenter);
    label->hide();
    return label;
}

} // namespace

TOsszefoglMenuForm::TOsszefoglMenuForm() : TBaseBillForm(QStringLiteral("OsszefoglMenuForm"))
{
    LoadBackground(QStringLiteral("osszefoglal\\OsszeFoglForm.jpg"));
    oraDesc_ = ClockLabel(this, 192, QStringLiteral("Eltelt idő:"));
    ora_ = ClockLabel(this, 224, QStringLiteral("00:00"));
    timer1_.SetInterval(1000);
    timer1_.SetEnabled(false);
    timer1_.OnTimer([this] { Timer1Timer(); });

    window_ = new TOsszefoglMenuFrmForm(this);
    window_->SetStayOnTop(true);
    window_->SetBounds(QRect(100, 120, 740, 635));
    window_->btnStart()->OnClick = [this] { ButtonClick(window_->btnStart()); };
    window_->btnTovabb()->OnClick = [this] { ButtonClick(window_->btnTovabb()); };
    window_->mMenu()->OnChoose = [this](TMenuItem& item) { ItemClick(item); };
}

void TOsszefoglMenuForm::ShowPage()
{
    TBaseBillForm::ShowPage();
    firstMenuVisit_ = !Controller().GetValue(MoreThenOne);
    menuStep_ = firstMenuVisit_ ? 0 : 1;
    seconds_ = 0;
    errors_ = 0;
    ora_->setText(FormatMinSec(0));
    window_->Show();
    // A click on the page leaves the keys with the window, so its menu bar still answers them.
    TWindowGroup::Of(this).OnHostActivate = [this] { TWindowGroup::Of(this).Activate(window_); };
    Advance();
}

void TOsszefoglMenuForm::ClosePage()
{
    timer1_.SetEnabled(false);
    TBaseBillForm::ClosePage();
}

void TOsszefoglMenuForm::Advance()
{
    ++menuStep_;
    if (menuStep_ == 2) {
        window_->OfferSearch(firstMenuVisit_);
        ora_->show();
        oraDesc_->show();
    } else if (menuStep_ >= FirstTargetStep && menuStep_ < ResultStep) {
        if (menuStep_ == FirstTargetStep) {
            window_->btnStart()->setEnabled(false);
            timer1_.SetEnabled(true);
        }
        target_ = MenuSearch::Targets().at(menuStep_ - FirstTargetStep);
        window_->ShowTarget(target_);
    } else if (menuStep_ == ResultStep) {
        Finish();
    }
}

void TOsszefoglMenuForm::ButtonClick(TPushButton* sender)
{
    const bool next = sender == window_->btnTovabb();
    if (menuStep_ == 1 && next) {
        Advance();
    } else if (menuStep_ == 2 && sender == window_->btnStart()) {
        Advance();
    } else if (!firstMenuVisit_ && next) {
        IModuleController& controller = Controller();
        controller.RemoveValue(MoreThenOne);
        Board::PutText(controller, QStringLiteral("ACTION"), QStringLiteral("NEXTFORM"));
        NotifyModule();
    }
}

void TOsszefoglMenuForm::ItemClick(const TMenuItem& item)
{
    if (!target_.isEmpty() && MenuSearch::SamePath(MenuSearch::PathOf(item), target_)) {
        Advance();
        return;
    }
    ++errors_;
}

void TOsszefoglMenuForm::Timer1Timer()
{
    if (seconds_ < MaxSeconds)
        ++seconds_;
    ora_->setText(FormatMinSec(seconds_));
}

void TOsszefoglMenuForm::Finish()
{
    timer1_.SetEnabled(false);
    IModuleController& controller = Controller();
    Board::PutText(controller, MoreThenOne, QString());
    const QString name = Board::Text(controller, QStringLiteral("USERNAME")).value_or(QString());
    Board::PutText(controller, QStringLiteral("ERTEKEL"), MenuSearch::ResultText(name, ora_->text(), seconds_, errors_));
    NotifyModule();
}
