#pragma once

#include "PracticeWindow.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

class QWidget;
class TPracticeWindow;

// The practice windows of one host (a page, or the canvas) and which of them is active: one of the
// host and its shown, enabled windows. A press on a window's title, body or controls activates
// that window; a press on the host outside every window activates the host. Activation raises a
// window in its layer: stay-on-top windows above ordinary ones, both above the host's controls.
class TWindowGroup : public QObject {
    Q_OBJECT
public:
    // The host's group, made on first use; it lives as long as the host.
    static TWindowGroup& Of(QWidget* host);
    // The host's group if it has one.
    static TWindowGroup* Find(QWidget* host);
    // The host is going away: every window's hooks are cut and the windows hidden.
    static void Retire(QWidget* host);
    // A child of a host (a balloon hint) that stays above the host's windows when they are raised.
    static void KeepAboveWindows(QWidget* widget);

    // nullptr while the host itself is active.
    TPracticeWindow* Active() const { return active_; }
    // The windows from the bottom to the top.
    std::vector<TPracticeWindow*> Windows() const;

    void Activate(TPracticeWindow* window);
    void ActivateHost();
    // A window that was hidden or disabled gives up its activation to the host.
    void Deactivated(TPracticeWindow* window);
    void Restack();
    // To the top of its layer, active or not.
    void Raise(TPracticeWindow* window);
    // Presses on this control of the host leave the activation as it is (a desktop's task bar).
    void PassPresses(QWidget* control);

    // The host was activated (a press on it outside the windows, or its active window went away).
    std::function<void()> OnHostActivate;

signals:
    // Another window, or the host, became the active one (a task bar presses its button).
    void ActiveChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit TWindowGroup(QWidget* host);
    friend class TPracticeWindow;
    void Add(TPracticeWindow* window);
    void Remove(TPracticeWindow* window);
    // The group's window a widget lies in, nullptr when it lies on the host outside them.
    TPracticeWindow* WindowOf(QWidget* widget) const;

    QWidget* host_;
    std::vector<QPointer<TPracticeWindow>> order_;
    std::vector<QPointer<QWidget>> passing_;
    QPointer<TPracticeWindow> active_;
    bool retired_ = false;
};
