#include "mediakit/topics/buttons/ButtonsPlaces.h"
#include "mediakit/topics/buttons/ButtonsClipsArt.h"
#include "mediakit/topics/buttons/ButtonsPicturesArt.h"
#include "mediakit/topics/buttons/ButtonsScreensArt.h"
#include "mediakit/topics/buttons/PuzzleArt.h"
#include "mediakit/topics/mouse/GameButtonsMedia.h"
#include "mediakit/preview/PreviewOutput.h"
#include "mediakit/preview/PreviewPaint.h"
#include "topics/buttons/EnglishWords.h"
#include "topics/buttons/GombAngolForm.h"
#include "topics/buttons/GombEszkoztarakForm.h"
#include "topics/buttons/GombGombForm.h"
#include "topics/buttons/GombKerdesekForm.h"
#include "topics/buttons/GombKirakoForm.h"
#include "topics/buttons/GombSokfalytaForm.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>

namespace {

namespace Places = ButtonsPlaces;
using PreviewPaint::Over;

// Text as the page's writer puts it: Arial at a point size, wrapped between the margins, lines
// top + n × (height + spacing).
QImage Written(const QImage& page, int left, int right, int top, int spacing, const QString& text,
               QColor colour = QColor(0, 0, 255), int pointSize = 16)
{
    QImage result = page;
    QPainter painter(&result);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pointSize * 4 / 3);
    painter.setFont(font);
    painter.setPen(colour);
    const QFontMetrics metrics(font);
    const int width = page.width() - left - right;
    int line = 0;
    for (const QString& paragraph : text.split(QStringLiteral("<BR>"))) {
        QString current;
        for (const QString& word : paragraph.split(' ', Qt::SkipEmptyParts)) {
            const QString tried = current.isEmpty() ? word : current + ' ' + word;
            if (metrics.horizontalAdvance(tried) > width && !current.isEmpty()) {
                painter.drawText(QPoint(left, top + line++ * (metrics.height() + spacing) + metrics.ascent()), current);
                current = word;
            } else {
                current = tried;
            }
        }
        painter.drawText(QPoint(left, top + line++ * (metrics.height() + spacing) + metrics.ascent()), current);
    }
    return result;
}

// A classic grey push button with its caption, as the pages' controls look.
QImage WithButton(const QImage& page, QRect rect, const QString& caption, int pixelSize = 14)
{
    QImage result = page;
    QPainter painter(&result);
    painter.fillRect(rect, QColor(0xd4, 0xd0, 0xc8));
    painter.setPen(Qt::white);
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(QColor(0x40, 0x40, 0x40));
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(rect, Qt::AlignCenter, caption);
    return result;
}

} // namespace

