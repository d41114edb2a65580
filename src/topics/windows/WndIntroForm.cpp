#include "WndIntroForm.h"

#include "NoraForm.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/NoraInfoForm.h"
#include "framework/PushButton.h"

TWndIntroForm::TWndIntroForm() : TWndBaseForm(QStringLiteral("WndIntroForm"))
{
    noraForm_ = new TNoraForm(this);
    noraForm_->SetBounds(QRect(QPoint(220, 180), noraForm_->size()));
    noraForm_->imgNora()->SetPng(LoadPng(QStringLiteral("ablakok\\wnd_v_sz_k.png")));
    noraForm_->Show();
    noraInfoForm_ = new TNoraInfoForm(this);
    noraInfoForm_->SetBounds(QRect(QPoint(110, 550), noraInfoForm_->size()));
    noraInfoForm_->imgDlgInfo()->SetPng(LoadPng(QStringLiteral("img_info.png")));
    noraInfoForm_->Button1()->OnClick = [this] { Notify(); };
    noraInfoForm_->Show();
}
