#pragma once

#include <QObject>
#include <functional>
#include <memory>

class IDisplayModes;
class IKioskSession;
class TModulVezerlo;

// The hidden main window: it owns the kiosk session and the one controller. It shows nothing;
// the controller's pages do.
class TBitlak : public QObject {
    Q_OBJECT
public:
    struct Parts {
        IDisplayModes* display = nullptr;
        IKioskSession* kiosk = nullptr;
        std::function<bool()> installed;
        std::function<std::shared_ptr<TModulVezerlo>()> makeController;
        // Ends the message loop after the current event.
        std::function<void()> terminate;
    };

    explicit TBitlak(Parts parts);
    ~TBitlak() override;

    void FormCreate();
    // Runs whenever the course becomes the active application.
    void FormActivate();
    // Gives the desktop back; runs once, whatever road leads out of the program.
    void FormDestroy();

    std::shared_ptr<TModulVezerlo> Controller() const { return controller_; }

private:
    Parts parts_;
    std::shared_ptr<TModulVezerlo> controller_;
    bool destroyed_ = false;
};
