#include "MenuPopUpMForm.h"

#include "framework/ClipPlayer.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/Menu.h"
#include "framework/NoraInfoForm.h"
#include "framework/PopupMenu.h"
#include "framework/PushButton.h"
#include "framework/WindowGroup.h"

#include <QFrame>
#include <QLabel>

namespace {

struct TGuide {
    int left;
    const char* picture;
    const char* clips[3]; // "forgás", "pörgés", "szaltó"
};
const TGuide GuideTable[TMenuPopUpMForm::Guides] = {
    {88, "menu/odon.jpg", {"menu\\kabel_Odon_01.avi", "menu\\Kabel_Odon_02.avi", "menu\\Kabel_Odon_03.avi"}},
    {344, "menu/tivadar.jpg", {"menu\\tivadar_01.avi", "menu\\Tivadar_02.avi", "menu\\Tivadar_03.avi"}},
    {600, "menu/nora.jpg", {"menu\\nora_01.avi", "menu\\Nora_02.avi", "menu\\Nora_03.avi"}},
};

} // namespace

TMenuPopUpMForm::TMenuPopUpMForm() : TMenuBaseMForm(QStringLiteral("MenuPopUpMForm"))
{
    for (int guide = 0; guide < Guides; ++guide) {
        const auto at = static_cast<std::size_t>(guide);
        auto* panel = new QFrame(this);
        panel->setGeometry(GuideTable[guide].left, 240, 202, 202);
        panel->setFrameShape(QFrame::Box);
        panel->setAutoFillBackground(true);
        QPalette colours = panel->palette();
        colours.setColor(QPalette::Window, Qt::white);
        panel->setPalette(colours);
        panels_[at] = panel;
        pictures_[at] = new TImage(panel, QRect(1, 1, 200, 200));
        pictures_[at]->SetJpeg(LoadJpeg(QString::fromUtf8(GuideTable[guide].picture)));
        clips_[at] = new TClipPlayer(panel);
        clips_[at]->setGeometry(1, 1, 200, 200);
        clips_[at]->setVisible(false);

        auto* menu = new TMenu(this);
        menu->Add(QStringLiteral("forgás"), 1);
        menu->Add(QStringLiteral("pörgés"), 2);
        menu->Add(QStringLiteral("szaltó"), 3);
        menu->OnChoose = [this, guide](TMenuItem& item) { Command(guide, item.Tag); };
        menus_[at] = menu;
        for (QWidget* control : {static_cast<QWidget*>(panel), static_cast<QWidget*>(pictures_[at]),
                                 static_cast<QWidget*>(clips_[at])})
            TPopupMenu::Attach(control, menu);
    }

    // 30 px taller than the usual information window, for the longer text.
    info_ = OpenInfoWindow(QPoint(110, 500));
    info_->SetBounds(QRect(info_->pos(), info_->size() + QSize(0, 30)));
    info_->txtDialog()->resize(info_->txtDialog()->size() + QSize(0, 30));
    info_->Button1()->move(info_->Button1()->pos() + QPoint(0, 30));
    TWindowGroup::Of(this).OnHostActivate = [this] { info_->Show(); };
}

QString TMenuPopUpMForm::Info()
{
    return QStringLiteral(
        "Vannak rejtett gyorsmenük is, amelyeken a legfontosabb parancsokat láthatod. A jobb egérgombbal "
        "nyithatod ki őket, a parancsot pedig a bal gombbal adhatod ki. Az Esc billentyűvel bezárhatod őket. "
        "Próbáld ki a szereplőkön!");
}

void TMenuPopUpMForm::ShowPage()
{
    TMenuBaseMForm::ShowPage();
    info_->txtDialog()->setText(Info());
    info_->Show();
    commands_ = 0;
}

void TMenuPopUpMForm::Command(int guide, int command)
{
    if (command < 1 || command > 3)
        return;
    const auto at = static_cast<std::size_t>(guide);
    TClipPlayer* clip = clips_[at];
    clip->setVisible(true);
    clip->raise();
    clip->Open(AviPath(QString::fromUtf8(GuideTable[guide].clips[command - 1])));
    clip->PlayAll(0);
    ++commands_;
    if (commands_ >= 3)
        info_->Button1()->setEnabled(true);
}
