#include "PrgKezelForm.h"

#include "framework/BalloonHint.h"
#include "framework/BaseCustForm.h"
#include "framework/Controls.h"
#include "framework/Fonts.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/NoraInfoForm.h"
#include "framework/PushButton.h"
#include "framework/TaskBar.h"
#include "framework/WindowGroup.h"
#include "platform/PageTimer.h"
#include "platform/VirtualKey.h"

#include <QLabel>

namespace {

constexpr int BarTop = 704;
const QRect BackSign(892, 641, 107, 63);
constexpr int StartMenuAway = -500;
const QSize ArrowSize(114, 114);
const QRect DownArrow(888, 624, 114, 114);
constexpr int TaskBarShift = 400;

// Each balloon stands 10 px above and left of a corner of the arrow it explains.
QPoint Above(QPoint corner)
{
    return corner - QPoint(10, 10);
}

// Left + Width, as the page places its pictures (QRect::topRight is one pixel short of it).
QPoint TopRight(const QWidget* widget)
{
    return QPoint(widget->x() + widget->width(), widget->y());
}

} // namespace

TPrgKezelForm::TPrgKezelForm() : TBaseProgramokForm(QStringLiteral("PrgKezelForm"))
{
    imgAsztal_ = new TImage(this, QRect(312, 293, 333, 405));
    imgAsztal_->SetPng(LoadPng(QStringLiteral("prg\\k_a.png")));

    imgInfoPanel_ = new TImage(this, QRect(232, 104, 500, 200));
    imgInfoPanel_->SetPng(LoadPng(QStringLiteral("prg\\infPanel.png")));
    imgInfoPanel_->setVisible(false);
    txtINfo_ = Controls::Label(this, QRect(248, 152, 468, 48),
                               QStringLiteral("HÁTTÉR - Csak díszítő felület, ami az egész képernyőt betölti.\n\nLehet:"),
                               PixelFont(QStringLiteral("Arial"), 14, true), Qt::black);
    txtINfo_->setVisible(false);
    const QFont buttonFont = PixelFont(QStringLiteral("Arial"), 13);
    auto button = [&](int left, const QString& caption) {
        auto* made = new TPushButton(this, QRect(left, 184, 81, 25), caption);
        made->setFont(buttonFont);
        made->setVisible(false);
        return made;
    };
    btnEgySzin_ = button(312, QStringLiteral("Egyszínű"));
    btnMinta_ = button(400, QStringLiteral("Mintás"));
    btnFenykep_ = button(488, QStringLiteral("Fénykép"));
    btnNext_ = button(576, QStringLiteral("Tovább"));
    btnEgySzin_->OnClick = [this] { TryBackground(0, QStringLiteral("prg\\hatter1sz.jpg")); };
    btnMinta_->OnClick = [this] { TryBackground(1, QStringLiteral("prg\\hatterM.jpg")); };
    btnFenykep_->OnClick = [this] { TryBackground(2, QStringLiteral("prg\\hatter.jpg")); };
    btnNext_->OnClick = [this] { Advance(); };

    imgKurFel_ = Arrow(QRect(QPoint(408, 304), ArrowSize), QStringLiteral("prg\\fel.png"));
    imgKurLe_ = Arrow(DownArrow, QStringLiteral("prg\\le.png"));
    imgKurBal_ = Arrow(QRect(QPoint(80, 240), ArrowSize), QStringLiteral("prg\\balra.png"));
    imgKurJobb_ = Arrow(QRect(QPoint(680, 512), ArrowSize), QStringLiteral("prg\\jobbra.png"));

    imgHaz_ = new TImage(this, QRect(200, 96, 581, 587));
    imgHaz_->setVisible(false);
    btnOk_ = new TPushButton(this, QRect(456, 664, 81, 25), QStringLiteral("OK"));
    btnOk_->setFont(buttonFont);
    btnOk_->setVisible(false);
    btnOk_->OnClick = [this] { NotifyModule(); };

    // The back sign is a picture of its own standing on the task bar, which moves up from the
    // page's bottom edge.
    imgToMenu()->setGeometry(BackSign);
    imgToMenu()->SetPng(LoadPng(QStringLiteral("prg\\exitBtn.png")));
    pnlTalca()->move(0, BarTop);
    for (TImage* arrow : {imgKurFel_, imgKurLe_, imgKurBal_, imgKurJobb_})
        arrow->stackUnder(pnlTalca());
    MoveStartMenu(StartMenuAway);
    AttachIconMenus(false);

    Timer1()->OnTimer([this] { LessonTick(); });
}

TImage* TPrgKezelForm::Arrow(const QRect& geometry, const QString& picture)
{
    auto* arrow = new TImage(this, geometry);
    arrow->SetPng(LoadPng(picture));
    // The arrows point at what the learner clicks; they never take the click themselves.
    arrow->setAttribute(Qt::WA_TransparentForMouseEvents);
    arrow->setVisible(false);
    return arrow;
}

