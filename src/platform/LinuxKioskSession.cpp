#include "LinuxKioskSession.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <QGuiApplication>
#include <QWidget>
#include <QTimer>
#include <QWindow>
#include <xcb/screensaver.h>

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
    SuspendServerSaver(true);
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
    SuspendServerSaver(false);
}

// The pupils' session has no desktop, so nobody answers on the session bus, and the X server
// would still blank the screen (and power it down) during a long lesson. A suspension lasts
// until it is lifted or the course's connection closes.
void TLinuxKioskSession::SuspendServerSaver(bool suspend)
{
    if (serverSaverSuspended_ == suspend)
        return;
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    // A request of an extension the server lacks would close the connection.
    const xcb_query_extension_reply_t* extension = xcb_get_extension_data(connection, &xcb_screensaver_id);
    if (!extension || !extension->present)
        return;
    xcb_screensaver_suspend(connection, suspend ? 1 : 0);
    xcb_flush(connection);
    serverSaverSuspended_ = suspend;
}
