#include "EgerInfoBaseForm.h"

#include "framework/Image.h"

TEgerInfoBaseForm::TEgerInfoBaseForm(const QString& pageName, const MouseText::TLayout& layout, const QString& text)
    : TBaseBlueForm(pageName), layout_(layout), text_(text)
{
    LoadBackground(QStringLiteral("egerezes\\") + pageName + QStringLiteral(".jpg"));
    IgnoreEscape();
}

void TEgerInfoBaseForm::ShowPage()
{
    TBaseBlueForm::ShowPage();
    ShowToMenu();
    MouseText::Write(*this, *hatter(), layout_, text_);
}

TImage* TEgerInfoBaseForm::Area(const QRect& geometry)
{
    auto* area = new TImage(this, geometry);
    area->setCursor(Qt::PointingHandCursor);
    return area;
}