QString TPrgKezelForm::DesktopIntroduction()
{
    return QStringLiteral("A gép bekapcsolása után megjelenő rajzos (grafikus) felületet ASZTALNAK nevezzük. "
                          "Angolul desktopnak (ejtsd: desztop) hívják, ami íróasztalt jelent. Innen indíthatod el a "
                          "gépen található programokat. Az asztalnak több része is van: most sorban megismered őket.");
}

void TPrgKezelForm::ShowPage()
{
    TBaseProgramokForm::ShowPage();
    step_ = 0;
    tried_.reset();
    balloonClosed_ = false;
    timeSum_ = 0;
    Advance();
}

void TPrgKezelForm::ClosePage()
{
    HideBalloon();
    TBaseProgramokForm::ClosePage();
}

void TPrgKezelForm::Advance()
{
    step_ = step_ == 6 ? 9 : step_ + 1;
    RunStep();
}

void TPrgKezelForm::RunStep()
{
    switch (step_) {
    case 1: {
        info_ = new TNoraInfoForm(this);
        info_->imgDlgInfo()->SetPng(LoadPng(QStringLiteral("img_info.png")));
        QLabel* text = info_->txtDialog();
        text->setFont(PointFont(QStringLiteral("Arial"), 12));
        text->setText(DesktopIntroduction());
        // The window grows to its text.
        const int grow = std::max(0, text->heightForWidth(text->width()) - text->height());
        text->resize(text->width(), text->height() + grow);
        info_->Button1()->move(info_->Button1()->pos() + QPoint(0, grow));
        info_->SetBounds(QRect(QPoint(200, 150), info_->size() + QSize(0, grow)));
        info_->Button1()->OnClick = [this] {
            info_->Hide();
            Advance();
        };
        info_->Show();
        // Keys go to the information window, its "Ok" taking Enter and Space, as a dialog's does.
        info_->Button1()->setFocus();
        TWindowGroup::Of(this).Activate(info_);
        break;
    }
    case 2:
        imgAsztal_->setVisible(false);
        for (QWidget* shown : std::initializer_list<QWidget*>{imgInfoPanel_, txtINfo_, btnEgySzin_, btnMinta_,
                                                             btnFenykep_, imgKurFel_})
            shown->setVisible(true);
        break;
    case 3:
        for (QWidget* hidden : std::initializer_list<QWidget*>{imgInfoPanel_, txtINfo_, btnEgySzin_, btnMinta_,
                                                              btnFenykep_, btnNext_, imgToMenu(), imgKurFel_})
            hidden->setVisible(false);
        imgKurLe_->setVisible(true);
        Balloon(QStringLiteral("Láthatatlanul működő programok"),
                QStringLiteral("Az óra mellett kis képecskéket, ikonokat látsz, \n"
                               "ezek jelzik a láthatatlanul működő programokat."),
                Above(imgKurLe_->geometry().topLeft()));
        break;
    case 4:
        imgToMenu()->setVisible(true);
        imgKurLe_->move(imgKurLe_->x() - TaskBarShift, imgKurLe_->y());
        Balloon(QStringLiteral("Tálca"), QStringLiteral("Ide ugranak le a futó, de éppen nem használt programok ablakai."),
                Above(TopRight(imgKurLe_)));
        break;
    case 5:
        imgKurLe_->move(80, imgKurLe_->y());
        quickLaunchAllowed_ = true;
        Balloon(QStringLiteral("Gyorsindító gombok"),
                QStringLiteral("Ezek a gyorsindító gombok. \n"
                               "Csak kattintasz, és már indul is a hozzájuk tartozó program. \n"
                               "Próbáld ki valamelyiket! "),
                Above(TopRight(imgKurLe_)));
        break;
    case 6:
        imgKurLe_->move(-10, imgKurLe_->y());
        MoveStartMenu(0);
        quickLaunchAllowed_ = false;
        startAllowed_ = true;
        Balloon(QStringLiteral("Start menü"),
                QStringLiteral("A tálca legfontosabb eleme a Start menü. \n"
                               "Ez a különleges menü alulról nyílik, \n"
                               "innen a gépen található összes program elindítható, \n"
                               "ezért nagyon sok almenüje is lehet.\n"
                               "Keresd meg, és indítsd el a Rajzolót!"),
                Above(TopRight(imgKurLe_)));
        break;
    case 9:
        startAllowed_ = false;
        HideStartMenu();
        imgKurLe_->setVisible(false);
        imgKurBal_->setVisible(true);
        desktopIconsAllowed_ = true;
        Balloon(QStringLiteral("Ikonok"),
                QStringLiteral("IKONOK - A háttéren látható kicsi képecskék, rajzok, alattuk rövid szöveg.\n"
                               "Ezekkel szintén egyszerűen elindíthatod a programokat.\n"
                               "A képre kattintás (elszíneződik) - majd ENTER. Vagy duplakattintás az ikonon.\n"
                               "Indítsd el valamelyik programot!"),
                Above(TopRight(imgKurBal_)));
        setFocus();
        break;
    case 10:
        desktopIconsAllowed_ = true;
        Balloon(QStringLiteral("Ikonok"),
                QStringLiteral("Mindig a kis képre kattints, soha ne a szövegre, \n"
                               "különben a szövegben villogni kezd a kurzor. \n"
                               "Ilyenkor átírhatod az ikon nevét, majd ENTER.\n"
                               "Ha nem akarod átírni, akkor kattints félre, \n"
                               "vagy üsd le az ESC billentyűt!\n"
                               "Indíts el egy másik programot!"),
                Above(TopRight(imgKurBal_)));
        setFocus();
        break;
    case 11:
        desktopIconsAllowed_ = true;
        AttachIconMenus(true);
        Balloon(QStringLiteral("Ikon gyorsmenü"),
                QStringLiteral("Az ikonnak is van gyorsmenüje. Tedd az egeret az ikonra, \n"
                               "jobb gombbal hívd elő a gyorsmenüt! Ott válaszd a \"Megnyitás\" parancsot, \n"
                               "majd klikkelj a bal gombbal!\n"
                               "Most indítsd el egy programot!"),
                Above(TopRight(imgKurBal_)));
        setFocus();
        break;
    case 12:
        HideBalloon();
        imgKurBal_->setVisible(false);
        AttachIconMenus(false);
        quickLaunchAllowed_ = desktopIconsAllowed_ = startAllowed_ = false;
        HideAllPrograms();
        imgHaz_->SetPng(LoadPng(QStringLiteral("prg\\haz_5_szinttel.png")));
        imgHaz_->setVisible(true);
        imgHaz_->raise();
        btnOk_->setVisible(true);
        btnOk_->raise();
        break;
    default:
        break;
    }
}

