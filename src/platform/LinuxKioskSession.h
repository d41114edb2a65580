#pragma once

#include "KioskSession.h"

#include <cstdint>

class QWidget;

// On a Linux desktop: the keyboard is grabbed by the stage (task-switching keys stay inside the
// course) and the screen saver is inhibited through the freedesktop screen saver service and,
// where the course runs on an X server, through the server's own saver.
class TLinuxKioskSession : public IKioskSession {
public:
    explicit TLinuxKioskSession(QWidget* stage) : stage_(stage) {}
    ~TLinuxKioskSession() override { End(); }
    void Begin() override;
    void End() override;

private:
    void GrabKeyboard(int triesLeft);
    void SuspendServerSaver(bool suspend);

    QWidget* stage_;
    bool ended_ = false;
    bool keyboardGrabbed_ = false;
    bool saverInhibited_ = false;
    std::uint32_t saverCookie_ = 0;
    bool serverSaverSuspended_ = false;
};
