// listspreview OUTPUT_DIR: the lists topic's pictures as plain PNGs, each background with mock
// controls and sample text in the page's places, the clips as contact sheets, and the review sheet.

#include "mediakit/preview/PreviewOutput.h"
#include "mediakit/preview/PreviewPage.h"
#include "mediakit/topics/lists/ListsClipsArt.h"
#include "mediakit/topics/lists/ListsPicturesArt.h"
#include "mediakit/topics/lists/ListsPlaces.h"
#include "mediakit/topics/lists/ListsScreensArt.h"
#include "platform/HungarianText.h"
#include "topics/lists/ListComboForm.h"
#include "topics/lists/ListEditableLBForm.h"
#include "topics/lists/ListKajakForm.h"
#include "topics/lists/ListMertekCsopForm.h"
#include "topics/lists/ListMindenkiForm.h"
#include "topics/lists/ListNamePlaces.h"
#include "topics/lists/ListReflexJatekForm.h"
#include "topics/lists/ListSzulinapForm.h"
#include "topics/lists/ListTVForm.h"
#include "topics/lists/List_LY_J_Form.h"

#include <QGuiApplication>
#include <QPainter>
#include <algorithm>

namespace {

namespace Places = ListsPlaces;

// Mock controls painted as the pages show them: list boxes, combos, buttons, labels and text.
struct TMock : TPreviewPage {
    using TPreviewPage::TPreviewPage;
    void List(QRect rect, const QStringList& items, int selected = -1)
    {
        painter.setPen(QColor(0x80, 0x80, 0x80));
        painter.setBrush(Qt::white);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(16);
        painter.setFont(font);
        for (int i = 0; i < items.size() && 4 + (i + 1) * 20 <= rect.height(); ++i) {
            const QRect row(rect.left() + 2, rect.top() + 2 + i * 20, rect.width() - 4, 20);
            if (i == selected)
                painter.fillRect(row, QColor(0x33, 0x66, 0xcc));
            painter.setPen(i == selected ? Qt::white : Qt::black);
            painter.drawText(row.adjusted(4, 0, 0, 0), Qt::AlignVCenter, items[i]);
        }
    }
    void Button(QRect rect, const QString& caption)
    {
        painter.setPen(QColor(0x70, 0x70, 0x70));
        painter.setBrush(QColor(0xe8, 0xe8, 0xe8));
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
        Text(rect, caption, 14, Qt::black, Qt::AlignCenter);
    }
};

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    TPreviewOutput out;
    if (!out.Open(argc, argv, "listspreview OUTPUT_DIR"))
        return 2;
    using namespace ListsScreensArt;
    const QImage next = [] {
        QImage b(Places::NextButton.size(), QImage::Format_RGB32);
        b.fill(QColor(0xe8, 0xe8, 0xe8));
        return b;
    }();

