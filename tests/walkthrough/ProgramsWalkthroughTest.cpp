#include "topics/programs/ProgramsCourse.h"

#include "framework/Image.h"
#include "framework/Ertekeles.h"
#include "framework/PopupMenu.h"
#include "framework/PushButton.h"
#include "framework/RadioGroup.h"
#include "framework/SpeedButton.h"
#include "framework/TaskBar.h"
#include "home/ModulValaszt.h"
#include "topics/menus/MenusMoves.h"
#include "topics/programs/CalcDrill.h"
#include "topics/programs/PaintSurface.h"
#include "topics/programs/PrgEditorForm.h"
#include "topics/programs/PrgKalkulalForm.h"
#include "topics/programs/PrgPaintForm.h"

#include <QLabel>
#include <QRadioButton>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

class ProgramsWalkthrough : public ProgramsCourse {
protected:
    void Note(const QString& detail = {})
    {
        Snapshot(QString("programs_%1_%2%3").arg(++shots, 2, 10, QChar('0')).arg(CurrentPageName(), detail));
    }

    // Two sums in the calculator: one right, one wrong.
    void UseCalculator(TPrgKalkulalForm& calc)
    {
        Click(calc.muveletekPnl()->Item(0)); // "Összeadás"
        Click(calc.szamkorPnl()->Item(0));   // "Számok 20-ig"
        const int sum = calc.Drill().A() + calc.Drill().B();
        TypeText(QString::number(sum));
        PressKey(Qt::Key_Return);
        EXPECT_EQ(calc.errorMsg()->text(), "Jól számoltál!");
        TypeText(QString::number(calc.Drill().A() + calc.Drill().B() + 1));
        PressKey(Qt::Key_Return);
        EXPECT_EQ(calc.errorMsg()->text(), "Rosszul számoltál!");
        EXPECT_EQ(calc.feladatSzam()->text(), "2");
        EXPECT_EQ(calc.hibaSzam()->text(), "1");
        Note("_calculator");
    }

    int shots = 0;
};

TEST_F(ProgramsWalkthrough, FromTheChooserOverTheDesktopWithEveryProgramUsedBackToTheChooser)
{
    TPrgKezelForm* page = OpenProgramsTopic();
    ASSERT_NE(page, nullptr);
    QList<int> steps;
    for (int move = 0; move < 40 && CurrentPage() == page && page->Step() < 12; ++move) {
        if (steps.isEmpty() || steps.last() != page->Step()) {
            steps << page->Step();
            Note(QString("_step%1").arg(page->Step()));
        }
        switch (page->Step()) {
        case 5:
            Click(page->QuickLaunch(TBaseProgramokForm::Kalk));
            ASSERT_TRUE(page->Kalkulator()->isVisible());
            UseCalculator(*page->Kalkulator());
            Click(page->Kalkulator()->LMDButton2()); // "&Kilépés"
            break;
        case 6: {
            Click(page->pnlTalca()->btnStart());
            Click(page->StartRow(8)); // "Programok"
            ASSERT_TRUE(MenusMoves::ClickRow(*this, 0, 2)); // "Kellékek"
            Note("_start_menu");
            ASSERT_TRUE(MenusMoves::ClickRow(*this, 1, 0)); // "Rajzoló"
            ASSERT_TRUE(page->Rajzolo()->isVisible());
            Drag(page->Rajzolo()->PaintBox(), QPoint(40, 40), QPoint(300, 200), 30);
            Note("_paint");
            MenusMoves::ChooseByMouse(*this, *page->Rajzolo(), {0, 1}); // "Kilépés"
            break;
        }
        case 9:
            ProgramsMoves::LessonStep(*this, *page);
            ASSERT_TRUE(page->Gepelo()->isVisible());
            MenusMoves::ChooseByMouse(*this, *page->Gepelo(), {0, 0, 0}); // "Dőlt"
            Note("_editor");
            ProgramsMoves::CloseProgram(*this, *page);
            break;
        default: ProgramsMoves::LessonStep(*this, *page); break;
        }
        ASSERT_FALSE(HasFailure()) << "at step " << page->Step();
        EXPECT_FALSE(page->ProgramOpen() && page->Step() != 5 && page->Step() != 6 && page->Step() < 9);
    }
    EXPECT_EQ(steps, QList<int>({1, 2, 3, 4, 5, 6, 9, 10, 11}));
    ASSERT_EQ(page->Step(), 12);
    Note("_step12");
    EXPECT_TRUE(page->imgHaz()->isVisible());
    Click(page->btnOk());

    auto* closing = CurrentPageAs<TErtekeles>();
    ASSERT_NE(closing, nullptr);
    Note();
    EXPECT_TRUE(closing->Text().startsWith("Gratulálok! Most már mindent megtanultál")) << closing->Text().toStdString();
    ASSERT_TRUE(LearnerMoves::Helpful(*this));
    EXPECT_TRUE(CurrentPageAs<TModulValaszt>());
    for (const char* key : {"STEP_READY", "STEP", "ERTEKEL"})
        EXPECT_FALSE(BoardText(key)) << key;
    EXPECT_TRUE(stage->findChildren<TBaseCustForm*>().isEmpty());
    EXPECT_FALSE(ErrorBoxShown()) << messages.Texts().join(" | ").toStdString();
}

} // namespace
