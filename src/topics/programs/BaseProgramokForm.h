#pragma once

#include "framework/BaseForm.h"

#include <QPoint>
#include <array>

class QFrame;
class QLabel;
class TImage;
class TMenu;
class TPageTimer;
class TPracticeWindow;
class TPrgEditorForm;
class TPrgKalkulalForm;
class TPrgPaintForm;
class TPrgProgramWindow;
class TTaskBar;

// The programs topic's imitated desktop: the background, five desktop icons (three of them start
// a program, each with its pop-up menu), the task bar with the Start button, three quick-launch
// buttons, the tray and its clock, the Start menu with its "Programok" pop-up, and the three small
// programs in their own windows, created hidden. One program runs at a time: opening one shows its
// window and notes that a program is open; every close only hides the window and clears the note.
class TBaseProgramokForm : public TBaseForm {
    Q_OBJECT
public:
    enum TProgram { Kalk = 1, Paint = 2, Edit = 3 };
    static constexpr int Programs = 3;
    static constexpr int StartMenuRows = 16;

    explicit TBaseProgramokForm(const QString& pageName);
    ~TBaseProgramokForm() override;

    void ClosePage() override;

    TTaskBar* pnlTalca() const { return pnlTalca_; }
    TImage* QuickLaunch(int program) const { return quickLaunch_.at(Index(program)); }
    // The icon's panel (it takes the focus and the clicks), its picture and its caption.
    QFrame* IconPanel(int program) const { return iconPanels_.at(Index(program)); }
    TImage* IconPicture(int program) const { return iconPictures_.at(Index(program)); }
    QLabel* IconCaption(int program) const { return iconCaptions_.at(Index(program)); }
    TMenu* IconMenu(int program) const { return iconMenus_.at(Index(program)); }
    TImage* imgSajatgep() const { return imgSajatgep_; }
    TImage* imgLomtar() const { return imgLomtar_; }
    QFrame* pnlStart() const { return pnlStart_; }
    QLabel* StartRow(int row) const { return startRows_.at(static_cast<std::size_t>(row)); }
    QFrame* selshape() const { return selshape_; }
    TMenu* popupStart() const { return popupStart_; }
    TImage* imgToMenu() const { return imgToMenu_; }
    TPrgKalkulalForm* Kalkulator() const { return kalk_; }
    TPrgPaintForm* Rajzolo() const { return paint_; }
    TPrgEditorForm* Gepelo() const { return edit_; }
    TPrgProgramWindow* Window(int program) const;

    bool ProgramOpen() const { return programOpen_; }
    bool StartMenuShown() const { return startShown_; }
    // The program whose caption is highlighted, 0 when none.
    int SelectedIcon() const { return selected_; }
    int HoveredStartRow() const { return hovered_; }

protected:
    // What the lesson allows; all off until the lesson turns them on.
    bool quickLaunchAllowed_ = false;
    bool desktopIconsAllowed_ = false;
    bool startAllowed_ = false;

    // The handlers; the lesson page adds its own steps to some of them.
    virtual void QuickLaunchClick(int program);
    virtual void IconDblClick(int program);
    virtual void IconMenuOpen(int program);
    // "Megnyitás" in an icon's pop-up menu.
    virtual void IconMenuOpenProgram(int program);
    virtual void StartClick();
    virtual void StartMenuProgram(int program);
    virtual void BackgroundClick();
    // After the window was hidden and the note cleared.
    virtual void ProgramClosed(int program);

    // Shows the program's window and notes that a program is open.
    void OpenProgram(int program);
    void SelectIcon(int program);
    void HideStartMenu();
    void ShowStartMenu();
    void HoverStartRow(int row);
    // "Programok" opens its pop-up beside the row.
    void OpenProgramsPopup();
    // The Start menu at `left`, standing on the task bar.
    void MoveStartMenu(int left);
    // The icons' pop-up menus open on the right button (or not).
    void AttachIconMenus(bool attached);
    TPageTimer* Timer1() const { return timer1_; }
    // Every program window hidden and the note cleared, without the lesson's close handling.
    void HideAllPrograms();

    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    static std::size_t Index(int program) { return static_cast<std::size_t>(program - 1); }
    void MakeIcons();
    void MakeTaskBar();
    void MakeStartMenu();
    void MakePrograms();

    TImage* imgSajatgep_;
    TImage* imgLomtar_;
    std::array<QFrame*, Programs> iconPanels_{};
    std::array<TImage*, Programs> iconPictures_{};
    std::array<QLabel*, Programs> iconCaptions_{};
    std::array<TMenu*, Programs> iconMenus_{};
    TTaskBar* pnlTalca_ = nullptr;
    std::array<TImage*, Programs> quickLaunch_{};
    QFrame* pnlStart_ = nullptr;
    QFrame* selshape_ = nullptr;
    std::array<QLabel*, StartMenuRows> startRows_{};
    TMenu* popupStart_ = nullptr;
    TImage* imgToMenu_;
    TPageTimer* timer1_;
    TPrgKalkulalForm* kalk_ = nullptr;
    TPrgPaintForm* paint_ = nullptr;
    TPrgEditorForm* edit_ = nullptr;

    bool programOpen_ = false;
    bool startShown_ = false;
    int selected_ = 0;
    int hovered_ = -1;
};
