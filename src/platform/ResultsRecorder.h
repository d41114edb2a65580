#pragma once

struct TEvaluationRecord;

// Keeps the evaluations the learner reads; never blocks the caller.
class IResultsRecorder {
public:
    virtual ~IResultsRecorder() = default;
    virtual void Record(const TEvaluationRecord& record) = 0;
};
