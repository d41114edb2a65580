#include "Billentyuzet.h"

#include "PracticeSteps.h"
#include "framework/Colours.h"
#include "framework/Fonts.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/TextImgWriter.h"
#include "platform/CourseError.h"
#include "platform/VirtualKey.h"
#include "shell/Board.h"
#include "shell/IModule.h"

namespace {

const QColor Blue = DelphiColor(0xFF0000);
const QString LineMeasure = QStringLiteral("ŰÁÚŐÉQÜ");

QString StepText(const QString& step)
{
    if (step == QLatin1String("FELSO"))
        return QStringLiteral(
            "A billentyűzeten vannak olyan gombok, amiken nemcsak alul, hanem felül is látsz jelet. <BR>Ezeket "
            "nevezzük felsőjeles billentyűknek!<BR>Ha csak magát a billentyűt nyomod le, az alsó jel jelenik meg. "
            "Ha a Shifttel együtt nyomod le, akkor a felső jelet kapod.<BR><BR>Tovább: Shift + nulla");
    if (step == QLatin1String("ALSO"))
        return QStringLiteral(
            "Most az alsójeles billentyűk következnek!<BR>Ezeknek a billentyűknek a jobb alsó sarkában is van egy "
            "jel. Ha csak magát a billentyűt nyomod le, a nagyobb, felső jel jelenik meg. Ha az Alt Gr "
            "billentyűvel együtt nyomod le, akkor az alsó jelet kapod.<BR><BR>Tovább: a kukac jellel = Alt Gr + V");
    if (step == QStringLiteral("HÁROMBILL"))
        return QStringLiteral(
            "Vannak olyan billentyűk is, amelyeken három jelet látsz. Ezeknél a harmadik jel mindig a billentyű "
            "jobb alsó sarkában van. Ilyenkor a Shift és az ALT Gr is használható.<BR><BR>Tovább: a hullámjellel = "
            "ALT Gr + 1");
    if (step == QLatin1String("NUMLOCK"))
        return QStringLiteral(
            "A billentyűzet jobb oldalán van egy rész, amit számbillentyűzetnek neveznek. Ezt a Num Lock (nám "
            "lokk) gombbal kapcsolhatod be vagy ki.<BR>Ha a lámpa világít, akkor használhatod az itt található "
            "számokat, ha nem, akkor nem.<BR><BR>Tovább: Num Lock");
    if (step == QLatin1String("ESC"))
        return QStringLiteral(
            "A következő fontos billentyű az ESC, vagyis Escape (iszkép) = menekülés. Ezzel a billentyűvel "
            "léphetsz ki, menekülhetsz el egy programból.<BR>Különálló, magányos gomb a billentyűzet bal felső "
            "részén!<BR>Tovább: ESC");
    return QString();
}

} // namespace

TBillentyuzet::TBillentyuzet() : TBaseBillForm(QStringLiteral("Billentyuzet"))
{
    LoadBackground(QStringLiteral("billentyuzet.jpg"));
    feladat_ = new TImage(this, QRect(24, 488, 825, 257));
    feladat_->SetTransparent(true);
}

TBillentyuzet::~TBillentyuzet() = default;

void TBillentyuzet::ShowPage()
{
    TBaseBillForm::ShowPage();
    if (!prepared_)
        Prepare();
    IModuleController& controller = Controller();
    step_ = Board::Text(controller, QStringLiteral("STEP")).value_or(QString());
    PrepareTextLayer(*feladat_);
    writer_->SetImage(feladat_);
    DrawStep();
    controller.RemoveValue(QStringLiteral("STEP"));
}

void TBillentyuzet::Prepare()
{
    rightHand_.SetCanvas(&hatter()->Canvas());
    rightHand_.SetGraphic(LoadPng(QStringLiteral("05_Jobb_Kez.png")));
    leftHand_.SetCanvas(&hatter()->Canvas());
    leftHand_.SetGraphic(LoadPng(QStringLiteral("05_Bal_Kez.png")));
    writer_ = std::make_unique<TTextImgWriter>();
    writer_->SetFont(PointFont(QStringLiteral("Arial"), 18), Blue);
    writer_->SetLineSpacing(5);
    writer_->SetMargins(10, 10, 0, 0);
    writer_->SetImage(feladat_);
    feladat_->SetTransparent(true);
    prepared_ = true;
}

void TBillentyuzet::DrawStep()
{
    if (step_ == QLatin1String("T"))
        DrawLinesT();
    else if (step_ == QLatin1String("CAPSLOCK"))
        DrawLinesCapsLock();
    else if (step_ == QLatin1String("SHIFT"))
        DrawLinesShift();
    else if (const QString text = StepText(step_); !text.isEmpty())
        WriteStepText(text);
    PlaceHands();
}

