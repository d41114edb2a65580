#pragma once

#include "KeyOnce.h"
#include "shell/IModuleElement.h"

#include <QFont>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>

class TImage;
class TPageFocus;
class TTextImgWriter;
class IModuleController;

// Every screen of the course: a 1024 x 768 page in the page colour with its background picture
// `hatter`, the page font and text writer, and the operations its module shows and closes it with.
// Keys reach the page's handlers before the focused control sees them; a handler swallows a key by
// setting it to 0 (or the character to QChar()). Text composed by the input method (dead keys,
// compose) goes through the same handlers, character by character, as typed keys do.
// A page never takes the focus by a click: a click on its background or a picture leaves the
// focus on the control that has it.
class TBaseForm : public QWidget, public IModuleElement {
    Q_OBJECT
public:
    static inline const QString ExitQuestion = QStringLiteral("Valóban ki akarsz lépni a programból?");

    explicit TBaseForm(const QString& pageName);
    ~TBaseForm() override;

    void ShowPage() override;
    void ClosePage() override;
    QString GetPageName() const override { return pageName_; }
    void SetModule(std::shared_ptr<IModule> module) override { module_ = std::move(module); }

    enum class TPageState { Created, Shown, ClosedByModule };
    TPageState PageState() const { return state_; }
    TImage* hatter() const { return hatter_; }
    TTextImgWriter* Writer() const { return writer_.get(); }
    const QFont& PageFont() const { return pageFont_; }

protected:
    // Makes the page font and a fresh text writer; runs at every ShowPage.
    virtual void InitPage();
    void LoadBackground(const QString& fileName);
    void ConfirmExit();
    // The page is worked with the keyboard: from now on showing it focuses its first tab stop, and
    // Tab, Shift+Tab and the arrows move the focus over its tab stops only.
    void UseTabStops();
    // Focuses the first tab stop again (after the page made its controls); false without tab stops.
    bool FocusFirstTabStop();

    std::shared_ptr<IModule> Module() const;
    IModuleController& Controller() const;
    // Tells the module the page is done; the module may replace the page meanwhile.
    void NotifyModule();
    // A back area's click: "CHANGE_MODUL" = "RETURN_TO_MAIN", then the module hands over.
    void ReturnToMain();
    // A transparent click area over the back sign the background shows (see BackAreas); a click
    // runs `click`, by default ReturnToMain.
    TImage* AddBackArea(const QRect& area, std::function<void()> click = {});

    // Page-level key handlers (the page sees keys first).
    virtual void FormKeyDown(int& key, Qt::KeyboardModifiers shift);
    virtual void FormKeyPress(QChar& key);
    virtual void FormKeyUp(int& key, Qt::KeyboardModifiers shift);
    // Key handlers of one control, run after the page's.
    void OnControlKeyDown(QWidget* control, std::function<void(int& key, Qt::KeyboardModifiers shift)> handler);
    void OnControlKeyPress(QWidget* control, std::function<void(QChar& key)> handler);

    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool FilterKey(QWidget* target, QKeyEvent* event);
    bool FilterInputMethod(QWidget* target, QInputMethodEvent* event);
    // A key that is a push button's accelerator clicks that button and goes no further.
    bool ClickAccelerator(const QKeyEvent& event);
    // The page's and the control's key-down handlers; false when they swallowed the key.
    bool RunKeyDown(QWidget* target, int& key, Qt::KeyboardModifiers shift);
    // The page's and the control's key-press handlers; false when they swallowed the character.
    bool RunKeyPress(QWidget* target, QChar& character);

    QString pageName_;
    TImage* hatter_;
    TPageState state_ = TPageState::Created;
    std::shared_ptr<IModule> module_;
    std::unique_ptr<TTextImgWriter> writer_;
    QFont pageFont_;
    std::unique_ptr<TPageFocus> focus_;
    std::map<QWidget*, std::function<void(int&, Qt::KeyboardModifiers)>> controlKeyDown_;
    std::map<QWidget*, std::function<void(QChar&)>> controlKeyPress_;
    bool replaying_ = false;
    TKeyOnce lastKey_;
};
