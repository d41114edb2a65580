#include "FooldalModul.h"

#include "ModulValaszt.h"
#include "NavBeker.h"
#include "platform/CourseError.h"
#include "platform/MessageBoxes.h"
#include "platform/Services.h"
#include "shell/Board.h"

namespace {
const QString ModeKey = QStringLiteral("MODULVALASZT");
}

void TFooldalModul::StartModule()
{
    IModuleController& controller = Controller();
    if (controller.GetValue(QStringLiteral("RETURN_TO_MAIN"))) {
        controller.RemoveValue(QStringLiteral("RETURN_TO_MAIN"));
        SwitchToPage<TModulValaszt>([&controller] { Board::PutText(controller, ModeKey, QStringLiteral("VALASZT")); });
        return;
    }
    SwitchToPage<TNavBeker>();
}

void TFooldalModul::Decide()
{
    IModuleController& controller = Controller();
    const QString page = CurrentPageName();
    if (page == QLatin1String("NAVBEKER")) {
        SwitchToPage<TModulValaszt>([&controller] { Board::PutText(controller, ModeKey, QStringLiteral("BEVEZETO")); });
    } else if (page == ModeKey) {
        const auto mode = Board::Text(controller, ModeKey);
        if (!mode || mode->isEmpty())
            throw TCourseError(QStringLiteral("No message found in MODULVALASZT"));
        if (*mode == QLatin1String("BEVEZETO")) {
            controller.RemoveValue(ModeKey);
            Board::PutText(controller, ModeKey, QStringLiteral("VALASZT"));
            CurrentPage()->ShowPage();
        } else if (*mode == QLatin1String("VALASZT")) {
            const auto topic = Board::Text(controller, QStringLiteral("MODUL"));
            if (!topic) {
                Services::Messages().Information(QStringLiteral("NO SELECTED MODUL !"));
                return;
            }
            Board::PutText(controller, QStringLiteral("CHANGE_MODUL"), *topic);
            controller.RemoveValue(QStringLiteral("MODUL"));
            controller.Notify();
        }
    } else {
        Services::Messages().Information(QStringLiteral("MAIN screen has no this page! "));
    }
}
