#include "OsszefoglPanel2Form.h"

#include "OsszefoglPanelFrmForm.h"
#include "framework/CheckBox.h"
#include "framework/PushButton.h"
#include "framework/WindowGroup.h"
#include "platform/MessageDialogs.h"
#include "platform/Services.h"

#include <QFrame>
#include <QLabel>
#include <QTabWidget>
#include <algorithm>

namespace {

using TCharacter = TOsszefoglPanelFrmForm::TCharacter;

// What tabs 2 to 6 say in the two rounds of questioning.
const char* const FirstRound[] = {
    "Tíz óra után Tivadar kivételével már mindenki itthon volt.",
    "Mire én hazaértem, már mindenki itthon volt.",
    "10-kor felébresztettem Tárolkát. Nyilacska a TV szobában volt. Nóra is hazaért. Tivadar nem.",
    "10-kor Lemezke ébresztett. Nyilacska a TV szobában volt. Nóra is hazaért. Tivadar nem.",
    "Mondtam már, hogy TV-t néztem. A Bőregér című sorozat 16. részét. Fél tíz körül rászóltam Tárolkára, mert "
    "hangosan énekelt mosakodás közben. 10 után hazaért Nóra, és később Tivadar is.",
};
const char* const SecondRound[] = {
    "Tárolkát Lemezke ébresztette 10-kor. Észrevettem, hogy a fördőszobatükör párás volt. Onnan tudom, hogy "
    "fésülködni akartam.",
    "Nekem Tárolka azt mondta, hogy tízig aludt.",
    "10-kor ébresztettem Tárolkát. Előtte kezet mostam. Tárolka törölközője vizes volt, mert véletlenül abba "
    "töröltem a kezem.",
    "10-ig aludtam. Lemezke ébresztett fel. Azt sem hallottam, amikor Nyilacska a sajtot ette.",
    "Bevallom, hogy én ettem meg a sajtot, de a húsról nem tudok semmit.",
};

// Who does not tell the truth in the round of the step.
bool Lies(int step, int tab)
{
    if (step == 3)
        return tab == TCharacter::Nyilacska;
    return tab == TCharacter::Tarolka || tab == TCharacter::Nyilacska;
}

void Inform(const QString& text)
{
    Services::Dialogs().Show(TDialogRequest::Standard(TDialogIcon::Information, QStringLiteral("Nyomozás"), text,
                                                      TDialogButtons::Ok));
}

bool Ask(const QString& text)
{
    return Services::Dialogs().Show(TDialogRequest::Standard(TDialogIcon::Question, QStringLiteral("Nyomozás"),
                                                             text, TDialogButtons::YesNo))
        == TDialogResult::Yes;
}

} // namespace

TOsszefoglPanel2Form::TOsszefoglPanel2Form() : TBaseBillForm(QStringLiteral("OsszefoglPanel2Form"))
{
    LoadBackground(QStringLiteral("osszefoglal\\OsszeFoglForm.jpg"));
}

void TOsszefoglPanel2Form::ShowPage()
{
    TBaseBillForm::ShowPage();
    step_ = 0;
    answered_.clear();
    delete window_.data();
    window_ = new TOsszefoglPanelFrmForm(this);
    TOsszefoglPanelFrmForm& window = *window_;
    window.SetBounds(QRect(QPoint(200, 100), window.size()));
    connect(window.nyomozas(), &QTabWidget::currentChanged, this, [this] { TabChanged(); });
    window.btnIgaz()->OnClick = [this] { Answer(true); };
    window.btnHamis()->OnClick = [this] { Answer(false); };
    window.btnOdonYes()->OnClick = [this] { Advance(); };
    for (TPushButton* button : {window.OKBtn(), window.ApplyBtn(), window.CancelBtn()})
        button->OnClick = [this, button] { StripClick(button); };
    window.FocusTabs();
    window.Show();
    // The dialog keeps the keys: a click on the page beside it gives them back to it.
    TWindowGroup::Of(this).OnHostActivate = [this] { TWindowGroup::Of(this).Activate(window_); };
    Advance();
}

void TOsszefoglPanel2Form::SetStatements(const char* const statements[])
{
    for (int tab = TCharacter::Nora; tab <= TCharacter::Nyilacska; ++tab) {
        window_->Statement(tab)->setText(QString::fromUtf8(statements[tab - TCharacter::Nora]));
        window_->SetTabShown(tab, true);
    }
}

