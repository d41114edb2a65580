#include "PrgKalkulalForm.h"

#include "CalcKeyFilter.h"
#include "framework/Controls.h"
#include "framework/Fonts.h"
#include "framework/PushButton.h"
#include "framework/RaisedFrame.h"
#include "framework/RadioGroup.h"
#include "platform/RandomSource.h"
#include "platform/Services.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace {
const QColor Green(0, 128, 0);
const QColor Lime(0, 255, 0);
const QColor Yellow(255, 255, 0);
const QColor Cyan(0, 255, 255);
const QColor Maroon(128, 0, 0);

QFont Arial(int pixels, bool bold = false)
{
    return PixelFont(QStringLiteral("Arial"), pixels, bold);
}

QFont TaskFont()
{
    return Arial(43);
}

void Paint(QWidget* widget, const QColor& colour)
{
    QPalette colours = widget->palette();
    colours.setColor(QPalette::Window, colour);
    widget->setPalette(colours);
    widget->setAutoFillBackground(true);
}

QLineEdit* AnswerBox(QWidget* parent, const QRect& area)
{
    auto* box = new QLineEdit(parent);
    box->setGeometry(area);
    box->setFont(TaskFont());
    return box;
}

void SetVisibleEnabled(QWidget* widget, bool on)
{
    widget->setVisible(on);
    widget->setEnabled(on);
}
} // namespace

TPrgKalkulalForm::TPrgKalkulalForm(QWidget* host)
    : TPrgProgramWindow(host, QStringLiteral("PrgKalkulalForm"), QStringLiteral("Kalkulátor"), QSize(501, 521), Top)
{
    // It keeps every permission but minimising, which would leave it nowhere to come back from.
    AllowMinimize = false;
    SetBorderIcons({.systemMenu = true, .minimize = false, .maximize = true});
    MoveRule = TMoveRule::KeepOnScreen;
    SetColour(Green);
    Client()->setFont(Arial(16));
    UseIcon(QStringLiteral("prg/Szamolo16.png"));

    muveletekPnl_ = new TRadioGroup(Client(), QRect(24, 32, 209, 161), QStringLiteral("Műveletek"),
                                    {QStringLiteral("Összeadás"), QStringLiteral("Kivonás"),
                                     QStringLiteral("Szorzás"), QStringLiteral("Osztás")});
    Paint(muveletekPnl_, Lime);
    muveletekPnl_->OnClick = [this] { ChooseOperation(); };

    szamkorPnl_ = RangePanel(QRect(264, 32, 209, 161),
                             {QStringLiteral("Számok 20-ig"), QStringLiteral("Számok 100-ig "),
                              QStringLiteral("Számok 500-ig"), QStringLiteral("Számok 1000-ig")});
    szamkorPnl_->OnClick = [this] { ChooseRange(szamkorPnl_, {20, 100, 500, 1000}); };
    szorzasPnl_ = RangePanel(QRect(262, 30, 211, 161),
                             {QStringLiteral("Egyjegyű számokkal"), QStringLiteral("Kétjegyű számokkal")});
    szorzasPnl_->OnClick = [this] { ChooseRange(szorzasPnl_, {1, 2}); };
    osztasPnl_ = RangePanel(QRect(262, 30, 211, 161),
                            {QStringLiteral("Maradék nélküli 100-ig"), QStringLiteral("Maradékos 100-ig")});
    osztasPnl_->OnClick = [this] { ChooseRange(osztasPnl_, {2, TCalcDrill::WithRemainderTag}); };
    uresPnl_ = new QFrame(Client());
    uresPnl_->setGeometry(262, 30, 211, 161);
    uresPnl_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Paint(uresPnl_, Lime);

    pnlFeladat_ = new QWidget(Client());
    pnlFeladat_->setGeometry(24, 40, 449, 137);
    Paint(pnlFeladat_, Green);
    pnlFeladat_->hide();
    szam1_ = Controls::Label(pnlFeladat_, QRect(0, 18, 121, 55), QString(), TaskFont(), Yellow,
                             Qt::AlignRight | Qt::AlignVCenter);
    muvJel_ = Controls::Label(pnlFeladat_, QRect(126, 18, 36, 55), QStringLiteral("+"), TaskFont(), Qt::white,
                              Qt::AlignCenter);
    szam2_ = Controls::Label(pnlFeladat_, QRect(166, 18, 100, 55), QString(), TaskFont(), Yellow,
                             Qt::AlignLeft | Qt::AlignVCenter);
    Controls::Label(pnlFeladat_, QRect(270, 18, 36, 55), QStringLiteral("="), TaskFont(), Qt::white,
                    Qt::AlignCenter);
    eredmeny_ = AnswerBox(pnlFeladat_, QRect(312, 18, 113, 55));
    maradek_ = AnswerBox(pnlFeladat_, QRect(48, 74, 65, 55));
    maradek_->hide();

    QFont feedback = Arial(43, true);
    feedback.setUnderline(true);
    errorMsg_ = Controls::Label(Client(), QRect(14, 208, 459, 57), QString(), feedback, Cyan, Qt::AlignCenter);
    errorMsg_->hide();

    // In bold 40 px both labels end just before their counts at 336.
    const QFont counting = Arial(40, true);
    Controls::Label(Client(), QRect(30, 280, 300, 49), QStringLiteral("Összes feladat:"), counting, Qt::white,
                    Qt::AlignLeft | Qt::AlignVCenter);
    feladatSzam_ = Controls::Label(Client(), QRect(336, 280, 113, 49), QStringLiteral("0"), counting, Yellow,
                                   Qt::AlignRight | Qt::AlignVCenter);
    Controls::Label(Client(), QRect(67, 336, 263, 49), QStringLiteral("Hibák száma:"), counting, Qt::white,
                    Qt::AlignLeft | Qt::AlignVCenter);
    hibaSzam_ = Controls::Label(Client(), QRect(336, 336, 113, 49), QStringLiteral("0"), counting, Yellow,
                                Qt::AlignRight | Qt::AlignVCenter);

    lmdButton1_ = new TPushButton(Client(), QRect(40, 408, 177, 49), QStringLiteral("&Mást választok"));
    lmdButton1_->setFont(Arial(19, true));
    lmdButton1_->SetColours(RaisedFrame::Face, Qt::blue);
    lmdButton1_->OnClick = [this] { Reset(); };
    lmdButton2_ = new TPushButton(Client(), QRect(272, 408, 177, 49), QStringLiteral("&Kilépés"));
    lmdButton2_->setFont(Arial(19, true));
    lmdButton2_->SetColours(RaisedFrame::Face, Qt::red);
    lmdButton2_->OnClick = [this] {
        Reset();
        Close();
    };

    keys_ = new TCalcKeyFilter(this);
    keys_->Watch(eredmeny_);
    keys_->Watch(maradek_);
    keys_->OnCharacter = [this] { errorMsg_->hide(); };
    keys_->OnSubmit = [this](QLineEdit* box) { Submit(box); };

    // Each activation draws from a fresh sequence.
    OnActivate = [](TPracticeWindow&) { Services::Random().Randomize(); };
}

