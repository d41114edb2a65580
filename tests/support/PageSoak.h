#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class TLearner;
class TRandomInput;

// A seeded learner on a topic's pages: events drawn by weight from the topic's own kinds, and after
// each the checks every page must pass: no error box, no lost or leaked page, the course not ended,
// the learner on one of the topic's pages or home. From the chooser the learner goes back in.
// Failures are reported through gtest; the caller ends its test on HasFailure().
struct TPageSoak {
    struct TKind {
        int weight;
        std::function<void()> event;
    };

    QString topic;     // its chooser word, to go back in by
    QStringList pages; // the topic's pages the learner may be on (the chooser aside); empty: any
    int events = 150;
    std::vector<TKind> kinds;
    // The topic's own checks after each event (before the common ones).
    std::function<void(int event)> afterEvent;
    // Instead of choosing the topic on the chooser (or when no page is on screen at all).
    std::function<void()> comeBack;
    // Ends as soon as the learner leaves the first page.
    bool onePage = false;

    // The names of the pages met, in the order first met.
    QStringList Run(TLearner& learner, TRandomInput& input) const;
};
