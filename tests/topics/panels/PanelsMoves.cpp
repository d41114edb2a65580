#include "PanelsMoves.h"

#include "framework/CheckBox.h"
#include "framework/DragListBox.h"
#include "framework/DropDownList.h"
#include "framework/EditCombo.h"
#include "framework/Image.h"
#include "framework/PushButton.h"
#include "framework/RadioGroup.h"
#include "framework/SpinEdit.h"
#include "framework/TrackBar.h"
#include "support/Learner.h"
#include "topics/lists/ListsMoves.h"
#include "topics/panels/ColourBox.h"
#include "topics/panels/ImgPanel.h"
#include "topics/panels/MessagePanel.h"
#include "topics/panels/PnlAutosForm.h"
#include "topics/panels/PnlFulesPanelForm.h"
#include "topics/panels/PnlKonyvJelzForm.h"
#include "topics/panels/PnlMemJatekForm.h"
#include "topics/panels/PnlMiniVizsgaForm.h"
#include "topics/panels/PnlMiniVizsgaIntroForm.h"
#include "topics/panels/PnlNyomtatForm.h"
#include "topics/panels/PnlPanelForm.h"

#include <QLabel>
#include <QPointer>
#include <QTabBar>
#include <QTabWidget>

namespace PanelsMoves {

namespace {
void ClickIfEnabled(TLearner& learner, const QPointer<QWidget>& page, TPushButton* button)
{
    if (page && button->isEnabled() && button->isVisible())
        learner.Click(button);
}

void OpenEveryTab(TLearner& learner, QTabWidget& tabs)
{
    for (int tab = 1; tab < tabs.count(); ++tab)
        learner.Click(tabs.tabBar(), tabs.tabBar()->tabRect(tab).center());
}

void AddFruit(TLearner& learner, TEditCombo& box, const QString& fruit)
{
    ListsMoves::AddName(learner, box, fruit);
}
} // namespace

void SetRightSettings(TPnlAutosForm& page)
{
    page.tbTank()->SetPosition(40);
    page.cbColor()->setCurrentIndex(page.cbColor()->IndexOf(QColor(255, 0, 0)));
    page.seCarNo()->SetText(QStringLiteral("12"));
    page.rbgUtasok()->SetItemIndex(0);
    page.chkCabrio()->setChecked(true);
    page.chkEltevedt()->setChecked(false);
    page.chkSportCar()->setChecked(true);
}

void RideToSettings(TLearner& learner, TPnlAutosForm& page)
{
    QPointer<TPnlAutosForm> alive(&page);
    // Four legs of a little over 4 s each, then the settings dialog and the panel.
    for (int second = 0; second < 30 && alive && !page.pnlSetting()->isVisible(); ++second)
        learner.time.Advance(1000);
}

int Partner(const TPnlMemJatekForm& page, int card)
{
    const TMemoryGame& game = page.Game();
    for (int other = 1; other <= TMemoryGame::Cards; ++other)
        if (other != card && game.OnBoard(other) && game.Tag(other) == game.Tag(card))
            return other;
    return 0;
}

void ClickCard(TLearner& learner, TPnlMemJatekForm& page, int card)
{
    learner.Click(page.Card(card), QPoint(45, 60));
}

bool FindPair(TLearner& learner, TPnlMemJatekForm& page)
{
    QPointer<TPnlMemJatekForm> alive(&page);
    if (page.Game().Locked()) {
        learner.time.Advance(500);
        return true;
    }
    for (int card = 1; card <= TMemoryGame::Cards; ++card) {
        if (page.Game().FirstCard() != 0)
            card = page.Game().FirstCard();
        else if (!page.Game().OnBoard(card))
            continue;
        const int partner = Partner(page, card);
        if (page.Game().FirstCard() == 0)
            ClickCard(learner, page, card);
        if (alive)
            ClickCard(learner, page, partner);
        if (alive)
            learner.time.Advance(500);
        return true;
    }
    return false;
}

void AnswerExam(TLearner& learner, TPnlMiniVizsgaForm& page)
{
    QTabWidget& tabs = *page.PageControl1();
    OpenEveryTab(learner, tabs);
    for (TCheckBox* box : tabs.findChildren<TCheckBox*>()) {
        const int tag = box->Tag();
        box->setChecked(tag != 11 && tag != 14 && tag != 15 && tag != 42);
    }
    tabs.setCurrentIndex(1);
    learner.Click(page.Label1(), QPoint(10, 10), Qt::LeftButton);
    learner.Click(page.Label2(), QPoint(10, 10), Qt::RightButton);
    learner.DoubleClick(page.imgLemezke1());
    tabs.setCurrentIndex(2);
    page.RadioGroup1()->SetItemIndex(1);
    learner.Click(page.StandardButton(3));
    tabs.setCurrentIndex(3);
    page.RadioGroup2()->SetItemIndex(1);
    page.TrackBar1()->SetPosition(70);
    page.SpinEdit1()->SetText(QStringLiteral("77"));
    tabs.setCurrentIndex(4);
    TEditCombo& fruits = *page.cbFruct();
    while (fruits.count() > 0)
        fruits.removeItem(0);
    for (const char* fruit : {"citrom", "banán", "kiwi"})
        AddFruit(learner, fruits, QString::fromUtf8(fruit));
    page.cbEv()->setCurrentIndex(page.cbEv()->findText(QStringLiteral("1998")));
    page.cbHo()->setCurrentIndex(page.cbHo()->findText(QStringLiteral("augusztus")));
    page.cbNap()->setCurrentIndex(page.cbNap()->findText(QStringLiteral("15")));
    for (const char* name : {"Digit Nóra", "Pixeles Tivadar", "Kábel Ödön"}) {
        const int row = ListsMoves::RowOf(*page.ListBox1(), QString::fromUtf8(name));
        ListsMoves::DragItem(learner, *page.ListBox1(), row, *page.lbNames());
    }
    page.lbEmpty()->SetItems({});
    tabs.setCurrentIndex(5);
    page.cbError()->setCurrentIndex(2);
    page.cbWarning()->setCurrentIndex(1);
    page.cbInfo()->setCurrentIndex(0);
}

bool Helpful(TLearner& learner)
{
    TBaseForm* current = learner.CurrentPage();
    QPointer<QWidget> alive(current);
    if (auto* page = dynamic_cast<TPnlNyomtatForm*>(current)) {
        learner.Click(page->btnOk());
    } else if (auto* page = dynamic_cast<TPnlPanelForm*>(current)) {
        learner.Click(page->btnOk());
    } else if (auto* page = dynamic_cast<TPnlAutosForm*>(current)) {
        RideToSettings(learner, *page);
        if (!alive)
            return true;
        SetRightSettings(*page);
        learner.Click(page->btnApply());
        ClickIfEnabled(learner, alive, page->btnOk());
    } else if (auto* page = dynamic_cast<TPnlMemJatekForm*>(current)) {
        if (!FindPair(learner, *page) && alive)
            learner.PressKey(Qt::Key_Escape);
    } else if (auto* page = dynamic_cast<TPnlKonyvJelzForm*>(current)) {
        learner.Click(page->btnOk());
    } else if (auto* page = dynamic_cast<TPnlFulesPanelForm*>(current)) {
        if (!page->pnlOK()->isVisible())
            learner.time.Advance(500);
        OpenEveryTab(learner, *page->PageControl1());
        ClickIfEnabled(learner, alive, page->Button1());
    } else if (auto* page = dynamic_cast<TPnlMiniVizsgaIntroForm*>(current)) {
        learner.Click(page->btnOk());
    } else if (auto* page = dynamic_cast<TPnlMiniVizsgaForm*>(current)) {
        AnswerExam(learner, *page);
        ClickIfEnabled(learner, alive, page->btnOk());
    } else {
        return false;
    }
    TLearner::Settle();
    return true;
}

} // namespace PanelsMoves
