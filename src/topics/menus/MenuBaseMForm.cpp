#include "MenuBaseMForm.h"

#include "MenuLessonWindow.h"
#include "framework/BackAreas.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/NoraInfoForm.h"
#include "framework/PushButton.h"
#include "framework/WindowGroup.h"

TMenuBaseMForm::TMenuBaseMForm(const QString& pageName) : TBaseForm(pageName)
{
    LoadBackground(QStringLiteral("menu\\baseScr.jpg"));
    imgToMenu_ = AddBackArea(BackAreas::Usual);
}

void TMenuBaseMForm::Open(TMenuLessonWindow* window, QPoint at)
{
    window->SetBounds(QRect(at, window->size()));
    window->btnTovabb()->OnClick = [this] { NotifyModule(); };
    window->Show();
    Activate(window);
    // A click on the page, a picture or a label leaves the keys with the window.
    TWindowGroup::Of(this).OnHostActivate = [this, window] { Activate(window); };
}

void TMenuBaseMForm::Activate(TPracticeWindow* window)
{
    TWindowGroup::Of(this).Activate(window);
}

TNoraInfoForm* TMenuBaseMForm::OpenInfoWindow(QPoint at)
{
    auto* info = new TNoraInfoForm(this);
    info->SetBounds(QRect(at, info->size()));
    info->imgDlgInfo()->SetPng(LoadPng(QStringLiteral("img_info.png")));
    info->Button1()->SetCaption(QStringLiteral("Tovább"));
    info->Button1()->setEnabled(false);
    info->Button1()->OnClick = [this] { NotifyModule(); };
    return info;
}
