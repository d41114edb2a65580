#pragma once

#include "support/CourseFixture.h"

#include "framework/Image.h"
#include "framework/ModuleBase.h"
#include "shell/Board.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

// What a game page left on the board when it told its module.
struct TGameNote {
    QString page;
    QString stepReady;
    QString action;
    QString ertekel;
    std::optional<int> round;
    std::optional<int> timeRecord;
};

// A module that shows the page a test asks for and notes each Notify, as the mouse module will
// read it: "STEP_READY", "ACTION" and "ERTEKEL" are taken, "ROUND" and "TIMERECORD" stay for the
// next page. Leaving for home goes to the controller.
class TGamesStandIn : public TModuleBase {
public:
    explicit TGamesStandIn(std::vector<TGameNote>& notes) : notes_(notes) {}
    void Decide() override
    {
        IModuleController& board = Controller();
        TGameNote note{CurrentPage()->GetPageName(),
                       TakeStepReady(),
                       Board::Text(board, "ACTION").value_or(QString()),
                       Board::Text(board, "ERTEKEL").value_or(QString()),
                       Board::Number(board, "ROUND"),
                       Board::Number(board, "TIMERECORD")};
        board.RemoveValue("ACTION");
        board.RemoveValue("ERTEKEL");
        notes_.push_back(note);
    }
    template <class Page> Page* Show(const std::function<void()>& prepare = {})
    {
        return SwitchToPage<Page>(prepare);
    }
    IModuleController& Board() const { return Controller(); }

protected:
    void StartModule() override {}

private:
    std::vector<TGameNote>& notes_;
};

// The course with the stand-in as the current topic; the learner is Anna.
class MouseGamesCourse : public CourseFixture {
protected:
    void SetUp() override
    {
        extendModules = [this](TModuleTable& table) {
            table.Add("EGERJATEKOK", [this] {
                auto module = std::make_shared<TGamesStandIn>(notes);
                games = module;
                return module;
            });
        };
        StartCourse();
        ASSERT_TRUE(ActivateStage());
        TypeText(QStringLiteral("Anna"));
        PressKey(Qt::Key_Return);
        TypeText(QStringLiteral("t"));
        Board::PutText(Controller(), "CHANGE_MODUL", "EGERJATEKOK");
        Controller().Notify();
        Settle();
        ASSERT_NE(Games(), nullptr);
    }

    TGamesStandIn* Games() const { return games.lock().get(); }

    // A new page of the game, shown with the board values given.
    template <class Page> Page* Show(const std::function<void(IModuleController&)>& prepare = {})
    {
        TGamesStandIn* module = Games();
        Page* page = module->Show<Page>([&] {
            if (prepare)
                prepare(module->Board());
        });
        Settle();
        return page;
    }

    // A new page of the game, with a number under the key on the board when one is given.
    template <class Page> Page* ShowWith(const char* key, std::optional<int> number)
    {
        return Show<Page>([key, number](IModuleController& board) {
            if (number)
                Board::PutNumber(board, key, *number);
        });
    }

    // Every Notify of the visits to the stand-in, in order.
    const std::vector<TGameNote>& Notes() const { return notes; }

    void Tick(int milliseconds, int times = 1)
    {
        for (int n = 0; n < times; ++n)
            time.Advance(milliseconds);
        Settle();
    }

    // A press or a release alone, where a test holds the button between them.
    static void Press(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(widget, button, Qt::NoModifier, at);
    }
    static void Release(QWidget* widget, QPoint at)
    {
        QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, at);
    }

    // The text written on a picture, as the learner reads it.
    static QString Read(const TImage* picture) { return picture->Texts().join(' ').simplified(); }
    // Whether a control lies in front of another (both children of the page).
    static bool InFront(const QWidget* front, const QWidget* behind)
    {
        const QObjectList& order = front->parent()->children();
        return order.indexOf(front) > order.indexOf(behind);
    }

    std::weak_ptr<TGamesStandIn> games;
    std::vector<TGameNote> notes;
};
