#include "EgerNoraSzinezForm.h"

#include "GameTitles.h"
#include "Tinting.h"
#include "framework/DragDrop.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "platform/CourseError.h"
#include "shell/Board.h"

namespace {

struct TPot {
    const char* name;
    int left;
    int width;
    QColor colour;
};

const TPot PotTable[TEgerNoraSzinezForm::Pots] = {
    {"red0", 16, 49, {255, 5, 5}},       {"red1", 72, 49, {255, 69, 5}},     {"orange1", 128, 49, {255, 129, 5}},
    {"orange2", 184, 41, {255, 188, 5}}, {"yellow", 232, 49, {255, 255, 5}}, {"green1", 288, 41, {172, 255, 5}},
    {"green2", 336, 49, {5, 255, 69}},   {"green3", 392, 41, {128, 210, 102}}, {"green4", 440, 49, {19, 255, 5}},
    {"blue1", 496, 41, {5, 255, 188}},   {"blue2", 544, 41, {5, 206, 255}},  {"blue3", 592, 49, {5, 167, 255}},
    {"blue4", 648, 49, {5, 129, 255}},   {"blue5", 704, 49, {5, 91, 255}},   {"blue6", 760, 41, {5, 44, 255}},
    {"purple", 808, 49, {206, 5, 255}},
};

} // namespace

TEgerNoraSzinezForm::TEgerNoraSzinezForm() : TBaseBlueForm(QStringLiteral("EgerNoraSzinezForm"))
{
    MakeTarget(polo_, QRect(379, 268, 123, 108));
    MakeTarget(szoknya_, QRect(386, 368, 103, 33));
    MakeTarget(auto_, QRect(223, 207, 486, 114));

    for (int i = 0; i < Pots; ++i) {
        TImage* pot = new TImage(this, QRect(PotTable[i].left, 600, PotTable[i].width, 49));
        pot->setObjectName(QString::fromLatin1(PotTable[i].name));
        pot->setCursor(Qt::PointingHandCursor);
        TDragDrop& drag = TDragDrop::Of(pot);
        drag.FollowMouse();
        drag.OnStartDrag = [] { PlaySoundFile(QStringLiteral("2_plink.wav")); };
        pots_[i] = pot;
    }
    // The background is a target that takes nothing: the no-drop cursor shows over it.
    TDragDrop::Of(hatter()).OnDragOver = [](QWidget&) { return false; };
}

void TEgerNoraSzinezForm::MakeTarget(TTarget& target, const QRect& geometry)
{
    target.image = new TImage(this, geometry);
    target.image->hide();
    target.image->setEnabled(false);
    TDragDrop& drop = TDragDrop::Of(target.image);
    drop.OnDragOver = [](QWidget& source) { return PotColour(source.objectName()).isValid(); };
    drop.OnDragDrop = [this, &target](QWidget& source, QPoint) {
        PlaySoundFile(QStringLiteral("2_plunk.wav"));
        Paint(target, PotColour(source.objectName()));
    };
}

QColor TEgerNoraSzinezForm::PotColour(const QString& potName)
{
    for (const TPot& pot : PotTable)
        if (potName == QLatin1String(pot.name))
            return pot.colour;
    return {};
}

void TEgerNoraSzinezForm::InitPage()
{
    TBaseBlueForm::InitPage();
    const std::optional<QString> action = Board::Text(Controller(), QStringLiteral("ACTION"));
    if (!action)
        throw TCourseError(QStringLiteral("No difined task in EgerNoraSzinez"));
    task_ = *action == QLatin1String("RUHA") ? TTask::Dress : TTask::Car;
}

void TEgerNoraSzinezForm::ShowPage()
{
    TBaseBlueForm::ShowPage();
    if (task_ == TTask::Dress) {
        LoadBackground(QStringLiteral("egerezes\\EgerNoraSzinezForm.jpg"));
        hatter()->NoteText(GameTitles::ColourDress);
        LoadTarget(polo_, QStringLiteral("polo"), QColor(206, 21, 255));
        LoadTarget(szoknya_, QStringLiteral("szoknya"), QColor(5, 167, 255));
    } else {
        LoadBackground(QStringLiteral("egerezes\\EgerNoraSzinezForm_2.jpg"));
        hatter()->NoteText(GameTitles::ColourCar);
        LoadTarget(auto_, QStringLiteral("auto"), QColor(255, 5, 5));
    }
    ShowToMenu();
    ShowEndGame();
}

void TEgerNoraSzinezForm::LoadTarget(TTarget& target, const QString& part, const QColor& colour)
{
    const QString prefix = QStringLiteral("egerezes\\EgerNoraSzinezForm_") + part;
    target.base = LoadPng(prefix + QStringLiteral("_alap.png"));
    target.shading = LoadPng(prefix + QStringLiteral("_alfa.png"));
    Paint(target, colour);
    target.image->setEnabled(true);
    target.image->show();
}

void TEgerNoraSzinezForm::Paint(TTarget& target, const QColor& colour)
{
    target.image->SetPng(Tinting::Tint(target.base, target.shading, colour));
}
