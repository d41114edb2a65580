#include "QuietCourse.h"

#include "platform/Services.h"
#include "shell/CourseModules.h"

#include <QCoreApplication>

TQuietCourse::TQuietCourse()
{
    Services::SetMessages(&messages);
    Services::SetDialogs(&dialogs);
    Services::SetSound(&sound);
    Services::SetTime(&time);
    Services::SetRandom(&random);
    Services::SetTerminate([this] { ++terminations; });
    stage = std::make_unique<TStage>(true);
}

TQuietCourse::~TQuietCourse()
{
    bitlak.reset();
    stage.reset();
    Settle();
    Services::SetTerminate(nullptr);
    Services::SetMessages(nullptr);
    Services::SetDialogs(nullptr);
    Services::SetSound(nullptr);
    Services::SetTime(nullptr);
    Services::SetRandom(nullptr);
}

TModuleTable TQuietCourse::Modules() const
{
    TModuleTable table = CourseModules();
    if (extendModules)
        extendModules(table);
    return table;
}

std::shared_ptr<TModulVezerlo> TQuietCourse::MakeController() const
{
    return std::make_shared<TModulVezerlo>(Modules(), [] { Services::TerminateApplication(); });
}

void TQuietCourse::StartCourse()
{
    bitlak = std::make_unique<TBitlak>(TBitlak::Parts{
        .display = &display,
        .kiosk = &kiosk,
        .installed = [] { return true; },
        .makeController = [this] { return MakeController(); },
        .terminate = [] { Services::TerminateApplication(); },
    });
    bitlak->FormCreate();
    bitlak->FormActivate();
    Settle();
}

void TQuietCourse::Settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
