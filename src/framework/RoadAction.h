#pragma once

#include <QString>

// What a topic's road answers to one Notify: where the learner goes next and what the board gets
// before the next page is shown. Each topic names its pages in its own enum.
enum class TRoadMove {
    SwitchTo,     // a new page of `page`
    SamePage,     // the page on screen is reset and shown again
    ReturnToMain, // the topic is over: back to the chooser
    Unknown,      // a page, or a page and step, the topic does not know
};

struct TRoadBoard {
    QString step;            // stored under "STEP" when not empty
    QString stepReady;       // stored under "STEP_READY" when not empty
    QString putAction;       // stored under "ACTION" when not empty
    bool takeAction = false; // "ACTION" is removed first
    bool closing = false;    // the topic's closing text goes under "ERTEKEL"
};

template <class Page> struct TRoadAction : TRoadBoard {
    TRoadMove move = TRoadMove::Unknown;
    Page page = Page::None;
};

// A move to a new page, with "STEP_READY" set first when stepReady is not empty.
template <class Page> TRoadAction<Page> RoadTo(Page page, const QString& stepReady = QString())
{
    TRoadAction<Page> action;
    action.move = TRoadMove::SwitchTo;
    action.page = page;
    action.stepReady = stepReady;
    return action;
}

// The end of the topic: back to the chooser.
template <class Page> TRoadAction<Page> RoadHome()
{
    TRoadAction<Page> action;
    action.move = TRoadMove::ReturnToMain;
    return action;
}
