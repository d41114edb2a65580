#pragma once

#include <QRect>
#include <QtCore/qnamespace.h>
#include <QString>

class QKeyEvent;
class QWidget;

// Reading the screen aloud, as the school's settings allow: on the learner's request (the speaker
// sign every page shows at one place, or the F12 key, which no page uses) or also whenever a page,
// balloon or dialog appears. Whatever appears or goes silences what was being read at once. The
// voice is a stream of its own: the pages' sounds are heard beside it.
namespace ReadAloud {

inline constexpr int Key = Qt::Key_F12;
// The speaker sign: top right, where no page has a click area; under every control of the page.
inline constexpr QRect SignArea{974, 6, 44, 40};
inline const QString SignPicture = QStringLiteral("hangszoro.png");

// What is shown to the learner now: an open dialog, else the page on top (its balloon first).
QWidget* Shown();
// The text the voice reads for it, prepared for speech.
QString PreparedText(const QWidget* shown);
// The learner asked: reads what is shown now, from the start.
void Request();
// The reading key going down is a request; true when the key (down or up) was used by it.
bool HandleKey(const QKeyEvent& event);
// A page, balloon or dialog appeared: the voice stops, and with every page read it reads what is
// shown once the page has drawn its texts.
void Appeared(QWidget* shown);
// A page, balloon or dialog went away: the voice stops.
void Gone();
// The page's speaker sign, unless reading is off.
void AddSign(QWidget* page);

} // namespace ReadAloud
