#pragma once

#include "BaseForm.h"
#include "RoadAction.h"
#include "shell/IModule.h"

#include <QPointer>
#include <functional>
#include <memory>

// What every module shares: the controller reference, the current page, and the move to the next
// page (the new page is shown before the old one closes, so no desktop shows between them).
class TModuleBase : public IModule, public std::enable_shared_from_this<TModuleBase> {
public:
    void Start() override;
    void Stop() override;
    void SetController(std::shared_ptr<IModuleController> controller) override { controller_ = std::move(controller); }
    std::shared_ptr<IModuleController> GetController() const override { return controller_; }

    // Shows a page made elsewhere as SwitchToPage does; benchmarks reach the pages of the module
    // table's samples this way.
    TBaseForm* SwitchTo(TBaseForm* page, const std::function<void()>& prepare = {});

protected:
    // Builds and shows the module's first page.
    virtual void StartModule() = 0;

    IModuleController& Controller() const;
    TBaseForm* CurrentPage() const { return page_; }
    // The current page's name upper-cased; empty when there is none.
    QString CurrentPageName() const;

    // Creates a page of class Page, gives it this module, runs prepare (board values the page reads
    // when shown), shows it, then closes the old page.
    template <class Page> Page* SwitchToPage(const std::function<void()>& prepare = {})
    {
        return static_cast<Page*>(SwitchTo(new Page(), prepare));
    }

    // Passes "EXIT" to the controller; true when it was on the board.
    bool ForwardExit();
    // Passes "CHANGE_MODUL" to the controller; true when it was on the board.
    bool ForwardChangeModul();
    // "STEP" and "STEP_READY" carry a visit's progress only; a visit left early must not hand
    // them on to the next topic, nor find another topic's ones.
    void ClearProgress();
    // When the learner leaves ("CHANGE_MODUL" is on the board): the progress is cleared and the
    // controller told; true then.
    bool LeaveOnChangeModul();
    // The first steps of every topic's Notify: "EXIT" passed on, a leave handed to the controller;
    // true when the module has nothing more to decide (a leave, or no page on screen).
    bool HandedOver();
    // The "STEP_READY" text, removed from the board; "NOTHING" when absent.
    QString TakeStepReady();
    // The part of a road's answer every topic carries out alike: an unknown page gets the topic's
    // message, the end of the topic hands the learner to the chooser, otherwise the board gets the
    // answer's values (the closing text asked for only then). True when a page is to be shown.
    bool FollowRoad(TRoadMove move, const TRoadBoard& board, const QString& unknownPage,
                    const std::function<QString()>& closingText);

private:
    std::shared_ptr<IModuleController> controller_;
    QPointer<TBaseForm> page_;
};
