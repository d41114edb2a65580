#include "platform/FixedRandom.h"
#include "platform/MersenneRandom.h"
#include "support/QtPrinters.h"
#include "topics/programs/BrushPrint.h"
#include "topics/programs/CalcDrill.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

// The random draw that makes an operand: a = (r + 1) div 30000, b = (r + 1) div 60000.
int DrawForA(int a) { return a * 30000 - 1; }
int DrawForB(int b) { return b * 60000 - 1; }

struct TTaskRow {
    int operation;
    int rangeTag;
    int drawnA;
    int drawnB;
    int a;
    int b;
    const char* sign;
};

TEST(CalcDrillTest, OperandsFollowOperationAndRange)
{
    const TTaskRow rows[] = {
        // Draws of 0 become 1; the larger operand comes first.
        {1, 20, 0, 0, 1, 1, "+"},
        {1, 20, DrawForA(20), DrawForB(20), 20, 20, "+"},
        {1, 20, DrawForA(5), DrawForB(12), 12, 5, "+"},
        {2, 1000, DrawForA(370), DrawForB(800), 800, 370, "-"},
        // Multiplication: one digit means up to 10, two digits up to 100.
        {3, 1, DrawForA(10), DrawForB(3), 10, 3, "×"},
        {3, 2, DrawForA(100), DrawForB(100), 100, 100, "×"},
        // Division without remainder (tag 2): a becomes a multiple of b.
        {4, 2, DrawForA(97), DrawForB(7), 91, 7, "/"},
        {4, 2, DrawForA(99), DrawForB(2), 98, 2, "/"},
        // A quotient of 50 or more quarters the divisor; a quartered 0 is 1 again.
        {4, 2, DrawForA(96), DrawForB(1), 96, 1, "/"},
        {4, 2, DrawForA(100), DrawForB(2), 100, 1, "/"},
        {4, 2, DrawForA(100), DrawForB(4), 100, 4, "/"},
        // With remainder (tag 1) a stays.
        {4, 1, DrawForA(97), DrawForB(7), 97, 7, "/"},
        {4, 1, DrawForA(99), DrawForB(1), 99, 1, "/"},
    };
    for (const TTaskRow& row : rows) {
        TFixedRandom random({row.drawnA, row.drawnB});
        TCalcDrill drill;
        drill.ChooseOperation(row.operation);
        drill.ChooseRange(row.rangeTag, random);
        EXPECT_EQ(QString("%1 %2 %3").arg(drill.A()).arg(drill.Sign()).arg(drill.B()),
                  QString("%1 %2 %3").arg(row.a).arg(QString::fromUtf8(row.sign)).arg(row.b))
            << "operation " << row.operation << ", range " << row.rangeTag;
        EXPECT_EQ(drill.WithRemainder(), row.operation == 4 && row.rangeTag == 1);
    }
}

TEST(CalcDrillTest, EveryTaskKeepsItsBoundsOverManyDraws)
{
    struct TRange {
        int operation;
        int rangeTag;
        int limit;
    };
    const TRange ranges[] = {{1, 20, 20},  {1, 100, 100}, {2, 500, 500}, {2, 1000, 1000},
                             {3, 1, 10},   {3, 2, 100},   {4, 2, 100},   {4, 1, 100}};
    TMersenneRandom random;
    random.Seed(20260411);
    for (const TRange& range : ranges) {
        TCalcDrill drill;
        drill.ChooseOperation(range.operation);
        drill.ChooseRange(range.rangeTag, random);
        EXPECT_EQ(drill.Limit(), range.limit);
        for (int task = 0; task < 2000; ++task) {
            drill.Pose(random);
            ASSERT_GE(drill.B(), 1);
            ASSERT_GE(drill.A(), drill.B());
            ASSERT_LE(drill.A(), range.limit);
            if (range.operation == 4 && range.rangeTag == 2) {
                ASSERT_EQ(drill.A() % drill.B(), 0) << drill.A() << " / " << drill.B();
            }
        }
    }
}

