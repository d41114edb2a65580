#pragma once

class IMessageBoxes;
class ISoundOutput;
class IRandomSource;
class ITimeSource;

// The desktop services pages use, reachable from anywhere; tests put doubles in their place.
namespace Services {

IMessageBoxes& Messages();
ISoundOutput& Sound();
IRandomSource& Random();
ITimeSource& Time();

void SetMessages(IMessageBoxes* service);
void SetSound(ISoundOutput* service);
void SetRandom(IRandomSource* service);
void SetTime(ITimeSource* service);

} // namespace Services
