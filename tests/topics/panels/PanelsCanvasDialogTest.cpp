#include "PanelsCourse.h"

#include "framework/CanvasMessageDialogs.h"
#include "framework/Image.h"
#include "framework/MessageDialog.h"
#include "framework/PushButton.h"
#include "platform/PageTimer.h"
#include "platform/Services.h"
#include "topics/panels/MessagePanel.h"
#include "topics/panels/PnlAutosForm.h"
#include "topics/panels/PnlMemJatekForm.h"

#include <QPointer>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>

// The pages with the course's own dialogs drawn in the canvas, answered inside their loop the
// moment one is open, as a learner would.
class PanelsCanvasDialogTest : public PanelsCourse {
protected:
    using TAnswer = std::function<void(TMessageDialog&)>;

    void UseCanvasDialogs()
    {
        canvasDialogs_ = std::make_unique<TCanvasMessageDialogs>(stage->Canvas());
        Services::SetDialogs(canvasDialogs_.get());
        poll_.setInterval(5);
        QObject::connect(&poll_, &QTimer::timeout, [this] { Poll(); });
        poll_.start();
    }

    void Then(TAnswer answer) { answers_.push_back(std::move(answer)); }

    static TAnswer ClickButton(const QString& caption)
    {
        return [caption](TMessageDialog& dialog) {
            for (TPushButton* button : dialog.Buttons())
                if (button->Caption() == caption) {
                    QTest::mouseClick(button, Qt::LeftButton);
                    return;
                }
            ADD_FAILURE() << "no button " << caption.toStdString();
        };
    }

    // A key as the canvas delivers it: to the control the canvas's focus is on.
    TAnswer Key(Qt::Key key)
    {
        return [this, key](TMessageDialog&) { QTest::keyClick(stage->Canvas()->focusWidget(), key); };
    }

    // What the learner read on each dialog: its title, then its button captions.
    std::vector<QStringList> seen;

private:
    void Poll()
    {
        TMessageDialog* dialog = nullptr;
        for (auto* open : stage->Canvas()->findChildren<TMessageDialog*>(Qt::FindDirectChildrenOnly))
            if (open->isVisible())
                dialog = open;
        if (!dialog)
            return;
        if (dialog == answered_) {
            // An answer that did not end the dialog would leave the test waiting for ever.
            if (++stuck_ > 200) {
                ADD_FAILURE() << "the dialog stayed open: " << dialog->Title().toStdString();
                dialog->Answer(TDialogResult::Cancel);
            }
            return;
        }
        answered_ = dialog;
        stuck_ = 0;
        QStringList reading{dialog->Title()};
        for (TPushButton* button : dialog->Buttons())
            reading << button->Caption();
        seen.push_back(reading);
        if (answers_.empty()) {
            ADD_FAILURE() << "an unexpected dialog: " << dialog->Title().toStdString();
            dialog->Answer(TDialogResult::Cancel);
            return;
        }
        TAnswer answer = std::move(answers_.front());
        answers_.pop_front();
        answer(*dialog);
    }

    std::unique_ptr<TCanvasMessageDialogs> canvasDialogs_;
    QTimer poll_;
    std::deque<TAnswer> answers_;
    QPointer<TMessageDialog> answered_;
    int stuck_ = 0;
};

TEST_F(PanelsCanvasDialogTest, CarTripDialogsOpenedInTicksTakeClicksKeysAndTheCloseAndTheTripGoesOn)
{
    auto* page = Reach<TPnlAutosForm>(QStringLiteral("PnlAutosForm"));
    UseCanvasDialogs();
    // A key the dialog has no use for ends nowhere; Esc answers.
    Then([this](TMessageDialog& dialog) {
        QTest::keyClick(stage->Canvas()->focusWidget(), Qt::Key_A);
        EXPECT_TRUE(dialog.isVisible());
        QTest::keyClick(stage->Canvas()->focusWidget(), Qt::Key_Escape);
    });
    Then([](TMessageDialog& dialog) { QTest::mouseClick(dialog.CloseButton(), Qt::LeftButton); });
    Then(ClickButton(QStringLiteral("Nem")));
    // Tab moves to "Nem", Space presses it.
    Then([this](TMessageDialog& dialog) {
        QTest::keyClick(stage->Canvas()->focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(stage->Canvas()->focusWidget(), dialog.Buttons()[1]);
        QTest::keyClick(stage->Canvas()->focusWidget(), Qt::Key_Space);
    });
    Then(Key(Qt::Key_Return));
    PanelsMoves::RideToSettings(*this, *page);
    ASSERT_EQ(seen.size(), 5u);
    EXPECT_EQ(seen[0], (QStringList{"Információs panel", "OK"}));
    EXPECT_EQ(seen[1], (QStringList{"Hibajelző panel", "OK"}));
    EXPECT_EQ(seen[2], (QStringList{"Megerősítést váró panel", "Igen", "Nem"}));
    EXPECT_EQ(seen[3], (QStringList{"Veszélyt jelző panel", "Igen", "Nem", "Mégsem"}));
    EXPECT_EQ(seen[4], (QStringList{"Információs panel", "OK"}));
    EXPECT_EQ(CurrentPageName(), "PnlAutosForm");
    EXPECT_TRUE(page->pnlSetting()->isVisible());
    EXPECT_EQ(page->Step(), 6);
    EXPECT_TRUE(stage->Canvas()->findChildren<TMessageDialog*>().isEmpty());
}

TEST_F(PanelsCanvasDialogTest, MemoryQuestionsKeepThePageKeysAndNoInTheLastTickClosesThePage)
{
    auto* trip = Reach<TPnlAutosForm>(QStringLiteral("PnlAutosForm"));
    PanelsMoves::RideToSettings(*this, *trip);
    PanelsMoves::SetRightSettings(*trip);
    Click(trip->btnApply());
    UseCanvasDialogs();
    // The introduction opens while the new page shows, before the trip is closed. Esc belongs to
    // the dialog: it starts the game instead of leaving the page.
    Then(Key(Qt::Key_Escape));
    Click(trip->btnOk());
    ASSERT_EQ(CurrentPageName(), "PnlMemJatekForm");
    auto* page = On<TPnlMemJatekForm>();
    EXPECT_TRUE(page->Timer1()->Enabled());
    EXPECT_EQ(page->Games(), 1);
    // The end question takes no Esc and the title strip of its page no click; "Nem" ends the page
    // from inside the tick that removed the last pair.
    Then([this, page](TMessageDialog& dialog) {
        QTest::keyClick(stage->Canvas()->focusWidget(), Qt::Key_Escape);
        QTest::mouseClick(static_cast<QWidget*>(page->imgEndGame()), Qt::LeftButton);
        EXPECT_TRUE(dialog.isVisible());
        ClickButton(QStringLiteral("Nem"))(dialog);
    });
    QPointer<TPnlMemJatekForm> alive(page);
    for (int move = 0; move < 100 && alive && PanelsMoves::FindPair(*this, *page); ++move) {
    }
    Settle();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1], (QStringList{"Megerősítést váró panel", "Igen", "Nem"}));
    EXPECT_FALSE(alive);
    EXPECT_EQ(CurrentPageName(), "PnlKonyvJelzForm");
}
