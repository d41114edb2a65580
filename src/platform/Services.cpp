#include "Services.h"

#include "ManualTime.h"
#include "MersenneRandom.h"
#include "RecordingSoundOutput.h"
#include "RecordingVoice.h"
#include "SchoolSettings.h"
#include "ScriptedMessageBoxes.h"
#include "ScriptedMessageDialogs.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace {
// Until the program installs the real ones, nothing blocks and nothing is heard.
TScriptedMessageBoxes quietMessages;
TScriptedMessageDialogs quietDialogs;
TRecordingSoundOutput silence(false);
TRecordingVoice mute(false);
TMersenneRandom defaultRandom;
TManualTime stillTime;
const TSchoolSettings defaultSettings;

IMessageBoxes* messages = &quietMessages;
IMessageDialogs* dialogs = &quietDialogs;
ISoundOutput* sound = &silence;
ISpeechVoice* voice = &mute;
IRandomSource* randomSource = &defaultRandom;
ITimeSource* timeSource = &stillTime;
const TSchoolSettings* settings = &defaultSettings;
IResultsRecorder* results = nullptr;

std::function<void()> terminate;

template <class T> void Replace(T*& slot, T* service, T* fallback)
{
    slot = service ? service : fallback;
}
} // namespace

namespace Services {

IMessageBoxes& Messages() { return *messages; }
IMessageDialogs& Dialogs() { return *dialogs; }
ISoundOutput& Sound() { return *sound; }
IRandomSource& Random() { return *randomSource; }
ITimeSource& Time() { return *timeSource; }

void SetMessages(IMessageBoxes* service) { Replace<IMessageBoxes>(messages, service, &quietMessages); }
void SetDialogs(IMessageDialogs* service) { Replace<IMessageDialogs>(dialogs, service, &quietDialogs); }
void SetSound(ISoundOutput* service) { Replace<ISoundOutput>(sound, service, &silence); }
ISpeechVoice& Voice() { return *voice; }
void SetVoice(ISpeechVoice* service) { Replace<ISpeechVoice>(voice, service, &mute); }
void SetRandom(IRandomSource* service) { Replace<IRandomSource>(randomSource, service, &defaultRandom); }
void SetTime(ITimeSource* service) { Replace<ITimeSource>(timeSource, service, &stillTime); }

const TSchoolSettings& Settings() { return *settings; }
void SetSettings(const TSchoolSettings* service) { Replace<const TSchoolSettings>(settings, service, &defaultSettings); }
IResultsRecorder* Results() { return results; }
void SetResults(IResultsRecorder* recorder) { results = recorder; }

void TerminateApplication()
{
    if (terminate) {
        terminate();
        return;
    }
    if (auto* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, &QCoreApplication::quit, Qt::QueuedConnection);
}

void SetTerminate(std::function<void()> replacement)
{
    terminate = std::move(replacement);
}

} // namespace Services
