#pragma once

#include "framework/BaseBillForm.h"
#include "platform/PageTimer.h"

#include <array>

class TClipPlayer;
class TImage;

// Two pieces of advice: clean hands and no food or drink near the machine (pictures under
// blinking prohibition signs), then that the computer must not be hit (a clip). Enter moves to the
// second, T leaves the page.
class TBillInfo : public TBaseBillForm {
    Q_OBJECT
public:
    static inline const QString CleanHands = QStringLiteral("TISZTAKEZ");
    static inline const QString DoNotHit = QStringLiteral("NEMTEVED");

    TBillInfo();

    void ShowPage() override;

    const QString& Advice() const { return advice_; }
    // Whether the prohibition signs are up in the blinking; kept outside the page object.
    static bool Blink() { return blink_; }

    TImage* info() const { return info_; }
    TImage* imgKoszos() const { return imgKoszos_; }
    TImage* imgKaja() const { return imgKaja_; }
    TImage* imgPia() const { return imgPia_; }
    std::array<TImage*, 3> Overlays() const { return {imgKoszosTilt_, imgKajaTilt_, imgPiaTilt_}; }
    TClipPlayer* animUtes() const { return animUtes_; }
    TPageTimer& Timer1() { return timer1_; }

protected:
    void FormKeyDown(int& key, Qt::KeyboardModifiers shift) override;
    void FormKeyPress(QChar& key) override;

private:
    void Timer1Timer();
    void WriteAdvice();
    void ShowOverlays(bool shown);

    static inline bool blink_ = false;

    TImage* info_;
    TImage* imgKoszos_;
    TImage* imgKaja_;
    TImage* imgPia_;
    TImage* imgKoszosTilt_;
    TImage* imgKajaTilt_;
    TImage* imgPiaTilt_;
    TClipPlayer* animUtes_;
    TPageTimer timer1_;
    QString advice_;
};
