#include "BaseForm.h"

#include "Colours.h"
#include "Fonts.h"
#include "Image.h"
#include "MediaAccess.h"
#include "PageFocus.h"
#include "PushButton.h"
#include "ReadAloud.h"
#include "TextImgWriter.h"
#include "WindowGroup.h"
#include "platform/CourseError.h"
#include "platform/ErrorReport.h"
#include "platform/MessageBoxes.h"
#include "platform/Services.h"
#include "platform/Stage.h"
#include "platform/VirtualKey.h"
#include "shell/Board.h"

#include <QApplication>
#include <QCloseEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>

TBaseForm::TBaseForm(const QString& pageName)
    : QWidget(TStage::Current() ? TStage::Current()->Canvas() : nullptr), pageName_(pageName)
{
    setObjectName(pageName);
    setVisible(false);
    setGeometry(0, 0, 1024, 768);
    setFixedSize(1024, 768);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, DelphiColor(PageColour));
    setPalette(colours);
    // Focus comes to a page by ShowPage, never by a click on it.
    setFocusPolicy(Qt::NoFocus);
    hatter_ = new TImage(this, QRect(0, 0, 1024, 768));
    // Right above the background, below whatever the page places: it never covers a control.
    ReadAloud::AddSign(this);
    qApp->installEventFilter(this);
}

TBaseForm::~TBaseForm()
{
    TWindowGroup::Retire(this);
    qApp->removeEventFilter(this);
}

void TBaseForm::InitPage()
{
    pageFont_ = PointFont(QStringLiteral("Arial"), 18);
    writer_ = std::make_unique<TTextImgWriter>();
    writer_->SetFont(pageFont_, DelphiColor(0xFF0000));
    writer_->SetLineSpacing(5);
    writer_->SetMargins(10, 10, 0, 0);
}

void TBaseForm::ShowPage()
{
    if (!module_)
        throw TCourseError(QStringLiteral("No valid Module is setted to ModuleElemet"));
    state_ = TPageState::Shown;
    ReadAloud::Appeared(this);
    setVisible(true);
    raise();
    if (!FocusFirstTabStop())
        setFocus(Qt::OtherFocusReason);
    // Keys belong to the page's active window, if it has one.
    if (TWindowGroup* windows = TWindowGroup::Find(this); windows && windows->Active())
        windows->Activate(windows->Active());
    InitPage();
}

void TBaseForm::ClosePage()
{
    state_ = TPageState::ClosedByModule;
    ReadAloud::Gone();
    // The page's windows go with it and must no longer reach it.
    TWindowGroup::Retire(this);
    close();
}

void TBaseForm::closeEvent(QCloseEvent* event)
{
    // The handler that closed the page is usually still running: destroy it afterwards.
    event->accept();
    deleteLater();
    if (state_ != TPageState::ClosedByModule)
        Services::TerminateApplication();
}

void TBaseForm::LoadBackground(const QString& fileName)
{
    DrawImageFile(fileName, *hatter_);
}

std::shared_ptr<IModule> TBaseForm::Module() const
{
    if (!module_)
        throw TCourseError(QStringLiteral("No valid Module is setted to ModuleElemet"));
    return module_;
}

IModuleController& TBaseForm::Controller() const
{
    auto controller = Module()->GetController();
    if (!controller)
        throw TCourseError(QStringLiteral("No valid ModuleController is setted to Module"));
    return *controller;
}

void TBaseForm::NotifyModule()
{
    auto module = Module(); // keeps the module alive through its Notify
    module->Notify();
}

void TBaseForm::ReturnToMain()
{
    auto module = Module();
    Board::PutText(Controller(), QStringLiteral("CHANGE_MODUL"), QStringLiteral("RETURN_TO_MAIN"));
    module->Notify();
}

TImage* TBaseForm::AddBackArea(const QRect& area, std::function<void()> click)
{
    auto* back = new TImage(this, area);
    back->setCursor(Qt::PointingHandCursor);
    back->OnClick = click ? std::move(click) : [this] { ReturnToMain(); };
    return back;
}

void TBaseForm::ConfirmExit()
{
    if (!Services::Messages().Question(ExitQuestion))
        return;
    auto module = Module(); // keeps the module alive through its Notify
    Board::PutText(Controller(), QStringLiteral("EXIT"), QStringLiteral("EXIT"));
    module->Notify();
}

void TBaseForm::UseTabStops()
{
    focus_ = std::make_unique<TPageFocus>(this);
}

bool TBaseForm::FocusFirstTabStop()
{
    return focus_ && focus_->FocusFirst();
}

