#include "GombEszkoztarakForm.h"

#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/PushButton.h"
#include "framework/SpeedButton.h"
#include "framework/SpeedButtonGroup.h"

#include <algorithm>

namespace {

const char* const ToolNames[] = {"darts", "sakk", "nyil", "foto"};
const char* const BigToolNames[] = {"darts", "sakk", "ijj", "foto"};
const int ToolLefts[] = {59, 147, 235, 323};
const int HouseLefts[] = {483, 571, 659, 747};
// Counters stop where the learner can no longer tell them apart.
constexpr int CountLimit = 255;

void Count(int& counter)
{
    counter = std::min(counter + 1, CountLimit);
}

QString PageMedia(const QString& page, const QString& suffix)
{
    return QStringLiteral(
        "gombok\\") + page + suffix;
}

} // namespace

QString TGombEszkoztarakForm::Instruction()
{
    return QStringLiteral(
        "Vannak olyan gombok, amiken csak rajzok vannak.<BR>Ezeket eszköztárgomboknak hívjuk. Ha lenyomod őket, "
        "benyomva maradnak.<BR>Az egyik csoportban egy gombot csak egy másik lenyomásával engedhetsz fel, a másik "
        "csoportban a lenyomott gombra még egyszer kattintva is.<BR>Mindet kapcsold be és ki! Próba!");
}

QString TGombEszkoztarakForm::ToolsCaption()
{
    return QStringLiteral("Csak a másikkal kapcsolható ki.");
}

QString TGombEszkoztarakForm::HousesCaption()
{
    return QStringLiteral("Önmagukkal is kikapcsolható gombok.");
}

TGombEszkoztarakForm::TGombEszkoztarakForm() : TGombBaseForm(QStringLiteral("GombEszkoztarakForm"))
{
    // The lesson background with a dark band under the yellow captions, which only this page has.
    LoadBackground(QStringLiteral("gombok\\") + GetPageName() + QStringLiteral(".jpg"));
    toolGroup_ = new TSpeedButtonGroup(TSpeedButtonGroup::TMode::Exclusive, this);
    houseGroup_ = new TSpeedButtonGroup(TSpeedButtonGroup::TMode::AllowAllUp, this);
    const QString name = GetPageName();
    for (int i = 0; i < GroupSize; ++i) {
        auto* tool = new TSpeedButton(this, QRect(ToolLefts[i], 450, 75, 75), i + 1);
        tool->SetGlyph(LoadPng(PageMedia(name, QStringLiteral("_glyph_%1.png").arg(QLatin1String(ToolNames[i])))));
        toolGroup_->Add(tool);
        tools_[static_cast<std::size_t>(i)] = tool;
        auto* house = new TSpeedButton(this, QRect(HouseLefts[i], 450, 75, 75), i + 1);
        house->setObjectName(QStringLiteral("haziko%1").arg(i + 1));
        house->SetGlyph(LoadPng(PageMedia(name, QStringLiteral("_glyph_haziko_%1.png").arg(i + 1))));
        houseGroup_->Add(house);
        houses_[static_cast<std::size_t>(i)] = house;
    }
    toolGroup_->OnClick = [this](TSpeedButton* button) { ToolClick(button); };
    houseGroup_->OnClick = [this](TSpeedButton* button) { HouseClick(button); };
    imgLeft_ = new TImage(this, QRect(88, 536, 292, 217));
    imgHaziko_ = new TImage(this, QRect(544, 520, 241, 241));
    btnTovabb_ = new TPushButton(this, QRect(392, 728, 89, 25), QStringLiteral("Tovább"));
    btnTovabb_->setEnabled(false);
    btnTovabb_->OnClick = [this] { Notify(); };
}

void TGombEszkoztarakForm::InitPage()
{
    TGombBaseForm::InitPage();
    const QString name = GetPageName();
    for (int i = 0; i < GroupSize; ++i) {
        const auto at = static_cast<std::size_t>(i);
        bigTools_[at] = LoadPng(PageMedia(name, QStringLiteral("_%1_big.png").arg(QLatin1String(BigToolNames[i]))));
        bigHouses_[at] = LoadPng(PageMedia(name, QStringLiteral("_haziko_%1.png").arg(i + 1)));
    }
}

void TGombEszkoztarakForm::ShowPage()
{
    TGombBaseForm::ShowPage();
    ShowToMenu();
    WriteOnBackground(Instruction(), 80, 200, 215, 3);
    const QColor yellow(255, 255, 51);
    WriteOnBackground(ToolsCaption(), 80, 100, 420, 3, 16, yellow);
    WriteOnBackground(HousesCaption(), 480, 100, 420, 3, 16, yellow);
}

void TGombEszkoztarakForm::ToolClick(TSpeedButton* button)
{
    Count(toolCounts_[static_cast<std::size_t>(button->Tag() - 1)]);
    UpdateTovabb();
    imgLeft_->SetPng(bigTools_[static_cast<std::size_t>(button->Tag() - 1)]);
}

void TGombEszkoztarakForm::HouseClick(TSpeedButton* button)
{
    if (button->Down()) {
        imgHaziko_->SetPng(bigHouses_[static_cast<std::size_t>(button->Tag() - 1)]);
        imgHaziko_->show();
        // Pressing this one released the other.
        if (houseDown_ && houseDown_ != button)
            Count(houseCounts_[static_cast<std::size_t>(houseDown_->Tag() - 1)]);
        houseDown_ = button;
        return;
    }
    Count(houseCounts_[static_cast<std::size_t>(button->Tag() - 1)]);
    houseDown_ = nullptr;
    imgHaziko_->hide();
    UpdateTovabb();
}

void TGombEszkoztarakForm::UpdateTovabb()
{
    const auto reached = [](int count) { return count >= 1; };
    btnTovabb_->setEnabled(std::all_of(toolCounts_.begin(), toolCounts_.end(), reached)
                           && std::all_of(houseCounts_.begin(), houseCounts_.end(), reached));
}
