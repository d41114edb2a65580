#include "GombAngolForm.h"

#include "EnglishWords.h"
#include "framework/Fonts.h"
#include "framework/PushButton.h"

#include <QFontMetrics>
#include <algorithm>

namespace {
const QColor Yellow(255, 255, 17);
constexpr int WordLeft = 60;
constexpr int WordSize = 14;
constexpr int ButtonGap = 8;

} // namespace

QString TGombAngolForm::Introduction()
{
    return QStringLiteral(
        "A számítástechnika nyelve az angol.<BR>A Te gépeden persze szinte minden program magyar nyelvű, de néha "
        "előfordul egy-egy angol feliratú gomb is. Például:");
}

QString TGombAngolForm::LastLine()
{
    return QStringLiteral("Válaszd ki, hogy melyik gombbal léphetsz tovább!");
}

QPoint TGombAngolForm::ButtonPlace(const EnglishWords::TWord& word)
{
    // The word's own place, or just after its first line where that line would run under the button.
    const QString firstLine = word.text.section(QStringLiteral("<BR>"), 0, 0).trimmed();
    const QFontMetrics metrics(PointFont(QStringLiteral("Arial"), WordSize));
    const int lineEnd = WordLeft + metrics.horizontalAdvance(firstLine);
    return QPoint(std::max(word.button.x(), lineEnd + ButtonGap), word.button.y());
}

TGombAngolForm::TGombAngolForm() : TGombBaseForm(QStringLiteral("GombAngolForm"))
{
    LoadBackground(QStringLiteral("gombok\\") + GetPageName() + QStringLiteral(".jpg"));
    const auto& words = EnglishWords::Words();
    for (int i = 0; i < ButtonCount; ++i) {
        const auto& word = words[static_cast<std::size_t>(i)];
        buttons_[static_cast<std::size_t>(i)] =
            new TPushButton(this, QRect(ButtonPlace(word), QSize(75, 25)), word.caption);
    }
    // Every caption but the last does nothing.
    buttons_.back()->OnClick = [this] { Notify(); };
}

void TGombAngolForm::ShowPage()
{
    TGombBaseForm::ShowPage();
    ShowToMenu();
    WriteOnBackground(Introduction(), 40, 200, 110, 3);
    int lineSpacing = 3;
    for (const auto& word : EnglishWords::Words()) {
        if (word.caption == QLatin1String("&Quit"))
            lineSpacing = 2;
        WriteOnBackground(word.text, WordLeft, word.rightMargin, word.top, lineSpacing, WordSize, Yellow);
    }
    WriteOnBackground(LastLine(), 40, 100, 680, lineSpacing);
}
