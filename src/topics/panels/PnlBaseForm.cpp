#include "PnlBaseForm.h"

#include "framework/Image.h"
#include "shell/Board.h"
#include "shell/IModule.h"

TPnlBaseForm::TPnlBaseForm(const QString& pageName, const QString& background) : TBaseForm(pageName)
{
    LoadBackground(QStringLiteral("panel\\") + background + QStringLiteral(".jpg"));
    imgToMain_ = new TImage(this, QRect(896, 648, 97, 49));
    imgToMain_->setCursor(Qt::PointingHandCursor);
    imgToMain_->OnClick = [this] { imgToMainClick(); };
}

void TPnlBaseForm::Notify()
{
    auto module = Module(); // the module may be replaced during its Notify
    module->Notify();
}

void TPnlBaseForm::imgToMainClick()
{
    Board::PutText(Controller(), QStringLiteral("CHANGE_MODUL"), QStringLiteral("RETURN_TO_MAIN"));
    Notify();
}
