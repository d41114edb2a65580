#include "JelTreckBarForm.h"

#include "framework/BackAreas.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/PushButton.h"

#include <QLabel>
#include "framework/TrackBar.h"

namespace {
const QString Instruction = QStringLiteral(
    "Egy értéket vonalas csúszkával is be lehet állítani. A hegyes csúszkát a bal egérgombot lenyomva tartva "
    "húzhatod, de a sávba kattintva is arrébb léptetheted.\n"
    "A vízszintes csúszkával forgasd meg Tivadar sapkáját!\n"
    "A függőleges csúszkával ébreszd fel Nóra virágait!");
} // namespace

TJelTreckBarForm::TJelTreckBarForm()
    : TJelBaseForm(QStringLiteral("JelTreckBarForm"), QStringLiteral("jelolesek\\JelTreckBarForm.jpg"),
                   BackAreas::Usual)
{
    TextLabel(QRect(60, 44, 900, 150), Instruction, 21)->setObjectName(QStringLiteral("lblText"));
    imgTivadar_ = new TImage(this, QRect(80, 220, 280, 240));
    imgVirag_ = new TImage(this, QRect(620, 220, 220, 300));
    for (int n = 0; n < 5; ++n) {
        caps_[static_cast<std::size_t>(n)] = LoadPng(QStringLiteral("jelolesek\\tivadar_%1.png").arg(n));
        flowers_[static_cast<std::size_t>(n)] = LoadPng(QStringLiteral("jelolesek\\virag_%1.png").arg(n));
    }
    imgTivadar_->SetPng(caps_[0]);
    imgVirag_->SetPng(flowers_[0]);
    tbSapi_ = new TTrackBar(this, QRect(88, 560, 313, 45), Qt::Horizontal, 0, 4, 0, 1);
    tbVirag_ = new TTrackBar(this, QRect(880, 220, 45, 313), Qt::Vertical, 0, 4, 4, 1);
    for (TTrackBar* bar : {tbSapi_, tbVirag_}) {
        bar->setTickPosition(QSlider::TicksBothSides);
        bar->setTickInterval(1);
        bar->OnChange = [this, bar] { TrackBarChange(bar); };
    }
    btnFinish_ = Button(QRect(450, 640, 121, 33), QStringLiteral("Tovább"), false);
    btnFinish_->OnClick = [this] { Notify(); };
}

void TJelTreckBarForm::TrackBarChange(TTrackBar* bar)
{
    const int position = bar->Position();
    if (bar == tbSapi_) {
        capShown_ = position;
        imgTivadar_->SetPng(caps_[static_cast<std::size_t>(position)]);
        capEnd_ = capEnd_ || position == bar->maximum();
    } else {
        flowersShown_ = 4 - position;
        imgVirag_->SetPng(flowers_[static_cast<std::size_t>(flowersShown_)]);
        flowerEnd_ = flowerEnd_ || position == bar->minimum();
    }
    if (capEnd_ && flowerEnd_)
        btnFinish_->setEnabled(true);
}
