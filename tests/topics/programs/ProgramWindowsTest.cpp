#include "support/CourseFixture.h"
#include "topics/menus/MenusMoves.h"

#include "framework/Image.h"
#include "framework/Menu.h"
#include "framework/PushButton.h"
#include "framework/RadioGroup.h"
#include "shell/StandInModule.h"
#include "topics/programs/ColourPalette.h"
#include "topics/programs/PaintSurface.h"
#include "topics/programs/PrgEditorForm.h"
#include "topics/programs/PrgKalkulalForm.h"
#include "topics/programs/PrgPaintForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>

namespace {

// A page that only hosts the programs, as the desktop page does.
class THostPage : public TBaseForm {
public:
    THostPage() : TBaseForm(QStringLiteral("PrgHost")) {}
};

int DrawForA(int a) { return a * 30000 - 1; }
int DrawForB(int b) { return b * 60000 - 1; }

class ProgramWindowsTest : public CourseFixture {
protected:
    void SetUp() override
    {
        host = new THostPage();
        host->SetModule(std::make_shared<TStandInModule>("host", std::make_shared<QStringList>()));
        host->ShowPage();
        EXPECT_TRUE(ActivateStage());
        Settle();
    }

    void TearDown() override { delete host.data(); }

    template <class Window> Window* Open()
    {
        auto* window = new Window(host);
        window->OnClosed = [this, window] { closes << window->objectName(); };
        window->Show();
        Settle();
        return window;
    }

    // A task on screen: the operation's radio button, then the range's.
    void Pose(TPrgKalkulalForm* calc, int operation, TRadioGroup* range, int rangeItem)
    {
        Click(calc->muveletekPnl()->Item(operation - 1));
        Click(range->Item(rangeItem));
    }

    void Key(QWidget* target, int key, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
             bool autoRepeat = false)
    {
        SendKey(target, QEvent::KeyPress, key, text, modifiers, autoRepeat);
        SendKey(target, QEvent::KeyRelease, key, text, modifiers, autoRepeat);
    }

    QPoint PageCentre(QWidget* widget) const { return widget->mapTo(host.data(), widget->rect().center()); }
    QWidget* Focused() const { return host->focusWidget(); }

