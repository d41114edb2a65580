#include "BaseProgramokForm.h"

#include "PrgEditorForm.h"
#include "PrgKalkulalForm.h"
#include "PrgPaintForm.h"
#include "framework/BackAreas.h"
#include "framework/Controls.h"
#include "framework/Fonts.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/Menu.h"
#include "framework/PopupMenu.h"
#include "framework/SpeedButton.h"
#include "framework/TaskBar.h"
#include "platform/PageTimer.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>

namespace {

struct TIcon {
    int top;
    const char* picture;
    const char* caption;
};
// Kalk, Paint, Edit: the program numbers' icons.
const TIcon ProgramIcons[TBaseProgramokForm::Programs] = {
    {232, "prg/Szamolo32.png", "Számoló"},
    {296, "prg/rajzolo32.png", "Rajzoló"},
    {360, "prg/gepelo32.png", "Gépelő"},
};
const char* const QuickLaunchPictures[TBaseProgramokForm::Programs] = {"prg/Szamolo16.png", "prg/rajzolo16.png",
                                                                      "prg/gepelo16.png"};

struct TStartRow {
    int top;
    const char* caption;
};
const TStartRow StartRows[TBaseProgramokForm::StartMenuRows] = {
    {1, "Office dukumentum megnyitása"},
    {33, "Programok beállításai"},
    {65, "Új Office dokumentum"},
    {97, "Windows katalógus"},
    {129, "Windows Update"},
    {161, "Microsoft Update"},
    {193, "Mozilla Firefox"},
    {225, "ICQ"},
    {265, "Programok"},
    {297, "Dokumentumok"},
    {329, "Beállítások"},
    {361, "Keresés"},
    {393, "súgó"},
    {425, "Futtatás"},
    {465, "Kijelentkezés"},
    {496, "A számítógép kikapcsolása..."},
};
constexpr int ProgramsRow = 8;
constexpr int StartLeft = 22;
constexpr int StartRowWidth = 307;
constexpr int StartRowHeight = 32;
const QSize StartMenuSize(330, 529);

const QColor CaptionHighlight(10, 36, 106);
const QColor RowHighlight(49, 106, 197);

void SetBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(colour.alpha() != 0);
}

} // namespace

TBaseProgramokForm::TBaseProgramokForm(const QString& pageName) : TBaseForm(pageName)
{
    LoadBackground(QStringLiteral("prg\\prg_base.jpg"));
    MakeIcons();
    MakeTaskBar();
    MakeStartMenu();
    MakePrograms();
    imgToMenu_ = AddBackArea(BackAreas::Usual);

    timer1_ = new TPageTimer(this);
    timer1_->SetInterval(200);
    timer1_->SetEnabled(true);
}

TBaseProgramokForm::~TBaseProgramokForm() = default;

void TBaseProgramokForm::MakeIcons()
{
    const QFont captionFont = PixelFont(QStringLiteral("Arial"), 11);
    imgSajatgep_ = new TImage(this, QRect(32, 112, 32, 32));
    imgSajatgep_->SetPng(LoadPng(QStringLiteral("prg/sajatgep.png")));
    imgSajatgep_->setToolTip(QStringLiteral("A gépen található adatok kezeléséhez nyújt segítséget ez a program."));
    Controls::Label(this, QRect(24, 144, 48, 16), QStringLiteral("Sajátgép"), captionFont, Qt::white, Qt::AlignHCenter | Qt::AlignTop);
    imgLomtar_ = new TImage(this, QRect(32, 168, 32, 32));
    imgLomtar_->SetPng(LoadPng(QStringLiteral("prg/kuka32.png")));
    imgLomtar_->setToolTip(QStringLiteral("Ide kerülnek a feleslegessé vált adatok, programok."));
    Controls::Label(this, QRect(24, 200, 48, 16), QStringLiteral("Lomtár"), captionFont, Qt::white, Qt::AlignHCenter | Qt::AlignTop);

    for (int program = Kalk; program <= Edit; ++program) {
        const TIcon& icon = ProgramIcons[program - 1];
        auto* panel = new QFrame(this);
        panel->setGeometry(32, icon.top, 33, 33);
        panel->setFocusPolicy(Qt::ClickFocus);
        panel->installEventFilter(this);
        auto* picture = new TImage(panel, QRect(0, 0, 32, 32));
        picture->SetPng(LoadPng(QString::fromUtf8(icon.picture)));
        picture->OnClick = [this, program] { SelectIcon(program); };
        picture->OnDblClick = [this, program] { IconDblClick(program); };
        QLabel* caption = Controls::Label(this, QRect(24, icon.top + 32, 48, 16), QString::fromUtf8(icon.caption),
                                          captionFont, Qt::white, Qt::AlignHCenter | Qt::AlignTop);
        SetBackground(caption, Qt::transparent);

        auto* menu = new TMenu(this);
        menu->Add(QStringLiteral("Megnyitás"), program);
        for (const char* inert : {"Küldés ", "Kivágás", "Másolás", "Törlés", "Átnevezés "})
            menu->Add(QString::fromUtf8(inert)).Enabled = false;
        menu->OnChoose = [this](TMenuItem& item) {
            if (item.Tag >= Kalk && item.Tag <= Edit)
                IconMenuOpenProgram(item.Tag);
        };
        menu->OnPopup = [this, program] { IconMenuOpen(program); };

        iconPanels_[Index(program)] = panel;
        iconPictures_[Index(program)] = picture;
        iconCaptions_[Index(program)] = caption;
        iconMenus_[Index(program)] = menu;
    }
    AttachIconMenus(true);
}