void TPrgKezelForm::TryBackground(int index, const QString& picture)
{
    hatter()->SetJpeg(LoadJpeg(picture));
    tried_.set(static_cast<std::size_t>(index));
    if (tried_.all())
        btnNext_->setVisible(true);
}

void TPrgKezelForm::Balloon(const QString& title, const QString& text, QPoint tip)
{
    TBalloonHint* balloon = TBalloonHint::Show(this, title, text, tip, BalloonLifeMs);
    balloon->OnClick = [this] { setFocus(); };
    const int step = step_;
    balloon->OnClose = [this, step] {
        // Only the tray and the task bar lessons go on when their balloon is gone.
        if (step == step_ && (step_ == 3 || step_ == 4))
            balloonClosed_ = true;
    };
}

void TPrgKezelForm::HideBalloon()
{
    if (TBalloonHint* balloon = TBalloonHint::Current(this))
        balloon->Close();
}

void TPrgKezelForm::LessonTick()
{
    timeSum_ += Timer1()->Interval();
    if (balloonClosed_ && timeSum_ >= 200) {
        timeSum_ = 0;
        balloonClosed_ = false;
        Advance();
    }
}

void TPrgKezelForm::QuickLaunchClick(int program)
{
    HideBalloon();
    TBaseProgramokForm::QuickLaunchClick(program);
}

void TPrgKezelForm::IconDblClick(int program)
{
    HideBalloon();
    TBaseProgramokForm::IconDblClick(program);
}

void TPrgKezelForm::IconMenuOpenProgram(int program)
{
    HideBalloon();
    if (!ProgramOpen())
        OpenProgram(program);
}

void TPrgKezelForm::StartClick()
{
    HideBalloon();
    TBaseProgramokForm::StartClick();
}

void TPrgKezelForm::StartMenuProgram(int program)
{
    // The Start menu lesson asks for the paint program; the others wait for their own steps.
    if (step_ != 6 || program != Paint)
        return;
    HideBalloon();
    TBaseProgramokForm::StartMenuProgram(program);
}

void TPrgKezelForm::ProgramClosed(int program)
{
    TBaseProgramokForm::ProgramClosed(program);
    if (step_ < 12)
        Advance();
}

void TPrgKezelForm::FormKeyDown(int& key, Qt::KeyboardModifiers shift)
{
    TBaseProgramokForm::FormKeyDown(key, shift);
    if (key == VirtualKey::Return)
        enterDown_ = !ProgramOpen();
}

void TPrgKezelForm::FormKeyUp(int& key, Qt::KeyboardModifiers shift)
{
    TBaseProgramokForm::FormKeyUp(key, shift);
    if (key != VirtualKey::Return)
        return;
    const bool seen = enterDown_;
    enterDown_ = false;
    if (seen && (step_ == 9 || step_ == 10) && SelectedIcon() != 0 && !ProgramOpen()) {
        HideBalloon();
        OpenProgram(SelectedIcon());
    }
}