TRadioGroup* TPrgKalkulalForm::RangePanel(const QRect& area, const QStringList& items)
{
    auto* panel = new TRadioGroup(Client(), area, QStringLiteral("Számkör"), items);
    Paint(panel, Lime);
    SetVisibleEnabled(panel, false);
    return panel;
}

void TPrgKalkulalForm::ChooseOperation()
{
    drill_.ChooseOperation(muveletekPnl_->ItemIndex() + 1);
    ShowRangePanel();
}

void TPrgKalkulalForm::ShowRangePanel()
{
    const int operation = drill_.Operation();
    SetVisibleEnabled(szamkorPnl_, operation == TCalcDrill::Addition || operation == TCalcDrill::Subtraction);
    SetVisibleEnabled(szorzasPnl_, operation == TCalcDrill::Multiplication);
    SetVisibleEnabled(osztasPnl_, operation == TCalcDrill::Division);
    SetVisibleEnabled(uresPnl_, operation == TCalcDrill::NoOperation);
}

void TPrgKalkulalForm::ChooseRange(TRadioGroup* panel, const std::vector<int>& tags)
{
    const int index = panel->ItemIndex();
    if (index < 0)
        return;
    muveletekPnl_->hide();
    panel->hide();
    pnlFeladat_->show();
    drill_.ChooseRange(tags.at(static_cast<std::size_t>(index)), Services::Random());
    ShowTask();
    eredmeny_->setFocus(Qt::OtherFocusReason);
}

void TPrgKalkulalForm::ShowTask()
{
    szam1_->setText(QString::number(drill_.A()));
    muvJel_->setText(drill_.Sign());
    szam2_->setText(QString::number(drill_.B()));
    maradek_->setVisible(drill_.WithRemainder());
}

void TPrgKalkulalForm::Submit(QLineEdit* box)
{
    if (TCalcKeyFilter::Blank(eredmeny_->text()))
        return;
    // The quotient's Enter moves on to an unanswered remainder; the remainder's own Enter judges.
    if (drill_.WithRemainder() && box == eredmeny_ && TCalcKeyFilter::Blank(maradek_->text())) {
        maradek_->setFocus(Qt::OtherFocusReason);
        maradek_->selectAll();
        return;
    }
    Judge();
}

void TPrgKalkulalForm::Judge()
{
    const bool right = drill_.Answer(eredmeny_->text(), maradek_->text(), Services::Random());
    feladatSzam_->setText(QString::number(drill_.Tasks()));
    hibaSzam_->setText(QString::number(drill_.Errors()));
    errorMsg_->setText(right ? QStringLiteral("Jól számoltál!") : QStringLiteral("Rosszul számoltál!"));
    Controls::SetColour(errorMsg_, right ? Cyan : Maroon);
    errorMsg_->show();
    if (right)
        ShowTask();
    if (drill_.WithRemainder()) {
        maradek_->setText(TCalcKeyFilter::Placeholder);
        maradek_->selectAll();
    }
    eredmeny_->setText(TCalcKeyFilter::Placeholder);
    eredmeny_->selectAll();
    eredmeny_->setFocus(Qt::OtherFocusReason);
}

void TPrgKalkulalForm::Reset()
{
    // The last verdict belongs to the task that is gone.
    errorMsg_->hide();
    pnlFeladat_->hide();
    muveletekPnl_->show();
    eredmeny_->clear();
    maradek_->clear();
    szam1_->clear();
    szam2_->clear();
    maradek_->hide();
    drill_.Reset();
    ShowRangePanel();
}
