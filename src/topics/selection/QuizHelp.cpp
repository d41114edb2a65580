#include "QuizHelp.h"

#include "framework/Image.h"
#include "framework/MediaAccess.h"

#include <QWidget>

namespace {
constexpr int F1 = 112;
} // namespace

TQuizHelp::TQuizHelp(QWidget* page) : QObject(page), timer1_(this)
{
    imgCallHelp_ = new TImage(page, QRect(136, 128, 169, 49));
    imgCallHelp_->setCursor(Qt::PointingHandCursor);
    imgCallHelp_->OnClick = [this] { ShowHelp(); };
    pnlHelp_ = new QWidget(page);
    pnlHelp_->setGeometry(15, 100, 850, 630);
    pnlHelp_->hide();
    pnlHelp_->setEnabled(false);
    imgHelp_ = new TImage(pnlHelp_, QRect(0, 0, 850, 630));
    imgHelp_->SetJpeg(LoadJpeg(QStringLiteral("jelolesek\\help_panel.jpg")));
    imgHelp_->hide();
    imgBeck_ = new TImage(pnlHelp_, QRect(360, 496, 209, 49));
    imgBeck_->setCursor(Qt::PointingHandCursor);
    imgBeck_->OnClick = [this] { HideHelp(); };
    timer1_.SetInterval(ShowMilliseconds);
    timer1_.SetEnabled(false);
    timer1_.OnTimer([this] { HideHelp(); });
}

void TQuizHelp::ShowHelp()
{
    if (shown_)
        return;
    ++count_;
    shown_ = true;
    pnlHelp_->setGeometry(15, 100, 850, 630);
    pnlHelp_->setEnabled(true);
    pnlHelp_->show();
    imgHelp_->show();
    pnlHelp_->raise();
    timer1_.SetEnabled(true);
}

void TQuizHelp::HideHelp()
{
    shown_ = false;
    pnlHelp_->setEnabled(false);
    pnlHelp_->hide();
    imgHelp_->hide();
    timer1_.SetEnabled(false);
}

bool TQuizHelp::HandleKey(int key)
{
    if (key != F1)
        return false;
    ShowHelp();
    return true;
}
