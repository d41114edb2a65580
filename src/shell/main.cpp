#include "Bitlak.h"
#include "BitlakApplication.h"
#include "CommandLine.h"
#include "CourseModules.h"
#include "ModulVezerlo.h"
#include "framework/CanvasMessageDialogs.h"
#include "platform/Installation.h"
#include "platform/LinuxKioskSession.h"
#include "platform/MersenneRandom.h"
#include "platform/QtMessageBoxes.h"
#include "platform/EspeakVoice.h"
#include "platform/QtSoundOutput.h"
#include "platform/QtVoiceSink.h"
#include "platform/RealTime.h"
#include "platform/ResultsQueue.h"
#include "platform/ResultsWriter.h"
#include "platform/SchoolSettings.h"
#include "platform/Services.h"
#include "platform/Stage.h"
#include "platform/StageDisplayModes.h"
#include "platform/TerminationSignals.h"

#include <QTimer>

#include <cstdio>
#include <memory>

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const TCommandLine command = TCommandLine::Parse(arguments, QStringLiteral(BITLAK_VERSION));
    if (!command.StartsCourse())
        return command.Answer();
    // The school's settings hold for every account on the PC: the file is read here, once.
    const TSchoolSettings settings(TSchoolSettings::InstalledPath);
    for (const QString& problem : settings.Problems())
        std::fprintf(stderr, "%s\n", problem.toLocal8Bit().constData());
    // Under Wayland the course runs through XWayland: only the X plugin gives it the keyboard
    // grab and a full-screen window that stays on top.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");

    TBitlakApplication app(argc, argv);
    app.setStyle(QStringLiteral("Windows"));
    app.LoadHungarianTranslation();
    settings.ApplyDoubleClickTime();

    TStage stage(command.Windowed());
    TQtMessageBoxes messages(&stage);
    TQtSoundOutput sound(settings.SoundOn(), settings.Volume());
    TRealTime time;
    TMersenneRandom random;
    TCanvasMessageDialogs dialogs(stage.Canvas());
    // The voice is a sound of the course: a school that turned the sound off hears no voice either.
    TQtVoiceSink voiceSink(settings.Volume());
    std::unique_ptr<TEspeakVoice> voice;
    if (settings.Speech() != TSchoolSettings::TSpeech::Off && settings.SoundOn())
        voice = std::make_unique<TEspeakVoice>(voiceSink);
    Services::SetSettings(&settings);
    // Off by default: then nothing is recorded and nothing is written anywhere.
    std::unique_ptr<TResultsWriter> results;
    if (settings.Store() != TSchoolSettings::TStore::Off)
        results = std::make_unique<TResultsWriter>(settings, TResultsQueue::DefaultPath());
    Services::SetResults(results.get());
    Services::SetMessages(&messages);
    Services::SetDialogs(&dialogs);
    Services::SetSound(&sound);
    Services::SetVoice(voice.get());
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
    Services::SetDialogs(nullptr);
    Services::SetSound(nullptr);
    Services::SetVoice(nullptr);
    voice.reset();
    Services::SetTime(nullptr);
    Services::SetRandom(nullptr);
    Services::SetResults(nullptr);
    results.reset(); // what the store has not taken waits in the learner's queue file
    Services::SetSettings(nullptr);
    return result;
}
