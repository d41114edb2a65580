#include "WndBaseForm.h"

#include "framework/Image.h"
#include "framework/WindowGroup.h"
#include "shell/Board.h"
#include "shell/IModule.h"

TWndBaseForm::TWndBaseForm(const QString& pageName) : TBaseForm(pageName)
{
    LoadBackground(QStringLiteral("ablakok\\windows.jpg"));
    imgToMain_ = new TImage(this, QRect(896, 648, 97, 49));
    imgToMain_->setCursor(Qt::PointingHandCursor);
    imgToMain_->OnClick = [this] { imgToMainClick(); };
}

TWindowGroup& TWndBaseForm::Windows() const
{
    return TWindowGroup::Of(const_cast<TWndBaseForm*>(this));
}

void TWndBaseForm::Notify()
{
    auto module = Module(); // the module may be replaced during its Notify
    module->Notify();
}

void TWndBaseForm::imgToMainClick()
{
    auto module = Module();
    Board::PutText(Controller(), QStringLiteral("CHANGE_MODUL"), QStringLiteral("RETURN_TO_MAIN"));
    module->Notify();
}
