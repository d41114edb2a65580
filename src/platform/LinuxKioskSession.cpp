#include "LinuxKioskSession.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <QWidget>
#include <QWindow>

namespace {
const char* SaverService = "org.freedesktop.ScreenSaver";
const char* SaverPath = "/org/freedesktop/ScreenSaver";
} // namespace

void TLinuxKioskSession::Begin()
{
    if (stage_ && stage_->windowHandle() && !keyboardGrabbed_)
        keyboardGrabbed_ = stage_->windowHandle()->setKeyboardGrabEnabled(true);

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

void TLinuxKioskSession::End()
{
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
