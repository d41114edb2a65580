#pragma once

#include "BaseForm.h"
#include "RoadAction.h"
#include "shell/IModule.h"

#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>

// What every module shares: the controller reference, the current page, the move to the next
// page (the new page is shown before the old one closes, so no desktop shows between them), the
// first steps of every Notify, and the board keys a visit owns.
class TModuleBase : public IModule, public std::enable_shared_from_this<TModuleBase> {
public:
    // The message a module shows for a page, or a page and step, its road does not know.
    static inline const QString NoSelectedForm = QStringLiteral("No selected form ");

    // Clears the visit's keys, then shows the module's first page.
    void Start() override;
    // "EXIT" goes to the controller and nothing more is decided; a leave ("CHANGE_MODUL") clears
    // the visit's keys and goes to the controller; with no page on screen nothing happens;
    // otherwise the module decides where the notifying page leads.
    void Notify() override;
    void Stop() override;
    void SetController(std::shared_ptr<IModuleController> controller) override { controller_ = std::move(controller); }
    std::shared_ptr<IModuleController> GetController() const override { return controller_; }

    // Shows a page made elsewhere as SwitchToPage does; benchmarks reach the pages of the module
    // table's samples this way.
    TBaseForm* SwitchTo(TBaseForm* page, const std::function<void()>& prepare = {});

    // The current page's name upper-cased; empty when there is none. While a new page is being
    // shown it is still the page that led there.
    QString CurrentPageName() const;

protected:
    // ownKeys: the board keys the module's pages and games leave besides "STEP" and "STEP_READY";
    // a visit's keys must not outlive it nor come into another visit.
    explicit TModuleBase(QStringList ownKeys = {}) : ownKeys_(std::move(ownKeys)) {}

    // Builds and shows the module's first page.
    virtual void StartModule() = 0;
    // The current page notified: read the board and move on.
    virtual void Decide() = 0;

    IModuleController& Controller() const;
    TBaseForm* CurrentPage() const { return page_; }

    // Creates a page of class Page, gives it this module, runs prepare (board values the page reads
    // when shown), shows it, then closes the old page.
    template <class Page> Page* SwitchToPage(const std::function<void()>& prepare = {})
    {
        return static_cast<Page*>(SwitchTo(new Page(), prepare));
    }

    // Removes "STEP", "STEP_READY" and the module's own keys.
    void ClearKeys();
    // The "STEP_READY" text, removed from the board; "NOTHING" when absent.
    QString TakeStepReady();
    // The part of a road's answer every topic carries out alike: an unknown page gets the topic's
    // message, the end of the topic hands the learner to the chooser, otherwise the board gets the
    // answer's values (the closing text asked for only then). True when a page is to be shown.
    bool FollowRoad(TRoadMove move, const TRoadBoard& board, const QString& unknownPage,
                    const std::function<QString()>& closingText);

private:
    QStringList ownKeys_;
    std::shared_ptr<IModuleController> controller_;
    QPointer<TBaseForm> page_;
};