void TOsszefoglPanel2Form::Advance()
{
    TOsszefoglPanelFrmForm& window = *window_;
    QLabel* story = window.Statement(TCharacter::Odon);
    ++step_;
    switch (step_) {
    case 1: window.pnlBtn()->hide(); break;
    case 2:
        window.ShowOnlyFirstTab();
        story->setTextFormat(Qt::PlainText);
        story->setText(QStringLiteral("Nézd meg, hogy ki mikor látta a másikat! Ha valaki nem mond igazat, akkor "
                                      "kattints a HAMIS feliratú gombra!"));
        window.btnOdonYes()->show();
        window.ApplyBtn()->setEnabled(false);
        break;
    case 3:
    case 5:
        answered_.clear();
        window.btnOdonYes()->hide();
        SetStatements(step_ == 3 ? FirstRound : SecondRound);
        break;
    case 4:
        window.pnlBtn()->hide();
        window.ShowOnlyFirstTab();
        story->setText(QStringLiteral("Aha, szóval a rosszcsont egérke füllentett. Azt is mondta, hogy Tárolka éneke "
                                      "zavarta. Szerinte Tárolka fél tízkor már mosakodott, Tárolka viszont azt "
                                      "állítja, hogy aludt. Erről is kérdezz meg mindenkit."));
        window.btnOdonYes()->show();
        break;
    case 6:
        window.ApplyBtn()->setEnabled(true);
        window.pnlBtn()->hide();
        window.ShowOnlyFirstTab();
        story->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        story->setText(QStringLiteral("Jelöld be a torkos tetteseket, aztán klikkelj az ALKALMAZ gombra!"));
        window.pnlChkBox()->show();
        break;
    case 7:
        story->setText(QStringLiteral("Ügyes nyomozó vagy, gratulálok! Kattints az OK gombra!"));
        window.ApplyBtn()->setEnabled(false);
        window.OKBtn()->setEnabled(true);
        break;
    default: break;
    }
}

void TOsszefoglPanel2Form::TabChanged()
{
    const int tab = window_->CurrentTab();
    window_->pnlBtn()->setVisible(tab != TCharacter::Odon && step_ >= 2);
    if (step_ != 1 || tab == TCharacter::Odon)
        return;
    answered_.insert(tab);
    if (answered_.size() == TOsszefoglPanelFrmForm::Tabs - 1)
        window_->ApplyBtn()->setEnabled(true);
}

void TOsszefoglPanel2Form::Answer(bool trueStatement)
{
    const int tab = window_->CurrentTab();
    if ((step_ != 3 && step_ != 5) || tab == TCharacter::Odon)
        return;
    QPointer<TOsszefoglPanel2Form> self(this);
    const bool lies = Lies(step_, tab);
    if (!trueStatement && !lies)
        Inform(QStringLiteral("Ez a szereplő nem füllentett!"));
    else if (trueStatement && lies && Ask(QStringLiteral("Biztos vagy benne, hogy igazat mondott?")))
        Inform(QStringLiteral("Sajnos nem figyeltél eléggé!"));
    if (!self || PageState() != TPageState::Shown)
        return;
    answered_.insert(tab);
    if (answered_.size() == TOsszefoglPanelFrmForm::Tabs - 1)
        Advance();
}

void TOsszefoglPanel2Form::StripClick(const QObject* button)
{
    if (step_ == 1)
        Advance();
    else if (step_ == 6 && button == window_->ApplyBtn())
        Verdict();
    else if (step_ == 7 && button == window_->OKBtn())
        NotifyModule();
}

void TOsszefoglPanel2Form::Verdict()
{
    std::set<int> named;
    for (int tab = TCharacter::Odon; tab <= TCharacter::Nyilacska; ++tab)
        if (window_->Check(tab)->isChecked())
            named.insert(tab);
    const std::set<int> culprits{TCharacter::Tarolka, TCharacter::Nyilacska};
    if (named == culprits) {
        Advance();
        return;
    }
    const bool bothAndOthers = std::includes(named.begin(), named.end(), culprits.begin(), culprits.end());
    QPointer<TOsszefoglPanel2Form> self(this);
    const bool sure = Ask(bothAndOthers
                              ? QStringLiteral("Biztos vagy benne, hogy Nyilacskán és Tárolkán kívül mások sem "
                                               "mondotak igazat?")
                              : QStringLiteral("Biztos vagy benne, hogy Nyilacska és Tárolka igazat mondott?"));
    if (!sure || !self || PageState() != TPageState::Shown)
        return;
    window_->Hide();
    Inform(QStringLiteral("Nem figyeltél eléggé! Nyilacska és Tárolka füllentettek. Ők ették meg a sajtot és a "
                          "húst."));
    if (self && PageState() == TPageState::Shown)
        NotifyModule();
}
