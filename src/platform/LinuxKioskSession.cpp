#include "LinuxKioskSession.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <QWidget>
#include <QTimer>
#include <QWindow>

namespace {
const char* SaverService = "org.freedesktop.ScreenSaver";
const char* SaverPath = "/org/freedesktop/ScreenSaver";
} // namespace

void TLinuxKioskSession::Begin()
{
    ended_ = false;
    GrabKeyboard(10);

    if (!saverInhibited_ && QDBusConnection::sessionBus().isConnected()) {
        QDBusInterface saver(SaverService, SaverPath, SaverService, QDBusConnection::sessionBus());
        if (saver.isValid()) {
            QDBusReply<std::uint32_t> cookie = saver.call("Inhibit", "Bitlak", "A tanfolyam fut");
            if (cookie.isValid()) {
                saverCookie_ = cookie.value();
                saverInhibited_ = true;
            }
        }
    }
}

void TLinuxKioskSession::GrabKeyboard(int triesLeft)
{
    if (ended_ || keyboardGrabbed_ || !stage_ || !stage_->windowHandle())
        return;
    keyboardGrabbed_ = stage_->windowHandle()->setKeyboardGrabEnabled(true);
    // The grab needs the window on screen; right after start-up it may not be there yet.
    if (!keyboardGrabbed_ && triesLeft > 1 && stage_->windowHandle()->isVisible())
        QTimer::singleShot(200, stage_, [this, triesLeft] { GrabKeyboard(triesLeft - 1); });
}

void TLinuxKioskSession::End()
{
    ended_ = true;
    if (keyboardGrabbed_) {
        if (stage_ && stage_->windowHandle())
            stage_->windowHandle()->setKeyboardGrabEnabled(false);
        keyboardGrabbed_ = false;
    }
    if (saverInhibited_) {
        QDBusInterface saver(SaverService, SaverPath, SaverService, QDBusConnection::sessionBus());
        saver.call("UnInhibit", saverCookie_);
        saverInhibited_ = false;
    }
}
