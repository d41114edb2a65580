#include "MouseText.h"

#include "framework/BaseForm.h"
#include "framework/Controls.h"
#include "framework/Fonts.h"
#include "framework/TextImgWriter.h"

namespace MouseText {

void Write(TBaseForm& page, TImage& picture, const TLayout& layout, const QString& text)
{
    // The page font (Arial) at the page's own size.
    const QFont font = PointFont(page.PageFont().family(), layout.points);
    TTextImgWriter& writer = *page.Writer();
    writer.SetFont(font, QColor(0, 0, 255));
    writer.SetImage(&picture);
    writer.SetMargins(layout.left, layout.right, layout.top, layout.bottom);
    writer.SetLineSpacing(layout.lineSpacing);
    writer.SetText(text);
    writer.WriteText();
}

QLabel* Hint(QWidget* page, const QRect& geometry, const QString& text)
{
    return Controls::Label(page, geometry, text, PointFont(QStringLiteral("Arial"), 10, true), QColor(0, 0, 255),
                           Qt::AlignHCenter | Qt::AlignTop, true);
}

} // namespace MouseText