QStringList TBillentyuzet::LinesT(const QString& name, const QString& grade)
{
    return {
        "Kedves " + name + "! Ezek szerint " + grade + " vagy.",
        QStringLiteral("A billentyűzet vagy klaviatúra neve angolul keyboard (kíbord)."),
        QStringLiteral("Az ujjak a képen a két ENTER-t mutatják."),
        QStringLiteral("Bármelyiket használhatod."),
        QStringLiteral("ENTER = Belépés, végrehajtás."),
        QStringLiteral("Tovább a T billentyűvel!"),
    };
}

void TBillentyuzet::DrawLinesT()
{
    IModuleController& controller = Controller();
    const auto name = Board::Text(controller, QStringLiteral("USERNAME"));
    if (!name)
        throw TCourseError(QStringLiteral("USERNAME not found in ModulValaszt"));
    const auto grade = Board::Text(controller, QStringLiteral("OSZTALY"));
    if (!grade)
        throw TCourseError(QStringLiteral("OSZTALY not found in ModulValaszt"));

    TCanvas& canvas = feladat_->Canvas();
    canvas.BrushClear = true;
    canvas.SetFont(PointFont(QStringLiteral("Arial"), 18), Blue);
    const int h = canvas.TextHeight(LineMeasure);
    int y = 10;
    for (const QString& line : LinesT(*name, *grade)) {
        canvas.TextOut(20, y, line);
        y += h + 5;
    }
    feladat_->SetTransparent(true);
}

void TBillentyuzet::DrawLinesCapsLock()
{
    TCanvas& canvas = feladat_->Canvas();
    canvas.BrushClear = true;
    canvas.SetFont(PointFont(QStringLiteral("Arial"), 16), Blue);
    const int h = canvas.TextHeight(LineMeasure);
    canvas.TextOut(10, 10, QStringLiteral("Kis- és nagybetű váltása:"));
    const QStringList lines = {
        QStringLiteral("Erre a Caps Lock (kepsz lok) billentyűt használhatod."),
        QStringLiteral("Ha megnyomod, bekapcsolódik, a billentyűzet jobb felső sarkában lévő kis lámpa világít, "),
        QStringLiteral("ilyenkor folyamatosan nagybetűket írhatsz."),
        QStringLiteral("Ha ismét megnyomod, kikapcsolódik, a kis lámpa nem világít, ilyenkor folyamatosan"),
        QStringLiteral("kisbetűket írhatsz."),
        QStringLiteral("Figyelj, hogy a lámpa világít-e!"),
    };
    for (int i = 0; i < lines.size(); ++i)
        canvas.TextOut(10, 10 + (i + 2) * h, lines[i]);
    canvas.TextOut(10, 10 + 9 * h, QStringLiteral("Tovább: Caps Lock"));
    feladat_->SetTransparent(true);
}

void TBillentyuzet::DrawLinesShift()
{
    TCanvas& canvas = feladat_->Canvas();
    canvas.BrushClear = true;
    canvas.SetFont(PointFont(QStringLiteral("Arial"), 18), Blue);
    const int h = canvas.TextHeight(LineMeasure);
    canvas.TextOut(20, 5, QStringLiteral("Kapcsold ki a nagybetűs írást a Caps Lock-kal!"));
    const QStringList lines = {
        QStringLiteral("SHIFT (sift) = csere, változtatás"),
        QStringLiteral("A billentyűzeten két Shift gomb van, bármelyiket használhatod!"),
        QStringLiteral("Bármelyik betű billentyűjét lenyomva a kisbetű jelenik meg, "),
        QStringLiteral("ha viszont a Shifttel együtt nyomod meg, akkor a nagybetű."),
    };
    for (int i = 0; i < lines.size(); ++i)
        canvas.TextOut(20, 5 + (i + 2) * h, lines[i]);
    canvas.TextOut(20, 5 + 6 * h, QStringLiteral("Tovább: SHIFT + T"));
    feladat_->SetTransparent(true);
}

void TBillentyuzet::WriteStepText(const QString& text)
{
    writer_->SetText(text);
    writer_->WriteText();
}

void TBillentyuzet::PlaceHands()
{
    PracticeSteps::PlaceHands(leftHand_, rightHand_, PracticeSteps::Hands(step_), drawnOrder_);
}

void TBillentyuzet::FormKeyDown(int& key, Qt::KeyboardModifiers shift)
{
    if (key == VirtualKey::Shift)
        shiftHeld_ = true;
    else if (!shift.testFlag(Qt::ShiftModifier))
        shiftHeld_ = false; // a Shift let go while another page was on screen
    if (PracticeSteps::CompletedByKeyDown(step_, key))
        Complete();
}

void TBillentyuzet::FormKeyPress(QChar& key)
{
    if (PracticeSteps::CompletedByCharacter(step_, key, shiftHeld_))
        Complete();
}

void TBillentyuzet::FormKeyUp(int& key, Qt::KeyboardModifiers)
{
    if (key == VirtualKey::Shift)
        shiftHeld_ = false;
}

void TBillentyuzet::Complete()
{
    PlaySoundFile(QStringLiteral("1_katt3.wav"));
    auto module = Module();
    Board::PutText(Controller(), QStringLiteral("STEP_READY"), step_ + QStringLiteral("_READY"));
    module->Notify();
}
