#pragma once

#include "PnlBaseForm.h"

#include <set>

class QTabWidget;
class TMessagePanel;
class TPageTimer;
class TPushButton;

// A panel with six tabbed pages: "Ok" opens once every page was seen. Closing the panel (or
// "Ok" too early) only hides it; it comes back within half a second.
class TPnlFulesPanelForm : public TPnlBaseForm {
    Q_OBJECT
public:
    static constexpr int Tick = 500;

    TPnlFulesPanelForm();

    static QString PanelTitle();

    void ShowPage() override;

    TMessagePanel* pnlOK() const { return pnlOK_; }
    QTabWidget* PageControl1() const { return pageControl_; }
    TPushButton* Button1() const { return button1_; }
    TPageTimer* Timer1() const { return timer1_; }
    bool AllVisited() const { return visited_.size() == 6; }

private:
    void Button1Click();

    TMessagePanel* pnlOK_;
    QTabWidget* pageControl_;
    TPushButton* button1_;
    TPageTimer* timer1_;
    std::set<int> visited_{0};
};