void TBaseProgramokForm::MakeTaskBar()
{
    pnlTalca_ = new TTaskBar(this, TTaskBar::TMode::Desktop);
    pnlTalca_->SetButtonsLeft(152);
    connect(pnlTalca_->btnStart(), &TSpeedButton::clicked, this, [this] { StartClick(); });
    for (int program = Kalk; program <= Edit; ++program) {
        auto* button = new TImage(pnlTalca_, QRect(72 + (program - 1) * 24, 5, 20, 20));
        button->SetPng(LoadPng(QString::fromUtf8(QuickLaunchPictures[program - 1])));
        button->OnClick = [this, program] { QuickLaunchClick(program); };
        quickLaunch_[Index(program)] = button;
    }
    pnlTalca_->AddTrayIcon(LoadPng(QStringLiteral("prg/hang16.png")));
    pnlTalca_->AddTrayIcon(LoadPng(QStringLiteral("prg/halo16.png")));
    pnlTalca_->RunClock();
    pnlTalca_->setVisible(true);
}

void TBaseProgramokForm::MakeStartMenu()
{
    pnlStart_ = new QFrame(this);
    pnlStart_->setGeometry(QRect(QPoint(0, 208), StartMenuSize));
    SetBackground(pnlStart_, Qt::white);
    pnlStart_->setVisible(false);
    pnlStart_->installEventFilter(this);
    auto* background = new TImage(pnlStart_, QRect(QPoint(0, 0), StartMenuSize));
    background->SetPng(LoadPng(QStringLiteral("prg/startMenu.png")));
    selshape_ = new QFrame(pnlStart_);
    SetBackground(selshape_, RowHighlight);
    selshape_->setVisible(false);
    const QFont rowFont = PixelFont(QStringLiteral("Arial"), 14);
    for (int row = 0; row < StartMenuRows; ++row) {
        QLabel* label = Controls::Label(pnlStart_, QRect(StartLeft, StartRows[row].top, StartRowWidth, StartRowHeight),
                                        QString::fromUtf8(StartRows[row].caption), rowFont, Qt::black,
                                        Qt::AlignLeft | Qt::AlignVCenter);
        label->setIndent(10);
        label->installEventFilter(this);
        startRows_[static_cast<std::size_t>(row)] = label;
    }

    popupStart_ = new TMenu(this);
    popupStart_->Add(QStringLiteral("Indítópult"));
    popupStart_->Add(QStringLiteral("Microsoft Office"));
    TMenuItem& accessories = popupStart_->Add(QStringLiteral("Kellékek"));
    accessories.Add(QStringLiteral("Rajzoló"), Paint);
    accessories.Add(QStringLiteral("Számoló"), Kalk);
    accessories.Add(QStringLiteral("Gépelő"), Edit);
    popupStart_->Add(QStringLiteral("Windows Intéző"));
    popupStart_->Add(QStringLiteral("Jegyzettömb"));
    popupStart_->OnChoose = [this](TMenuItem& item) {
        if (item.Tag >= Kalk && item.Tag <= Edit)
            StartMenuProgram(item.Tag);
    };
}

void TBaseProgramokForm::MakePrograms()
{
    // Each program places itself, centred at its own top, and turns a close into a hide.
    kalk_ = new TPrgKalkulalForm(this);
    paint_ = new TPrgPaintForm(this);
    edit_ = new TPrgEditorForm(this);
    for (int program = Kalk; program <= Edit; ++program)
        Window(program)->OnClosed = [this, program] {
            programOpen_ = false;
            ProgramClosed(program);
        };
}

TPrgProgramWindow* TBaseProgramokForm::Window(int program) const
{
    switch (program) {
    case Kalk: return kalk_;
    case Paint: return paint_;
    case Edit: return edit_;
    default: return nullptr;
    }
}

void TBaseProgramokForm::ClosePage()
{
    HideAllPrograms();
    TBaseForm::ClosePage();
}

void TBaseProgramokForm::HideAllPrograms()
{
    for (int program = Kalk; program <= Edit; ++program)
        if (TPrgProgramWindow* window = Window(program))
            window->Hide();
    programOpen_ = false;
}

void TBaseProgramokForm::OpenProgram(int program)
{
    TPrgProgramWindow* window = Window(program);
    if (!window)
        return;
    programOpen_ = true;
    window->Show();
}

void TBaseProgramokForm::QuickLaunchClick(int program)
{
    HideStartMenu();
    if (quickLaunchAllowed_ && !programOpen_)
        OpenProgram(program);
}

