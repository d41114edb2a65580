#pragma once

#include <QMap>
#include <QSet>
#include <QString>
#include <cstdint>
#include <memory>

// The real course, in-process on the offscreen platform with the test doubles, driven by a seeded
// stream of keys, characters, clicks, double clicks, drags and clock advances, with a share of
// helpful moves (each page's own task done right) so that it travels through every topic. After
// every event: exactly one page alive, no error box, no message box the road does not expect, a
// page of the current module or of home, resident memory within bounds.
class TCourseDrive {
public:
    explicit TCourseDrive(std::uint64_t seed);
    ~TCourseDrive();

    // Empty when every event passed its checks; else what failed, at which event, on which page.
    QString Run(long events);

    long EventsDone() const { return eventsDone_; }
    // Per module (its chooser word, "RETURN_TO_MAIN" for home): the pages the learner met.
    const QMap<QString, QSet<QString>>& PagesVisited() const { return visited_; }

private:
    struct TState;
    std::unique_ptr<TState> state_;
    long eventsDone_ = 0;
    QMap<QString, QSet<QString>> visited_;
};