    {
        TMock mock(NamesScreen());
        mock.Text(Places::NamesText.adjusted(8, 6, -8, 0), TListMindenkiForm::Instruction());
        mock.List(Places::NamesList, TListMindenkiForm::Names(), 2);
        for (const auto& guide : ListNamePlaces::Guides)
            mock.Text(guide.label, QString::fromUtf8(guide.name), 18, QColor(0, 0, 255), Qt::AlignCenter);
        mock.Button(Places::NextButton, QString::fromUtf8("Tovább"));
        out.Page(mock.Done(), "names.png");
    }
    const auto firstFrame = [](const std::vector<QImage>& frames) { return frames.front(); };
    {
        TMock mock(FoodScreen());
        mock.Text(Places::FoodText.adjusted(8, 6, -8, 0), TListKajakForm::Instruction(), 21);
        mock.Picture(Places::FoodClip.topLeft(), firstFrame(ListsClipsArt::FoodClip()));
        mock.List(Places::FoodList, TListKajakForm::Foods());
        out.Page(mock.Done(), "food.png");
    }
    {
        TMock mock(FoodScreen());
        mock.Text(Places::FoodText.adjusted(8, 6, -8, 0), TListSzulinapForm::Instruction());
        mock.Picture(Places::FoodClip.topLeft(), firstFrame(ListsClipsArt::BirthdayClip()));
        const QRect lists = Places::BirthdayLists;
        mock.List(QRect(lists.left(), lists.top(), 120, 220), TListSzulinapForm::YearItems(2026));
        mock.List(QRect(lists.left() + 140, lists.top(), 140, 220), TListSzulinapForm::Months());
        mock.List(QRect(lists.left() + 300, lists.top(), 120, 220), TListSzulinapForm::Days());
        out.Page(mock.Done(), "birthday.png");
    }
    {
        TMock mock(TvScreen());
        mock.Text(Places::TvText.adjusted(8, 6, -8, 0), TListTVForm::Instruction(), 21);
        const QStringList shown = TListTVForm::Favourite();
        const int widths[] = {130, 250, 150, 130, 80, 80};
        int x = 24;
        for (int i = 0; i < 6; ++i) {
            mock.List(QRect(x, 568, widths[i], 26), {shown[i]});
            x += widths[i] + 12;
        }
        out.Page(mock.Done(), "tv.png");
    }
    {
        TMock mock(UnitsScreen());
        mock.Text(Places::UnitsText.adjusted(8, 6, -8, 0), TListMertekCsopForm::Instruction());
        const auto units = TListMertekCsopForm::MixedUnits();
        mock.List(Places::LengthList, units[0]);
        mock.List(Places::MassList, units[1]);
        mock.List(Places::TimeList, units[2]);
        mock.Button(QRect(240, 336, 105, 25), TListMertekCsopForm::RightCaption());
        mock.Button(QRect(240, 384, 105, 25), TListMertekCsopForm::LeftCaption());
        out.Page(mock.Done(), "units.png");
    }
    {
        TMock mock(BirdsScreen());
        mock.Picture(Places::KeyboardPicture.topLeft(), ListsPicturesArt::CtrlKeyboard());
        mock.Picture(Places::BirdsClip.topLeft(), firstFrame(ListsClipsArt::BirdsClip()));
        // The Ctrl pass: the birds in Hungarian order.
        QStringList birds = TList_LY_J_Form::Birds();
        std::sort(birds.begin(), birds.end(),
                  [](const QString& a, const QString& b) { return HungarianText::Compare(a, b) < 0; });
        mock.List(Places::LyList, birds, 4);
        mock.List(Places::JList, {});
        mock.Text(Places::Warning.adjusted(8, 8, -8, 0), TList_LY_J_Form::Warning, 20, QColor(0, 128, 0));
        mock.Text(Places::BirdsText.adjusted(8, 6, -8, 0), TList_LY_J_Form::CtrlText(), 19);
        out.Page(mock.Done(), "birds.png");
    }
    {
        TMock mock(ComboScreen());
        mock.Text(Places::ComboText.adjusted(8, 6, -8, 0), TListComboForm::Instruction(), 21);
        mock.List(Places::GirlsCombo.adjusted(0, 0, 0, -6), {TListComboForm::Prompt()});
        mock.List(Places::BoysCombo.adjusted(0, 0, 0, -6), {TListComboForm::Prompt()});
        mock.Picture(Places::ComboClip.topLeft(), ListsClipsArt::ComboClip()[14]);
        out.Page(mock.Done(), "combo.png");
    }
    {
        const QImage reflex = ReflexScreen(); // one background for the three pages
        TMock mock(reflex);
        mock.Text(Places::ReflexText, TListReflexJatekForm::Instruction());
        mock.Text(Places::ReflexWords, QString::fromUtf8("alma, körte, szilva"), 19, Qt::black, Qt::AlignCenter);
        mock.Text(Places::ReflexClock, "01:05", 24, QColor(0, 0, 255), Qt::AlignCenter);
        out.Page(mock.Done(), "reflex_start.png");
        TMock game(reflex);
        game.Text(Places::ReflexWords, QString::fromUtf8("alma, körte, szilva"), 19, Qt::black, Qt::AlignCenter);
        game.Text(Places::ReflexClock, "01:05", 24, QColor(0, 0, 255), Qt::AlignCenter);
        game.List(Places::ReflexFrom, {"alma", "asztal", QString::fromUtf8("körte"), "ablak", "szilva"}, 0);
        game.List(Places::ReflexTo, {"asztal"});
        out.Page(game.Done(), "reflex_game.png");
        TMock start(reflex);
        start.Picture(Places::ReflexStart.topLeft(), ListsPicturesArt::StartTitle());
        out.Page(start.Done(), "reflex_title.png");
    }
    {
        TMock mock(EditableScreen());
        // The insert phase: the names added so far, Nyilacska chosen to insert above.
        using TPhase = TListEditableLBForm::TPhase;
        const QString name = QStringLiteral("Kábel Ödön");
        mock.Text(Places::Paper, TListEditableLBForm::InsertOrder(name, QStringLiteral("Nyilacska")), 19, Qt::black,
                  Qt::AlignCenter | Qt::TextWordWrap);
        mock.List(Places::EditField, {name});
        mock.List(Places::EditableList, {QStringLiteral("Pixeles Tivadar"), QStringLiteral("Lemezke"),
                                         QStringLiteral("Nyilacska"), QStringLiteral("Digit Nóra")}, 2);
        const QStringList buttons = TListEditableLBForm::ButtonCaptions();
        for (int i = 0; i < 4; ++i)
            mock.Button(QRect(584, 272 + 64 * i, 137, 25), buttons[i]);
        mock.Text(QRect(736, 248 + TListEditableLBForm::HintStep, 257, 73), TListEditableLBForm::Hint(TPhase::Insert),
                  15, Qt::black, Qt::AlignCenter | Qt::TextWordWrap);
        mock.Text(Places::EditText, TListEditableLBForm::Instruction(TPhase::Insert), 17);
        out.Page(mock.Done(), "editable.png");
    }
    out.Save(ListsPicturesArt::CtrlKeyboard(), "keyboard_ctrl.png");
    out.Save(ListsPicturesArt::StartTitle(), "start.png");
    const std::pair<const char*, std::vector<QImage>> clips[] = {
        {"food", ListsClipsArt::FoodClip()}, {"birthday", ListsClipsArt::BirthdayClip()},
        {"birds", ListsClipsArt::BirdsClip()}, {"combo", ListsClipsArt::ComboClip()}};
    for (const auto& [name, frames] : clips)
        out.Clip(name, frames, 8);

    out.SaveReviewSheet("lists_media_sheet.png", out.ReviewSheet());
    return out.Result();
}