// buttonspreview OUTPUT_DIR: the buttons topic's pictures as plain PNGs, the pages with sample
// text and controls where the pages put them, and the review sheet.
int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    TPreviewOutput out;
    if (!out.Open(argc, argv, "buttonspreview OUTPUT_DIR"))
        return 2;

    const QImage back = GameButtonsMedia::BackButton();
    out.Save(GameButtonsMedia::ExitGameButton(), "button_exitgame.png");
    out.Save(back, "button_beck.png");

    QImage lesson = ButtonsScreensArt::LessonScreen();
    out.Save(lesson, "bg_gombgombform.png");
    QImage gomb = Written(lesson, 70, 80, 220, 5, TGombGombForm::Instruction());
    gomb = WithButton(gomb, QRect(355, 530, 170, 60), TGombGombForm::ButtonCaption(), 24);
    out.Save(Over(gomb, back, Places::BackPicture.topLeft()), "page_gombgomb.png");
    const QImage toolBar = ButtonsScreensArt::ToolBarScreen();
    out.Save(toolBar, "bg_gombeszkoztarakform.png");
    QImage tools = Written(toolBar, 80, 200, 215, 3, TGombEszkoztarakForm::Instruction());
    tools = Written(tools, 80, 100, 420, 3, TGombEszkoztarakForm::ToolsCaption(), QColor(255, 255, 51));
    tools = Written(tools, 480, 100, 420, 3, TGombEszkoztarakForm::HousesCaption(), QColor(255, 255, 51));
    for (int i = 0; i < 4; ++i) {
        tools = WithButton(tools, QRect(59 + 88 * i, 450, 75, 75), QString());
        tools = WithButton(tools, QRect(483 + 88 * i, 450, 75, 75), QString());
    }
    out.Save(Over(tools, back, Places::BackPicture.topLeft()), "page_eszkoztarak.png");

    const QImage shapes = ButtonsScreensArt::ShapesScreen();
    out.Save(shapes, "bg_gombsokfalytaform.png");
    QImage shapesPage = Written(shapes, 70, 80, 215, 3, TGombSokfalytaForm::Instruction());
    shapesPage = WithButton(shapesPage, Places::NormalButton, TGombSokfalytaForm::ButtonCaption());
    shapesPage = WithButton(shapesPage, Places::ColouredButton, TGombSokfalytaForm::ButtonCaption());
    out.Save(Over(shapesPage, back, Places::BackPicture.topLeft()), "page_sokfalyta.png");

    const QImage puzzle = ButtonsScreensArt::PuzzleScreen();
    out.Save(puzzle, "bg_gombkirakoform.png");
    const QImage puzzlePage = Written(puzzle, 40, 100, 490, 3, TGombKirakoForm::Instruction());
    out.Save(Over(puzzlePage, back, Places::BackPicture.topLeft()), "page_kirako.png");

    const QImage english = ButtonsScreensArt::EnglishScreen();
    out.Save(english, "bg_gombangolform.png");
    QImage englishPage = Written(english, 40, 200, 110, 3, TGombAngolForm::Introduction());
    for (const EnglishWords::TWord& word : EnglishWords::Words()) {
        englishPage = Written(englishPage, 60, word.rightMargin, word.top, 3, word.text, QColor(255, 255, 17), 14);
        englishPage = WithButton(englishPage, QRect(TGombAngolForm::ButtonPlace(word), QSize(75, 25)),
                                 QString(word.caption).remove('&'), 12);
    }
    englishPage = Written(englishPage, 40, 100, 680, 3, TGombAngolForm::LastLine());
    out.Save(Over(englishPage, back, Places::BackPicture.topLeft()), "page_angol.png");

    const QImage quiz = ButtonsScreensArt::QuizScreen();
    out.Save(quiz, "bg_gombkerdesekform.png");
    const QImage help = ButtonsScreensArt::HelpPanel();
    out.Save(help, "gombkerdesekform_help.png");
    QImage quizPage = quiz;
    for (int q = 1; q <= 12; ++q) {
        const int top = TGombKerdesekForm::RowTop(q);
        quizPage = Written(quizPage, 40, 148, top - 22, 23, TGombKerdesekForm::Question(q), QColor(0, 0, 255), 14);
        const QStringList answers = TGombKerdesekForm::Answers(q);
        for (int a = 0; a < answers.size(); ++a)
            quizPage = WithButton(quizPage, QRect(40 + 90 * a, top, 81, 20), answers[a], 12);
    }
    out.Save(Over(quizPage, back, Places::BackPicture.topLeft()), "page_kerdesek.png");
    out.Save(Over(Over(quiz, Written(help, 20, 20, 20, 10, EnglishWords::HelpText(), QColor(0, 0, 255), 14),
                       Places::HelpPanel.topLeft()),
                  back, Places::BackPicture.topLeft()),
             "page_kerdesek_help.png");
    // Every small picture on one sheet, on the page grey and on white.
    std::vector<std::pair<QString, QImage>> pictures = {
        {"exitgame", GameButtonsMedia::ExitGameButton()}, {"beck", back},
        {"roundBtn", ButtonsPicturesArt::RoundButton()}, {"ellipseBtn", ButtonsPicturesArt::EllipseButton()},
        {"noraBtn", ButtonsPicturesArt::NoraButton()}, {"mini_nora", ButtonsPicturesArt::MiniNora()},
        {"pipa", ButtonsPicturesArt::CheckMark()}};
    for (const auto& picture : ButtonsPicturesArt::LargePictures())
        pictures.push_back({picture.suffix, picture.image});
    for (const auto& glyph : ButtonsPicturesArt::Glyphs())
        pictures.push_back({glyph.suffix, glyph.image});
    for (int n = 1; n <= 2; ++n) {
        pictures.push_back({QStringLiteral("nagy%1").arg(n), PuzzleArt::Picture(n)});
        pictures.push_back({QStringLiteral("valaszt%1").arg(n), PuzzleArt::Thumbnail(n)});
    }
    QImage sheet(1400, 1000, QImage::Format_RGB32);
    sheet.fill(QColor(0xdd, 0xdd, 0xdd));
    {
        QPainter painter(&sheet);
        QPoint at(10, 10);
        int rowHeight = 0;
        for (const auto& [name, image] : pictures) {
            if (at.x() + image.width() > sheet.width() - 10) {
                at = QPoint(10, at.y() + rowHeight + 24);
                rowHeight = 0;
            }
            painter.drawImage(at, image);
            painter.setPen(Qt::black);
            painter.drawText(QRect(at.x(), at.y() + image.height() + 2, image.width() + 40, 18), name);
            at.rx() += std::max(image.width(), 90) + 14;
            rowHeight = std::max(rowHeight, image.height());
        }
    }
    out.Save(sheet, "sheet_pictures.png");

    // The tool-bar page with its glyphs on the buttons and the first tool and house shown.
    const auto glyphs = ButtonsPicturesArt::Glyphs();
    const auto large = ButtonsPicturesArt::LargePictures();
    QImage toolsShown = tools;
    for (int i = 0; i < 4; ++i) {
        toolsShown = Over(toolsShown, glyphs[i].image, QPoint(59 + 88 * i + 13, 463));
        toolsShown = Over(toolsShown, glyphs[4 + i].image, QPoint(483 + 88 * i + 13, 463));
    }
    toolsShown = Over(Over(toolsShown, large[0].image, Places::ToolPicture.topLeft()), large[5].image,
                      Places::HousePicture.topLeft());
    out.Save(toolsShown, "page_eszkoztarak_shown.png");

    // The puzzle with its first picture in tiles (85 px pieces on 89 px buttons) and the thumbnails.
    QImage puzzleShown = Over(Over(puzzlePage, PuzzleArt::Thumbnail(1), Places::PuzzleChoice1.topLeft()),
                              PuzzleArt::Thumbnail(2), Places::PuzzleChoice2.topLeft());
    const QImage big = PuzzleArt::Picture(1);
    for (int k = 0; k < 9; ++k) {
        const QRect slot(37 + 89 * (k % 3), 117 + 89 * (k / 3), 89, 89);
        puzzleShown = WithButton(puzzleShown, slot, QString());
        puzzleShown = Over(puzzleShown, big.copy(85 * (k % 3), 85 * (k / 3), 85, 85), slot.topLeft() + QPoint(2, 2));
    }
    out.Save(puzzleShown, "page_kirako_shown.png");

    // The shapes page with its picture buttons.
    QImage shapesShown = Over(shapesPage, ButtonsPicturesArt::RoundButton(), Places::RoundButton.topLeft());
    shapesShown = Over(shapesShown, ButtonsPicturesArt::EllipseButton(), Places::EllipseButton.topLeft());
    shapesShown = Over(shapesShown, ButtonsPicturesArt::NoraButton(), Places::NoraButton.topLeft());
    out.Save(shapesShown, "page_sokfalyta_shown.png");

    using namespace ButtonsClipsArt;
    const std::pair<const char*, std::vector<QImage>> clips[] = {
        {"meghajlas", Bowing()}, {"gugolas", Squatting()}, {"forgas", Spinning()}, {"integetes", Waving()},
        {"cigany", Cartwheel()}, {"fokuszalas", FocusPress()}, {"aktiv_bal", ActiveHead()},
        {"inaktiv_jobb", InactiveHead()}, {"kirakos", PuzzleSolved()}};
    for (const auto& [name, frames] : clips)
        out.Clip(name, frames, 8);

    // The review sheet: six pages at half size, every small picture, and one frame of each clip.
    const QImage pages[] = {gomb, shapesShown, toolsShown, puzzleShown, englishPage, quizPage};
    QImage review(QSize(1980, 2 * 394 + 20 + sheet.height() + 340), QImage::Format_RGB32);
    review.fill(Qt::white);
    {
        QPainter painter(&review);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        for (int i = 0; i < 6; ++i)
            painter.drawImage(QRect(10 + (i % 3) * 522, 10 + (i / 3) * 394, 512, 384), pages[i]);
        painter.drawImage(QPoint(10, 2 * 394 + 10), sheet);
        int x = 10;
        for (const auto& [name, frames] : clips) {
            const QImage& frame = frames[frames.size() / 6];
            painter.drawImage(QPoint(x, review.height() - 330), frame);
            x += frame.width() + 8;
        }
    }
    out.Save(review, "buttons_media_sheet.png");
    return out.Result();
}