TEST(CalcDrillTest, WrongAnswersRaiseBothCountersRightOnesOnlyTheTasks)
{
    TFixedRandom random({DrawForA(3), DrawForB(2), DrawForA(9), DrawForB(4)});
    TCalcDrill drill;
    drill.ChooseOperation(TCalcDrill::Addition);
    drill.ChooseRange(20, random);
    ASSERT_EQ(drill.A(), 3);
    EXPECT_FALSE(drill.Answer("4", "", random));
    EXPECT_FALSE(drill.Answer("?", "", random));
    EXPECT_FALSE(drill.Answer("5?", "", random));
    EXPECT_EQ(drill.Tasks(), 3);
    EXPECT_EQ(drill.Errors(), 3);
    EXPECT_EQ(drill.A(), 3) << "a wrong answer keeps the task";
    EXPECT_TRUE(drill.Answer("5", "", random));
    EXPECT_EQ(drill.Tasks(), 4);
    EXPECT_EQ(drill.Errors(), 3);
    EXPECT_EQ(drill.A(), 9) << "a right answer poses the next task";
    EXPECT_EQ(drill.B(), 4);

    // Back to the choice: no task is there to answer, and the counters go on.
    drill.Reset();
    EXPECT_EQ(drill.Operation(), 5);
    EXPECT_FALSE(drill.Answer("13", "", random));
    EXPECT_EQ(drill.Tasks(), 5);
    EXPECT_EQ(drill.Errors(), 4);

    // A division without remainder asks nothing of the hidden remainder box.
    TFixedRandom division({DrawForA(9), DrawForB(4)});
    drill.ChooseOperation(TCalcDrill::Division);
    drill.ChooseRange(2, division); // 9 / 4 becomes 8 / 4
    ASSERT_EQ(drill.A(), 8);
    EXPECT_TRUE(drill.Answer("2", "", division));
    EXPECT_EQ(drill.Errors(), 4);
}

// The prints read back from a white sheet: '#' painted, '.' white.
QStringList Around(const QImage& sheet, QPoint centre, int reach)
{
    QStringList rows;
    for (int y = centre.y() - reach; y <= centre.y() + reach; ++y) {
        QString row;
        for (int x = centre.x() - reach; x <= centre.x() + reach; ++x)
            row += sheet.pixelColor(x, y) == Qt::white ? u'.' : u'#';
        rows << row;
    }
    return rows;
}

TEST(BrushPrintTest, PrintsSpanHalfTheSizeEachWay)
{
    EXPECT_EQ(BrushPrint::Bounds(QPoint(50, 40), 5), QRect(QPoint(48, 38), QPoint(52, 42)));
    EXPECT_EQ(BrushPrint::Bounds(QPoint(50, 40), 8), QRect(QPoint(46, 36), QPoint(54, 44)));
    EXPECT_EQ(BrushPrint::Bounds(QPoint(50, 40), 29), QRect(QPoint(36, 26), QPoint(64, 54)));

    QImage sheet(40, 20, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    BrushPrint::Draw(sheet, QPoint(10, 10), 5, BrushPrint::TKind::Round, Qt::black);
    BrushPrint::Draw(sheet, QPoint(30, 10), 5, BrushPrint::TKind::Square, Qt::black);
    EXPECT_EQ(Around(sheet, QPoint(10, 10), 3),
              (QStringList{".......", "..###..", ".#####.", ".#####.", ".#####.", "..###..", "......."}));
    EXPECT_EQ(Around(sheet, QPoint(30, 10), 3),
              (QStringList{".......", ".#####.", ".#####.", ".#####.", ".#####.", ".#####.", "......."}));

    // Every round brush fills its bounds to the edges, never past them.
    for (int size : {8, 11, 15, 20, 29}) {
        QImage big(60, 60, QImage::Format_RGB32);
        big.fill(Qt::white);
        BrushPrint::Draw(big, QPoint(30, 30), size, BrushPrint::TKind::Round, Qt::black);
        QRect painted;
        for (int y = 0; y < big.height(); ++y)
            for (int x = 0; x < big.width(); ++x)
                if (big.pixelColor(x, y) == Qt::black)
                    painted |= QRect(x, y, 1, 1);
        EXPECT_EQ(painted, BrushPrint::Bounds(QPoint(30, 30), size)) << size;
    }
}

} // namespace
