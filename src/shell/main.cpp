#include "Bitlak.h"
#include "BitlakApplication.h"
#include "CourseModules.h"
#include "ModulVezerlo.h"
#include "platform/Installation.h"
#include "platform/LinuxKioskSession.h"
#include "platform/MersenneRandom.h"
#include "platform/QtMessageBoxes.h"
#include "platform/QtSoundOutput.h"
#include "platform/RealTime.h"
#include "platform/Services.h"
#include "platform/Stage.h"
#include "platform/StageDisplayModes.h"
#include "platform/TerminationSignals.h"

#include <QTimer>

int main(int argc, char** argv)
{
    TBitlakApplication app(argc, argv);
    app.setStyle(QStringLiteral("Windows"));
    app.LoadHungarianTranslation();
    const bool windowed = app.arguments().contains(QStringLiteral("--window"));

    TStage stage(windowed);
    TQtMessageBoxes messages(&stage);
    TQtSoundOutput sound;
    TRealTime time;
    TMersenneRandom random;
    Services::SetMessages(&messages);
    Services::SetSound(&sound);
    Services::SetTime(&time);
    Services::SetRandom(&random);

    TLinuxKioskSession kiosk(&stage);
    TStageDisplayModes display(stage);
    const QString executableDirectory = QCoreApplication::applicationDirPath();
    auto terminate = [] { Services::TerminateApplication(); };

    TBitlak bitlak({
        .display = &display,
        .kiosk = &kiosk,
        .installed = [executableDirectory] { return Installation::PrepareWorkingDirectory(executableDirectory); },
        .makeController = [terminate] { return std::make_shared<TModulVezerlo>(CourseModules(), terminate); },
        .terminate = terminate,
    });
    bitlak.FormCreate();

    TTerminationSignals termination;
    QObject::connect(&termination, &TTerminationSignals::terminationRequested, &app, &QCoreApplication::quit);
    QObject::connect(&stage, &TStage::closeRequested, &app, &QCoreApplication::quit);
    QObject::connect(&app, &QGuiApplication::applicationStateChanged, &bitlak, [&bitlak](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            bitlak.FormActivate();
    });
    QTimer::singleShot(0, &bitlak, &TBitlak::FormActivate);

    const int result = app.exec();
    bitlak.FormDestroy();
    Services::SetMessages(nullptr);
    Services::SetSound(nullptr);
    Services::SetTime(nullptr);
    Services::SetRandom(nullptr);
    return result;
}
