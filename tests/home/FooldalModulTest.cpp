#include "support/CourseFixture.h"

#include "framework/Image.h"
#include "home/ModulValaszt.h"
#include "home/NavBeker.h"
#include "shell/Board.h"
#include "shell/IModule.h"

namespace {

// A topic that does nothing but can send the learner home.
class TStandInTopic : public IModule {
public:
    explicit TStandInTopic(QStringList& journal) : journal_(journal) {}
    void Start() override { journal_ << "topic Start"; }
    void Notify() override {}
    void Stop() override { journal_ << "topic Stop"; }
    void SetController(std::shared_ptr<IModuleController> controller) override { controller_ = controller; }
    std::shared_ptr<IModuleController> GetController() const override { return controller_.lock(); }

private:
    QStringList& journal_;
    std::weak_ptr<IModuleController> controller_;
};

class FooldalModulTest : public CourseFixture {
protected:
    void SetUp() override
    {
        extendModules = [this](TModuleTable& table) {
            table.Add("EGEREZES", [this] { return std::make_shared<TStandInTopic>(journal); });
        };
        StartCourse();
        TypeText("anna");
        PressKey(Qt::Key_Return);
        TypeText("t");
    }

    QStringList journal;
};

TEST_F(FooldalModulTest, ChosenTopicReplacesTheHomeAndClosesTheChooser)
{
    auto* chooser = CurrentPageAs<TModulValaszt>();
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(BoardText("USERNAME"), QString("Anna"));
    Click(chooser->Tile(1, 2));

    EXPECT_EQ(journal, QStringList{"topic Start"});
    EXPECT_FALSE(BoardText("MODUL"));
    EXPECT_FALSE(BoardText("CHANGE_MODUL"));
    EXPECT_EQ(CurrentPage(), nullptr);
    EXPECT_EQ(PagesAlive(), 0); // the chooser was closed and destroyed
}

TEST_F(FooldalModulTest, ReturningHomeSkipsTheNameAndTheGreeting)
{
    PressKey(Qt::Key_Right);
    PressKey(Qt::Key_Return);
    ASSERT_EQ(journal, QStringList{"topic Start"});

    Board::PutText(Controller(), "CHANGE_MODUL", "RETURN_TO_MAIN");
    Controller().Notify();
    Settle();

    auto* chooser = CurrentPageAs<TModulValaszt>();
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(chooser->Mode(), TModulValaszt::TMode::Chooser);
    EXPECT_EQ(chooser->SelectedTopic(), "BILLENTYU");
    EXPECT_FALSE(BoardText("RETURN_TO_MAIN"));
    EXPECT_EQ(BoardText("USERNAME"), QString("Anna")); // the name stays for the whole run
    EXPECT_EQ(journal, QStringList({"topic Start", "topic Stop"}));
}

TEST_F(FooldalModulTest, ChooserWithoutModeOrTopicIsReported)
{
    auto home = Controller().CurrentModule();
    home->Notify(); // chooser mode and no topic on the board
    EXPECT_EQ(messages.Texts(), QStringList{"NO SELECTED MODUL !"});

    Controller().RemoveValue("MODULVALASZT");
    try {
        home->Notify();
        FAIL() << "no error raised";
    } catch (const std::exception& error) {
        EXPECT_STREQ(error.what(), "No message found in MODULVALASZT");
    }
    EXPECT_NE(CurrentPageAs<TModulValaszt>(), nullptr); // the chooser stays
}

} // namespace