void TBaseForm::FormKeyDown(int&, Qt::KeyboardModifiers) {}
void TBaseForm::FormKeyPress(QChar&) {}
void TBaseForm::FormKeyUp(int&, Qt::KeyboardModifiers) {}

void TBaseForm::OnControlKeyDown(QWidget* control, std::function<void(int&, Qt::KeyboardModifiers)> handler)
{
    controlKeyDown_[control] = std::move(handler);
}

void TBaseForm::OnControlKeyPress(QWidget* control, std::function<void(QChar&)> handler)
{
    controlKeyPress_[control] = std::move(handler);
}

bool TBaseForm::eventFilter(QObject* watched, QEvent* event)
{
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    if (replaying_ || (!key && event->type() != QEvent::InputMethod))
        return false;
    auto* target = qobject_cast<QWidget*>(watched);
    if (!target || state_ != TPageState::Shown || !isVisible() || (target != this && !isAncestorOf(target)))
        return false;
    if (!key) {
        bool swallowed = false;
        Guarded([&] { swallowed = FilterInputMethod(target, static_cast<QInputMethodEvent*>(event)); });
        return swallowed;
    }
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    if (!lastKey_.First(*keyEvent))
        return lastKey_.Swallowed();
    bool swallowed = false;
    QPointer<TBaseForm> self(this);
    Guarded([&] { swallowed = FilterKey(target, keyEvent); });
    if (self)
        lastKey_.SetSwallowed(swallowed);
    return swallowed;
}

bool TBaseForm::RunKeyDown(QWidget* target, int& key, Qt::KeyboardModifiers shift)
{
    // Handlers may close this page; stop as soon as it is gone.
    QPointer<TBaseForm> self(this);
    FormKeyDown(key, shift);
    if (!self)
        return false;
    if (auto handler = controlKeyDown_.find(target); handler != controlKeyDown_.end() && key != 0)
        handler->second(key, shift);
    return self && key != 0;
}

bool TBaseForm::RunKeyPress(QWidget* target, QChar& character)
{
    QPointer<TBaseForm> self(this);
    FormKeyPress(character);
    if (!self)
        return false;
    if (auto handler = controlKeyPress_.find(target); handler != controlKeyPress_.end() && !character.isNull())
        handler->second(character);
    return self && !character.isNull();
}

bool TBaseForm::FilterKey(QWidget* target, QKeyEvent* event)
{
    if (ReadAloud::HandleKey(*event))
        return true;
    int key = VirtualKey::FromEvent(*event);
    const Qt::KeyboardModifiers shift = event->modifiers();
    if (event->type() == QEvent::KeyRelease) {
        FormKeyUp(key, shift);
        return key == 0;
    }
    if (!RunKeyDown(target, key, shift))
        return true;
    if (focus_ && focus_->HandleKey(*event))
        return true;

    const QString text = event->text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return ClickAccelerator(*event);
    QChar character = text.at(0);
    if (!RunKeyPress(target, character))
        return true;
    if (ClickAccelerator(*event))
        return true;
    if (character != text.at(0)) {
        // A handler replaced the character: the control gets the new one instead.
        QKeyEvent replacement(event->type(), event->key(), event->modifiers(), QString(character));
        replaying_ = true;
        QApplication::sendEvent(target, &replacement);
        replaying_ = false;
        return true;
    }
    return false;
}

bool TBaseForm::ClickAccelerator(const QKeyEvent& event)
{
    TPushButton* button = TPushButton::ForAccelerator(this, event);
    if (!button)
        return false;
    button->click();
    return true;
}

bool TBaseForm::FilterInputMethod(QWidget* target, QInputMethodEvent* event)
{
    const QString committed = event->commitString();
    if (committed.isEmpty())
        return false;
    // Each composed character is a key going down and up, as the key that finishes a dead-key
    // sequence is; what the handlers let through is committed.
    QPointer<TBaseForm> self(this);
    QString passed;
    for (QChar character : committed) {
        int key = VirtualKey::FromCharacter(character);
        const bool down = RunKeyDown(target, key, Qt::NoModifier);
        if (!self)
            return true;
        if (down && character.isPrint() && RunKeyPress(target, character))
            passed += character;
        if (!self)
            return true;
        int up = VirtualKey::FromCharacter(character);
        FormKeyUp(up, Qt::NoModifier);
        if (!self)
            return true;
    }
    if (passed != committed)
        event->setCommitString(passed, event->replacementStart(), event->replacementLength());
    return false;
}
