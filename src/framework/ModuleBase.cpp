#include "ModuleBase.h"

#include "platform/CourseError.h"
#include "platform/HungarianText.h"
#include "platform/MessageBoxes.h"
#include "platform/Services.h"
#include "shell/Board.h"

void TModuleBase::Start()
{
    if (!controller_)
        throw TCourseError(QStringLiteral("No valid ModuleController is setted to Module"));
    ClearKeys();
    StartModule();
}

void TModuleBase::Notify()
{
    // The controller may replace this module during the call.
    auto self = shared_from_this();
    IModuleController& controller = Controller();
    if (controller.GetValue(QStringLiteral("EXIT"))) {
        controller.Notify();
        return;
    }
    if (controller.GetValue(QStringLiteral("CHANGE_MODUL"))) {
        ClearKeys();
        controller.Notify();
        return;
    }
    if (CurrentPage())
        Decide();
}

void TModuleBase::Stop()
{
    if (page_)
        page_->ClosePage();
    page_ = nullptr;
}

IModuleController& TModuleBase::Controller() const
{
    if (!controller_)
        throw TCourseError(QStringLiteral("No valid ModuleController is setted to Module"));
    return *controller_;
}

QString TModuleBase::CurrentPageName() const
{
    return page_ ? HungarianText::Upper(page_->GetPageName()) : QString();
}

TBaseForm* TModuleBase::SwitchTo(TBaseForm* page, const std::function<void()>& prepare)
{
    page->SetModule(shared_from_this());
    try {
        if (prepare)
            prepare();
        page->ShowPage();
    } catch (...) {
        // The page never showed: drop it quietly, the old one stays current.
        delete page;
        throw;
    }
    QPointer<TBaseForm> old = page_;
    page_ = page;
    if (old)
        old->ClosePage();
    return page;
}

void TModuleBase::ClearKeys()
{
    IModuleController& controller = Controller();
    controller.RemoveValue(QStringLiteral("STEP"));
    controller.RemoveValue(QStringLiteral("STEP_READY"));
    for (const QString& key : ownKeys_)
        controller.RemoveValue(key);
}

QString TModuleBase::TakeStepReady()
{
    IModuleController& controller = Controller();
    const QString key = QStringLiteral("STEP_READY");
    const QString text = Board::Text(controller, key).value_or(QStringLiteral("NOTHING"));
    controller.RemoveValue(key);
    return text;
}

bool TModuleBase::FollowRoad(TRoadMove move, const TRoadBoard& board, const QString& unknownPage,
                             const std::function<QString()>& closingText)
{
    IModuleController& controller = Controller();
    if (move == TRoadMove::Unknown) {
        Services::Messages().Information(unknownPage);
        return false;
    }
    const QString actionKey = QStringLiteral("ACTION");
    if (board.takeAction)
        controller.RemoveValue(actionKey);
    if (move == TRoadMove::ReturnToMain) {
        Board::PutText(controller, QStringLiteral("CHANGE_MODUL"), QStringLiteral("RETURN_TO_MAIN"));
        controller.Notify();
        return false;
    }
    if (!board.step.isEmpty())
        Board::PutText(controller, QStringLiteral("STEP"), board.step);
    if (!board.stepReady.isEmpty())
        Board::PutText(controller, QStringLiteral("STEP_READY"), board.stepReady);
    if (!board.putAction.isEmpty())
        Board::PutText(controller, actionKey, board.putAction);
    if (board.closing && closingText)
        Board::PutText(controller, QStringLiteral("ERTEKEL"), closingText());
    return true;
}
