#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

// A page's timer: interval, enabled, one handler. The time service decides whether it is
// driven by the real clock or ticked by hand in tests.
class TPageTimer : public QObject {
    Q_OBJECT
public:
    explicit TPageTimer(QObject* parent = nullptr);
    ~TPageTimer() override;

    void SetInterval(int milliseconds);
    int Interval() const { return interval_; }
    void SetEnabled(bool enabled);
    bool Enabled() const { return enabled_; }
    void OnTimer(std::function<void()> handler) { handler_ = std::move(handler); }

    // Runs the handler once, as an elapsed interval does.
    void Fire();
    QTimer& RealTimer() { return timer_; }

private:
    void Reschedule();

    QTimer timer_;
    int interval_ = 1000;
    bool enabled_ = false;
    std::function<void()> handler_;
};
