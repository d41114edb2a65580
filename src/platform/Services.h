#pragma once

class IMessageBoxes;
class IMessageDialogs;
class ISoundOutput;
class IRandomSource;
class ITimeSource;
class IResultsRecorder;
class TSchoolSettings;

#include <functional>

// The desktop services pages use, reachable from anywhere; tests put doubles in their place.
namespace Services {

IMessageBoxes& Messages();
// The lessons' dialogs with icon, title and buttons; the program draws them inside the stage.
IMessageDialogs& Dialogs();
ISoundOutput& Sound();
IRandomSource& Random();
ITimeSource& Time();

void SetMessages(IMessageBoxes* service);
void SetDialogs(IMessageDialogs* service);
void SetSound(ISoundOutput* service);
void SetRandom(IRandomSource* service);
void SetTime(ITimeSource* service);

// The school's settings for the whole PC; the defaults until the program reads the file.
const TSchoolSettings& Settings();
void SetSettings(const TSchoolSettings* settings);
// Where the learner's evaluations are recorded; nullptr while the results store is off.
IResultsRecorder* Results();
void SetResults(IResultsRecorder* recorder);

// Ends the message loop after the current event (the desktop is given back on the way out).
// Tests put a recorder in its place.
void TerminateApplication();
void SetTerminate(std::function<void()> terminate);

} // namespace Services