    QPointer<THostPage> host;
    QStringList closes;
};

TEST_F(ProgramWindowsTest, WindowsStandCentredAndOnlyTheCalculatorMoves)
{
    auto* calc = Open<TPrgKalkulalForm>();
    auto* editor = Open<TPrgEditorForm>();
    auto* paint = Open<TPrgPaintForm>();
    EXPECT_EQ(calc->geometry(), QRect(261, 170, 501, 521));
    EXPECT_EQ(editor->geometry(), QRect(181, 170, 662, 529));
    EXPECT_EQ(paint->geometry(), QRect(228, 150, 568, 587));
    EXPECT_EQ(calc->Caption(), "Kalkulátor");
    EXPECT_EQ(editor->Caption(), "PrgEditorForm");
    EXPECT_EQ(paint->Caption(), "PrgPaintForm");

    using TCommand = TPracticeWindow::TCommand;
    for (TPrgProgramWindow* locked : std::initializer_list<TPrgProgramWindow*>{editor, paint}) {
        EXPECT_FALSE(locked->SystemCommand(TCommand::Move));
        EXPECT_FALSE(locked->SystemCommand(TCommand::Maximize));
        EXPECT_FALSE(locked->SystemCommand(TCommand::Minimize));
        EXPECT_TRUE(locked->isVisible());
    }

    // The calculator refuses minimising (it would vanish for good), and a drag keeps it on screen.
    EXPECT_FALSE(calc->SystemCommand(TCommand::Minimize));
    EXPECT_FALSE(calc->Frame().Buttons().minimizeEnabled);
    EXPECT_TRUE(calc->isVisible());
    DragOnPage(calc, QPoint(400, 180), QPoint(-300, 900));
    EXPECT_EQ(calc->geometry(), QRect(0, 247, 501, 521));
    EXPECT_TRUE(calc->SystemCommand(TCommand::Maximize));
    EXPECT_EQ(calc->geometry(), QRect(0, 0, 1024, 768));
}

TEST_F(ProgramWindowsTest, EveryCloseHidesAndIsReported)
{
    auto* calc = Open<TPrgKalkulalForm>();
    auto* editor = Open<TPrgEditorForm>();
    auto* paint = Open<TPrgPaintForm>();
    Click(calc, calc->Frame().CloseButtonRect().center());
    MenusMoves::ChooseByMouse(*this, *editor, {0, 4}); // "Kilépés"
    MenusMoves::ChooseByMouse(*this, *paint, {0, 1});  // "Kilépés"
    EXPECT_EQ(closes, (QStringList{"PrgKalkulalForm", "PrgEditorForm", "PrgPaintForm"}));
    for (QWidget* window : std::initializer_list<QWidget*>{calc, editor, paint}) {
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(window->parentWidget(), host.data()) << "closing keeps the window";
    }
}

TEST_F(ProgramWindowsTest, CalculatorTakesDigitsOnlyWhateverKeysAreHeld)
{
    random = TFixedRandom({DrawForA(12), DrawForB(5)});
    auto* calc = Open<TPrgKalkulalForm>();
    Pose(calc, 1, calc->szamkorPnl(), 0);
    ASSERT_TRUE(calc->pnlFeladat()->isVisible());
    EXPECT_EQ(calc->szam1()->text() + calc->muvJel()->text() + calc->szam2()->text(), "12+5");
    QLineEdit* box = calc->eredmeny();
    ASSERT_EQ(Focused(), box);

    // Shift held (as the old filter's flag was) lets no letter or sign through.
    SendKey(box, QEvent::KeyPress, Qt::Key_Shift, QString(), Qt::ShiftModifier);
    Key(box, Qt::Key_A, "A", Qt::ShiftModifier);
    Key(box, Qt::Key_Percent, "%", Qt::ShiftModifier);
    SendKey(box, QEvent::KeyRelease, Qt::Key_Shift, QString());
    SendKey(box, QEvent::KeyPress, Qt::Key_Backspace, "\b");
    Key(box, Qt::Key_X, "x");
    SendKey(box, QEvent::KeyRelease, Qt::Key_Backspace, "\b");
    TypeText("1a7-");
    EXPECT_EQ(box->text(), "17");
    CommitComposed(QStringLiteral("é"));
    EXPECT_EQ(box->text(), "17");
    // Editing keys edit; pasting pastes nothing.
    PressKey(Qt::Key_Left);
    PressKey(Qt::Key_Backspace);
    EXPECT_EQ(box->text(), "7");
    PressKey(Qt::Key_Delete);
    EXPECT_EQ(box->text(), "");
    box->setText("9");
    box->selectAll();
    box->copy();
    box->clear();
    PressKey(Qt::Key_V, Qt::ControlModifier);
    PressKey(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(box->text(), "");

    // Enter in an empty box judges nothing; the answer is judged once.
    PressKey(Qt::Key_Return);
    EXPECT_EQ(calc->feladatSzam()->text(), "0");
    TypeText("17");
    PressKey(Qt::Key_Return);
    EXPECT_EQ(calc->feladatSzam()->text(), "1");
    EXPECT_EQ(calc->hibaSzam()->text(), "0");
    EXPECT_EQ(calc->errorMsg()->text(), "Jól számoltál!");
    EXPECT_EQ(calc->errorMsg()->palette().color(QPalette::WindowText), QColor(0, 255, 255));
    // The next character typed hides the verdict.
    TypeText("3");
    EXPECT_FALSE(calc->errorMsg()->isVisible());
}

TEST_F(ProgramWindowsTest, QuestionMarksCountAsUnanswered)
{
    random = TFixedRandom({DrawForA(97), DrawForB(7)});
    auto* calc = Open<TPrgKalkulalForm>();
    Pose(calc, 4, calc->osztasPnl(), 1); // "Maradékos 100-ig"
    EXPECT_EQ(calc->szam1()->text() + calc->muvJel()->text() + calc->szam2()->text(), "97/7");
    ASSERT_TRUE(calc->maradek()->isVisible());

    // The quotient's Enter moves on to the remainder; the remainder's Enter judges.
    TypeText("13");
    PressKey(Qt::Key_Return);
    EXPECT_EQ(Focused(), calc->maradek());
    EXPECT_EQ(calc->feladatSzam()->text(), "0");
    TypeText("6");
    PressKey(Qt::Key_Return);
    EXPECT_EQ(calc->errorMsg()->text(), "Jól számoltál!");
    EXPECT_EQ(calc->eredmeny()->text(), "?");
    EXPECT_EQ(calc->maradek()->text(), "?");
    EXPECT_EQ(calc->eredmeny()->selectedText(), "?");
    EXPECT_EQ(Focused(), calc->eredmeny());
    Snapshot("prgwin_calculator_right");

    // A held Enter on the untouched "?" counts nothing.
    for (int repeat = 0; repeat < 3; ++repeat)
        Key(calc->eredmeny(), Qt::Key_Return, "\r", Qt::NoModifier, repeat > 0);
    EXPECT_EQ(calc->feladatSzam()->text(), "1");
    // The same road works for the second task: the "?" of the remainder is not judged.
    TypeText("13");
    PressKey(Qt::Key_Return);
    EXPECT_EQ(Focused(), calc->maradek());
    EXPECT_EQ(calc->feladatSzam()->text(), "1");
    // Clicked into, the "?" is still replaced by the digit.
    Click(calc->maradek());
    TypeText("6");
    EXPECT_EQ(calc->maradek()->text(), "6");
    PressKey(Qt::Key_Return);
    EXPECT_EQ(calc->feladatSzam()->text(), "2");
    EXPECT_EQ(calc->hibaSzam()->text(), "0");

    // A remainder left unanswered, sent from its own box, is wrong; the task stays.
    TypeText("13");
    PressKey(Qt::Key_Return);
    PressKey(Qt::Key_Return);
    EXPECT_EQ(calc->feladatSzam()->text(), "3");
    EXPECT_EQ(calc->hibaSzam()->text(), "1");
    EXPECT_EQ(calc->errorMsg()->text(), "Rosszul számoltál!");
    EXPECT_EQ(calc->errorMsg()->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    EXPECT_EQ(Focused(), calc->eredmeny());
    EXPECT_EQ(calc->szam1()->text(), "97");
    Snapshot("prgwin_calculator_wrong");
}

TEST_F(ProgramWindowsTest, CalculatorKeepsItsCountersAndChoicesAcrossOpenings)
{
    random = TFixedRandom({DrawForA(3), DrawForB(2)});
    auto* calc = Open<TPrgKalkulalForm>();
    Pose(calc, 2, calc->szamkorPnl(), 0);
    TypeText("5");
    PressKey(Qt::Key_Return);
    EXPECT_EQ(calc->hibaSzam()->text(), "1");

    // Closed by its title bar it comes back with the task; after "&Kilépés" with the choice.
    Click(calc, calc->Frame().CloseButtonRect().center());
    calc->Show();
    Settle();
    EXPECT_TRUE(calc->pnlFeladat()->isVisible());
    Click(calc->LMDButton2());
    calc->Show();
    Settle();
    EXPECT_TRUE(calc->muveletekPnl()->isVisible());
    EXPECT_FALSE(calc->pnlFeladat()->isVisible());
    EXPECT_TRUE(calc->uresPnl()->isVisible());
    EXPECT_EQ(calc->feladatSzam()->text(), "1");
    EXPECT_EQ(calc->hibaSzam()->text(), "1");

    // The checked buttons still choose: the same kind of task again.
    ASSERT_TRUE(calc->muveletekPnl()->Item(1)->isChecked());
    Pose(calc, 2, calc->szamkorPnl(), 0);
    EXPECT_TRUE(calc->pnlFeladat()->isVisible());
    EXPECT_EQ(calc->szam1()->text() + calc->muvJel()->text() + calc->szam2()->text(), "3-2");
    TypeText("1");
    PressKey(Qt::Key_Return);
    EXPECT_EQ(calc->feladatSzam()->text(), "2");
    EXPECT_EQ(calc->hibaSzam()->text(), "1");

    // "&Mást választok" goes back to the operations, the last verdict with its task; each operation
    // shows its own range panel.
    Click(calc->LMDButton1());
    EXPECT_FALSE(calc->errorMsg()->isVisible());
    Click(calc->muveletekPnl()->Item(2));
    EXPECT_TRUE(calc->szorzasPnl()->isVisible());
    EXPECT_FALSE(calc->szamkorPnl()->isVisible());
    EXPECT_FALSE(calc->uresPnl()->isVisible());
    EXPECT_EQ(calc->szorzasPnl()->Item(0)->text(), "Egyjegyű számokkal");
    Snapshot("prgwin_calculator_choice");
}

TEST_F(ProgramWindowsTest, EditorFormatsTheWholeText)
{
    auto* editor = Open<TPrgEditorForm>();
    QPlainTextEdit* memo = editor->memo();
    const QStringList lines = memo->toPlainText().split(u'\n');
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines.at(0), "");
    EXPECT_EQ(lines.at(1), "Ezzel a programmal szöveget gépelhetsz. Enter = Új sor. ");
    EXPECT_EQ(lines.at(6), "Ha kész vagy, esetleg meguntad, akkor zárd be a programot!");
    EXPECT_TRUE(memo->font().bold());
    EXPECT_EQ(memo->font().pixelSize(), 19);
    Snapshot("prgwin_editor_start");

    // "Félkövér" starts checked: the first choice takes the bold away, the second gives it back.
    MenusMoves::ChooseByMouse(*this, *editor, {0, 0, 1});
    EXPECT_FALSE(memo->font().bold());
    EXPECT_FALSE(editor->Menu()->Root().FindByText("Félkövér")->Checked);
    MenusMoves::ChooseByMouse(*this, *editor, {0, 0, 1});
    EXPECT_TRUE(memo->font().bold());
    MenusMoves::ChooseByMouse(*this, *editor, {0, 0, 3}); // "Aláhúzott"
    EXPECT_TRUE(memo->font().underline());

    // Colours: the marks pile up, the last choice is the colour.
    MenusMoves::ChooseByMouse(*this, *editor, {0, 2, 0}); // "piros"
    MenusMoves::ChooseByMouse(*this, *editor, {0, 2, 1}); // "kék"
    EXPECT_TRUE(editor->Menu()->Root().FindByText("piros")->Checked);
    EXPECT_TRUE(editor->Menu()->Root().FindByText("kék")->Checked);
    EXPECT_EQ(memo->palette().color(QPalette::Text), QColor(0, 0, 255));
    MenusMoves::ChooseByMouse(*this, *editor, {0, 2, 0}); // "piros" again: unmarked, yet red
    EXPECT_FALSE(editor->Menu()->Root().FindByText("piros")->Checked);
    EXPECT_EQ(memo->palette().color(QPalette::Text), QColor(255, 0, 0));
    MenusMoves::ChooseByMouse(*this, *editor, {0, 2, 4}); // "narancs"
    EXPECT_EQ(memo->palette().color(QPalette::Text), QColor(255, 174, 26));

    // Sizes are points at 96 dpi.
    MenusMoves::ChooseByMouse(*this, *editor, {0, 1, 5}); // "20"
    EXPECT_EQ(memo->font().pixelSize(), 27);
    EXPECT_TRUE(memo->font().bold());
    Snapshot("prgwin_editor");

    // What was typed stays through a close; "Szöveg törlése " takes every line.
    Click(memo->viewport());
    TypeText("Anna");
    MenusMoves::ChooseByMouse(*this, *editor, {0, 4});
    editor->Show();
    Settle();
    EXPECT_TRUE(memo->toPlainText().contains("Anna"));
    MenusMoves::ChooseByMouse(*this, *editor, {0, 3});
    EXPECT_EQ(memo->toPlainText(), "");
}

// The sheet read back around a point: '#' the colour, '.' white, '?' anything else.
QStringList Around(const QImage& sheet, QPoint centre, int reach, const QColor& colour)
{
    QStringList rows;
    for (int y = centre.y() - reach; y <= centre.y() + reach; ++y) {
        QString row;
        for (int x = centre.x() - reach; x <= centre.x() + reach; ++x) {
            const QColor pixel = sheet.pixelColor(x, y);
            row += pixel == colour ? u'#' : pixel == Qt::white ? u'.' : u'?';
        }
        rows << row;
    }
    return rows;
}

TEST_F(ProgramWindowsTest, PaintPrintsTheChosenBrushInTheLastColour)
{
    auto* paint = Open<TPrgPaintForm>();
    TPaintSurface* sheet = paint->PaintBox();
    Click(paint->Shapes().at(0)); // the smallest circle
    EXPECT_EQ(paint->BrushSize(), 5);
    Click(sheet, QPoint(100, 100));
    EXPECT_EQ(Around(sheet->Image(), QPoint(100, 100), 3, Qt::black),
              (QStringList{".......", "..###..", ".#####.", ".#####.", ".#####.", "..###..", "......."}));

    // Two colours chosen: the last one paints; a square of 8 spans 4 either way.
    TColourPalette* palette = paint->JvFullColorGroup1();
    const int red = 5;
    const int blue = 13;
    ASSERT_EQ(palette->Colour(red), QColor(255, 0, 0));
    ASSERT_EQ(palette->Colour(blue), QColor(0, 0, 255));
    Click(palette, palette->CellRect(blue).center());
    Click(palette, palette->CellRect(red).center());
    Click(paint->Shapes().at(7));
    EXPECT_EQ(paint->BrushSize(), 8);
    Click(sheet, QPoint(200, 100));
    EXPECT_EQ(Around(sheet->Image(), QPoint(200, 100), 5, QColor(255, 0, 0)),
              (QStringList{"...........", ".#########.", ".#########.", ".#########.", ".#########.",
                           ".#########.", ".#########.", ".#########.", ".#########.", ".#########.",
                           "..........."}));

    // A drag leaves a trail; the drawing survives a close, the brush is black again.
    Drag(sheet, QPoint(50, 300), QPoint(250, 300), 40);
    MenusMoves::ChooseByMouse(*this, *paint, {0, 1});
    paint->Show();
    Settle();
    for (int x = 50; x <= 250; x += 25)
        EXPECT_EQ(sheet->Image().pixelColor(x, 303), QColor(255, 0, 0)) << x;
    Snapshot("prgwin_paint");
    EXPECT_EQ(paint->BrushColour(), QColor(Qt::black));
}

TEST_F(ProgramWindowsTest, ClearingTheSheetReturnsToThePaletteColourOrBlack)
{
    auto* paint = Open<TPrgPaintForm>();
    TPaintSurface* sheet = paint->PaintBox();
    Click(sheet, QPoint(60, 60));
    MenusMoves::ChooseByMouse(*this, *paint, {0, 0}); // "Rajzlap törlése "
    EXPECT_EQ(sheet->Image().pixelColor(60, 60), QColor(Qt::white));
    Click(sheet, QPoint(60, 60));
    EXPECT_EQ(sheet->Image().pixelColor(60, 60), QColor(Qt::black));

    TColourPalette* palette = paint->JvFullColorGroup1();
    Click(palette, palette->CellRect(9).center()); // lime
    MenusMoves::ChooseByMouse(*this, *paint, {0, 1});
    paint->Show(); // shown again: black, though lime stays chosen
    Settle();
    EXPECT_EQ(paint->BrushColour(), QColor(Qt::black));
    MenusMoves::ChooseByMouse(*this, *paint, {0, 0});
    EXPECT_EQ(paint->BrushColour(), QColor(0, 255, 0));
}

TEST_F(ProgramWindowsTest, PaintExplainsItselfOnItsFirstActivationOnly)
{
    auto* calc = Open<TPrgKalkulalForm>();
    auto* paint = Open<TPrgPaintForm>();
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(dialogs.Shown().front().text,
              "Nyomott balgombbal mozgasd az egeret! Így rajzolhatsz.\n"
              "Radírozni a fehér színnel, vagy a menüből tudsz.\n"
              "Ha kész vagy, esetleg meguntad, zárd be a programot!");
    EXPECT_EQ(dialogs.Shown().front().buttons, TDialogButtons::Ok);
    EXPECT_EQ(dialogs.Shown().front().icon, TDialogIcon::Information);
    Click(calc, QPoint(30, 10));
    Click(paint, QPoint(30, 10));
    MenusMoves::ChooseByMouse(*this, *paint, {0, 1});
    paint->Show();
    Settle();
    EXPECT_TRUE(paint->Active());
    EXPECT_EQ(dialogs.Shown().size(), 1u);
}

} // namespace
