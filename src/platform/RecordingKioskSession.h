#pragma once

#include "KioskSession.h"

// Test double: tells whether the measures are in force.
class TRecordingKioskSession : public IKioskSession {
public:
    void Begin() override { active_ = true; ++begun_; }
    void End() override { active_ = false; }
    bool Active() const { return active_; }
    int TimesBegun() const { return begun_; }

private:
    bool active_ = false;
    int begun_ = 0;
};
