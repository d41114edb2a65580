#pragma once

// The measures that keep the learner inside the course while it runs. Whatever Begin switched
// on, End undoes; End is safe to call more than once and without Begin.
class IKioskSession {
public:
    virtual ~IKioskSession() = default;
    virtual void Begin() = 0;
    virtual void End() = 0;
};
