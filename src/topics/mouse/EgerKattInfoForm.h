#pragma once

#include "framework/BaseBillForm.h"
#include "platform/PageTimer.h"

#include <QSet>

class TClipPlayer;

// What a click is: a clip of a click plays every 1.5 s; the learner clicks each of the three hand
// pictures (right-handed, left-handed, the wrong grip), which disappear; then the page moves on.
class TEgerKattInfoForm : public TBaseBillForm {
    Q_OBJECT
public:
    TEgerKattInfoForm();

    static QString Instruction();

    void ShowPage() override;

    TImage* jobbkez() const { return jobbkez_; }
    TImage* balkez() const { return balkez_; }
    TImage* joltart() const { return joltart_; }
    TImage* rosszultart() const { return rosszultart_; }
    TClipPlayer* kattintAnim() const { return kattintAnim_; }
    TPageTimer& timer() { return timer_; }

private:
    // The background under the picture, the hand over it, the caption in its lower part.
    void Compose(TImage& picture, const QString& file, const QString& caption, int left, int lift);
    void HandClick(TImage* hand);

    TImage* jobbkez_;
    TImage* balkez_;
    TImage* joltart_;
    TImage* rosszultart_;
    TClipPlayer* kattintAnim_;
    TPageTimer timer_;
    QSet<TImage*> clicked_;
};
