#pragma once

#include "OsszefoglPanelFrmForm.h"
#include "framework/BaseBillForm.h"

#include <QPointer>
#include <set>

// The detective exercise, played in the dialog "Nyomozás" over the page: the learner reads what
// everybody says, marks two rounds of statements true or false, then names the culprits.
class TOsszefoglPanel2Form : public TBaseBillForm {
    Q_OBJECT
public:
    TOsszefoglPanel2Form();

    void ShowPage() override;

    TOsszefoglPanelFrmForm* Window() const { return window_; }
    int Step() const { return step_; }
    const std::set<int>& Answered() const { return answered_; }

private:
    void Advance();
    void TabChanged();
    void Answer(bool trueStatement);
    void StripClick(const QObject* button);
    void Verdict();
    void SetStatements(const char* const statements[]);

    QPointer<TOsszefoglPanelFrmForm> window_;
    int step_ = 0;
    std::set<int> answered_; // tabs 2 to 6 read or answered in this round
};
