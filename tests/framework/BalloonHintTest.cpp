#include "framework/BalloonHint.h"
#include "framework/PracticeWindow.h"
#include "framework/WindowGroup.h"
#include "platform/ManualTime.h"
#include "platform/Services.h"
#include "support/QtPrinters.h"

#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

class BalloonHintTest : public ::testing::Test {
public:
    void SetUp() override
    {
        Services::SetTime(&time);
        page = std::make_unique<QWidget>();
        page->setGeometry(0, 0, 1024, 768);
        page->show();
    }

    void TearDown() override
    {
        TWindowGroup::Retire(page.get());
        page.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Services::SetTime(nullptr);
    }

    TBalloonHint* Show(QPoint tip, int lifeMs = 60000)
    {
        TBalloonHint* balloon = TBalloonHint::Show(page.get(), QStringLiteral("Tálca"),
                                                   QStringLiteral("Ide ugranak le a futó,<BR>de éppen nem használt "
                                                                  "programok ablakai."),
                                                   tip, lifeMs);
        balloon->OnClose = [this, balloon] { log << "close " + balloon->Title(); };
        balloon->OnClick = [this] { log << "click"; };
        return balloon;
    }

    TManualTime time;
    std::unique_ptr<QWidget> page;
    QStringList log;
};

} // namespace

TEST_F(BalloonHintTest, StandsAboveRightOfItsTipInYellowWithABlackEdgeAndTurnsAtTheEdges)
{
    TBalloonHint* balloon = Show(QPoint(240, 432));
    const QRect body = balloon->Body();
    EXPECT_LT(body.bottom(), 432 - 10);
    EXPECT_GE(body.left(), 240 - 20);
    EXPECT_LT(body.left(), 240);
    EXPECT_TRUE(balloon->geometry().contains(QPoint(240, 432)));
    // Two lines of text: the break is kept.
    EXPECT_GT(body.height(), 3 * 15);
    const QImage seen = page->grab().toImage();
    EXPECT_EQ(seen.pixel(body.center()), qRgb(255, 255, 225));
    EXPECT_EQ(seen.pixel(body.center().x(), body.top()), qRgb(0, 0, 0));
    EXPECT_EQ(seen.pixel(body.center().x(), body.top() - 1), page->palette().color(QPalette::Window).rgb());

    // In the top right corner it hangs below and to the left, still on the page.
    balloon = Show(QPoint(1010, 12));
    EXPECT_GT(balloon->Body().top(), 12);
    EXPECT_LT(balloon->Body().left(), 1010 - 100);
    EXPECT_TRUE(page->rect().contains(balloon->geometry()));
}

TEST_F(BalloonHintTest, ANewBalloonReplacesTheOldSilentlyAndClickOrTimeCloseOnce)
{
    TBalloonHint* first = Show(QPoint(300, 400));
    first->setObjectName(QStringLiteral("first"));
    TBalloonHint* second = Show(QPoint(300, 400));
    EXPECT_EQ(TBalloonHint::Current(page.get()), second);
    EXPECT_TRUE(log.isEmpty()) << log.join(',').toStdString();

    QTest::mouseClick(second, Qt::LeftButton, {}, second->Body().center() - second->pos());
    EXPECT_EQ(log, QStringList({"click", "close Tálca"}));
    EXPECT_EQ(TBalloonHint::Current(page.get()), nullptr);
    second->Close();
    EXPECT_EQ(log.size(), 2);

    log.clear();
    TBalloonHint* third = Show(QPoint(300, 400), 60000);
    time.Advance(59999);
    EXPECT_EQ(TBalloonHint::Current(page.get()), third);
    time.Advance(1);
    EXPECT_EQ(TBalloonHint::Current(page.get()), nullptr);
    time.Advance(60000);
    EXPECT_EQ(log, QStringList({"close Tálca"}));
}

TEST_F(BalloonHintTest, StaysAboveThePagesWindowsWhenTheyAreRaisedAndDiesWithThePage)
{
    auto* window = new TPracticeWindow(page.get(), QStringLiteral("w"), QStringLiteral("w"));
    window->SetBounds(QRect(100, 100, 400, 400));
    window->Show();
    TBalloonHint* balloon = Show(QPoint(300, 400));
    auto* second = new TPracticeWindow(page.get(), QStringLiteral("v"), QStringLiteral("v"));
    second->SetBounds(QRect(200, 150, 400, 400));
    second->SetStayOnTop(true);
    second->Show();
    TWindowGroup::Of(page.get()).Activate(window);
    EXPECT_EQ(page->children().last(), balloon);
    EXPECT_EQ(page->childAt(balloon->Body().center()), balloon);

    QPointer<TBalloonHint> watched(balloon);
    page.reset();
    EXPECT_TRUE(watched.isNull());
    EXPECT_TRUE(log.isEmpty());
}