void TBaseProgramokForm::IconDblClick(int program)
{
    HideStartMenu();
    if (desktopIconsAllowed_ && !programOpen_)
        OpenProgram(program);
}

void TBaseProgramokForm::IconMenuOpen(int program)
{
    SelectIcon(program);
}

void TBaseProgramokForm::IconMenuOpenProgram(int program)
{
    IconDblClick(program);
}

void TBaseProgramokForm::AttachIconMenus(bool attached)
{
    for (int program = Kalk; program <= Edit; ++program)
        TPopupMenu::Attach(iconPanels_[Index(program)], attached ? iconMenus_[Index(program)] : nullptr);
}

void TBaseProgramokForm::StartClick()
{
    if (!startAllowed_)
        return;
    if (startShown_)
        HideStartMenu();
    else
        ShowStartMenu();
}

void TBaseProgramokForm::StartMenuProgram(int program)
{
    HideStartMenu();
    if (!programOpen_)
        OpenProgram(program);
}

void TBaseProgramokForm::BackgroundClick()
{
    HideStartMenu();
    SelectIcon(0);
}

void TBaseProgramokForm::ProgramClosed(int) {}

void TBaseProgramokForm::SelectIcon(int program)
{
    if (selected_ >= Kalk && selected_ <= Edit) {
        QLabel* old = iconCaptions_[Index(selected_)];
        SetBackground(old, Qt::transparent);
    }
    selected_ = program >= Kalk && program <= Edit ? program : 0;
    if (selected_)
        SetBackground(iconCaptions_[Index(selected_)], CaptionHighlight);
}

void TBaseProgramokForm::ShowStartMenu()
{
    HoverStartRow(-1);
    pnlStart_->setVisible(true);
    pnlStart_->raise();
    startShown_ = true;
}

void TBaseProgramokForm::HideStartMenu()
{
    if (!startShown_)
        return;
    if (TPopupMenu* open = TPopupMenu::Current(); open && open->Menu() == popupStart_)
        open->CloseAll();
    pnlStart_->setVisible(false);
    startShown_ = false;
}

void TBaseProgramokForm::MoveStartMenu(int left)
{
    pnlStart_->move(left, pnlTalca_->y() - StartMenuSize.height());
}

void TBaseProgramokForm::HoverStartRow(int row)
{
    if (hovered_ >= 0)
        Controls::SetColour(startRows_[static_cast<std::size_t>(hovered_)], Qt::black);
    hovered_ = row;
    if (row < 0) {
        selshape_->setVisible(false);
        return;
    }
    QLabel* label = startRows_[static_cast<std::size_t>(row)];
    selshape_->setGeometry(label->geometry());
    selshape_->setVisible(true);
    selshape_->stackUnder(label);
    Controls::SetColour(label, Qt::white);
}

void TBaseProgramokForm::OpenProgramsPopup()
{
    HoverStartRow(ProgramsRow);
    if (TPopupMenu::Current())
        return;
    QLabel* label = startRows_[ProgramsRow];
    // The pop-up's first row level with "Programok".
    const QPoint at = label->mapTo(this, QPoint(label->width(), -TPopupMenu::Edge));
    TPopupMenu* popup = TPopupMenu::PopupAt(popupStart_, at);
    if (!popup)
        return;
    // A click on "Programok" after the pointer opened the pop-up keeps it, as a Start menu does.
    popup->SetOwner(label);
    popup->OnClosed = [this](bool) {
        // Closed by a click elsewhere: the Start menu goes too unless the pointer is back on it.
        if (startShown_ && !pnlStart_->underMouse())
            HideStartMenu();
    };
}

bool TBaseProgramokForm::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::Enter) {
        for (int row = 0; row < StartMenuRows; ++row) {
            if (watched != startRows_[static_cast<std::size_t>(row)])
                continue;
            HoverStartRow(row);
            if (row == ProgramsRow)
                OpenProgramsPopup();
        }
    } else if (type == QEvent::Leave && watched == pnlStart_) {
        // The "Programok" pop-up lies beside the Start menu: the menu stays while it is open.
        const TPopupMenu* open = TPopupMenu::Current();
        if (!(open && open->Menu() == popupStart_))
            HideStartMenu();
    } else if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
        const auto* mouse = static_cast<const QMouseEvent*>(event);
        for (int program = Kalk; program <= Edit; ++program)
            if (watched == iconPanels_[Index(program)]) {
                if (mouse->button() == Qt::LeftButton)
                    SelectIcon(program);
                return true; // not a click on the background
            }
        if (watched == pnlStart_ || pnlStart_->isAncestorOf(qobject_cast<QWidget*>(watched))) {
            if (watched == startRows_[ProgramsRow])
                OpenProgramsPopup();
            return true;
        }
    }
    return TBaseForm::eventFilter(watched, event);
}

void TBaseProgramokForm::mousePressEvent(QMouseEvent* event)
{
    TBaseForm::mousePressEvent(event);
    BackgroundClick();
}
