#include "ModulValaszt.h"

#include "framework/Colours.h"
#include "framework/Controls.h"
#include "framework/Fonts.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "platform/CourseError.h"
#include "platform/SchoolSettings.h"
#include "platform/Services.h"
#include "platform/VirtualKey.h"
#include "shell/Board.h"

#include <QLabel>
#include <QPainter>

namespace {

struct TTileSpec {
    const char* name;
    int left;
    int top;
};

// Row by row, as the tiles stand on the background.
const TTileSpec TileSpecs[] = {
    {"billentyu", 52, 137}, {"egerezes", 208, 137}, {"gombok", 364, 137},  {"jelolesek", 520, 137},
    {"listadobozok", 676, 137}, {"panelek", 52, 428}, {"ablakok", 208, 428}, {"menuk", 364, 428},
    {"programok", 520, 428}, {"osszefogl", 676, 428},
};

const QColor Blue = DelphiColor(0xFF0000);
const QString ModeKey = QStringLiteral("MODULVALASZT");

const QStringList GreetingLines(const QString& name)
{
    return {
        "Kedves " + name + "!",
        QStringLiteral("Gondolom, használtál már számítógépet, ha másra nem is,"),
        QStringLiteral("már biztosan játszottál vele. Ha nem, az sem baj!"),
        QStringLiteral("Már ismerjük egymást. A mi kis baráti körünk fog téged kalauzolni a programban."),
        QStringLiteral(" "),
        QStringLiteral("Mi segítünk majd neked a tanulásban. Ha hívsz, akkor súgunk!"),
        QStringLiteral("Felkészültél? Kezdhetjük?"),
        QStringLiteral("Ha igen, akkor keresd meg, majd nyomd le a T billentyűt!"),
        QStringLiteral("Csak arra vigyázz, hogy ne ragadjon rá az ujjad, "),
        QStringLiteral("vagyis ne tartsd hosszú ideig lenyomva! "),
        QStringLiteral("Elég egyszer megnyomni! Rajta!"),
    };
}

// A tile the school turned off: its picture in grey, faded, with a padlock over it.
QImage ClosedTile(const QImage& tile)
{
    QImage closed = tile.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_RGB32);
    QPainter painter(&closed);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(closed.rect(), QColor(255, 255, 255, 120));
    const QPoint centre = closed.rect().center() + QPoint(0, 20);
    const QColor lock(70, 70, 80);
    painter.setPen(QPen(lock, 9, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRect(centre.x() - 22, centre.y() - 50, 44, 60), 0, 180 * 16);
    painter.drawLine(centre.x() - 22, centre.y() - 20, centre.x() - 22, centre.y() - 8);
    painter.drawLine(centre.x() + 22, centre.y() - 20, centre.x() + 22, centre.y() - 8);
    painter.setPen(Qt::NoPen);
    painter.setBrush(lock);
    painter.drawRoundedRect(QRect(centre.x() - 36, centre.y() - 10, 72, 56), 8, 8);
    painter.setBrush(QColor(220, 220, 225));
    painter.drawEllipse(QPoint(centre.x(), centre.y() + 12), 7, 7);
    painter.drawRect(QRect(centre.x() - 3, centre.y() + 14, 6, 18));
    return closed;
}

} // namespace

TModulValaszt::TModulValaszt() : TBaseForm(QStringLiteral("ModulValaszt"))
{
    LoadBackground(QStringLiteral("modul_valaszto.jpg"));

    enter_ = new TImage(this, QRect(880, 344, 120, 137));
    enter_->OnClick = [this] { enterClick(); };
    kilep_ = new TImage(this, QRect(918, 645, 50, 52));
    kilep_->OnClick = [this] { kilepClick(); };
    for (int i = 0; i < Rows * Columns; ++i) {
        auto* tile = new TImage(this, QRect(TileSpecs[i].left, TileSpecs[i].top, 140, 273));
        tile->setObjectName(QString::fromLatin1(TileSpecs[i].name));
        tile->OnClick = [this, i] { ablakokClick(i); };
        tile->OnMouseMove = [this, i](QPoint) { ablakokMouseMove(i); };
        tiles_[static_cast<std::size_t>(i)] = tile;
    }
    for (TImage* clickable : {enter_, kilep_})
        clickable->setCursor(Qt::PointingHandCursor);
    lblKilep_ = Controls::Label(this, QRect(896, 704, 105, 25), QStringLiteral("Kilépés a programból."),
                                PointFont(QStringLiteral("Arial"), 8), Blue);
    lblKilep_->hide();
    // The greeting panel lies over the tiles, so in intro mode the mouse cannot reach them.
    imgEmptyScr_ = new TImage(this, QRect(35, 120, 800, 600));

    head_ = LoadPng(QStringLiteral("nora_feje.png"));
}

QString TModulValaszt::SelectedTopic() const
{
    return QString::fromLatin1(TileSpecs[SelectedIndex()].name).toUpper();
}

bool TModulValaszt::TileOpen(int row, int column) const
{
    return Services::Settings().TopicOffered(QString::fromLatin1(TileSpecs[Index(row, column)].name));
}

int TModulValaszt::SelectedIndex() const
{
    return mouseSelection_ ? mouseTile_ : Index(row_, column_);
}

QPoint TModulValaszt::HeadPosition() const
{
    const TTileSpec& tile = TileSpecs[SelectedIndex()];
    return QPoint(tile.left + 5, tile.top + 50);
}

void TModulValaszt::ShowPage()
{
    const auto mode = Board::Text(Controller(), ModeKey);
    if (!mode)
        throw TCourseError("Cannot Start the" + ModeKey + "page: parameters are not setted");
    if (*mode == QLatin1String("BEVEZETO"))
        StartIntro();
    else if (*mode == QLatin1String("VALASZT"))
        StartChooser();
    TBaseForm::ShowPage();
}

void TModulValaszt::ClosePage()
{
    if (mode_ == TMode::Intro)
        return;
    TBaseForm::ClosePage();
}

void TModulValaszt::StartIntro()
{
    DrawImageFile(QStringLiteral("empty_screen.jpg"), *imgEmptyScr_);
    TCanvas& canvas = imgEmptyScr_->Canvas();
    canvas.BrushClear = true;
    // At 16 points the longest line ("Már ismerjük egymást. …") reached the panel's frame; one
    // point less keeps it well inside, and every line stays as written.
    canvas.SetFont(PointFont(QStringLiteral("Arial"), 15), Blue);
    const auto name = Board::Text(Controller(), QStringLiteral("USERNAME"));
    if (!name)
        throw TCourseError(QStringLiteral("USERNAME not found in ModulValaszt"));
    const int step = canvas.TextHeight(QStringLiteral("ŰÁÚŐÉQÜ")) + 5;
    int y = 85;
    for (const QString& line : GreetingLines(*name)) {
        canvas.TextOut(50, y, line);
        y += step;
    }
    mode_ = TMode::Intro;
}

void TModulValaszt::StartChooser()
{
    delete imgEmptyScr_;
    imgEmptyScr_ = nullptr;

    TCanvas& canvas = hatter()->Canvas();
    canvas.BrushClear = true;
    const QFont font = PointFont(QStringLiteral("Arial"), 8);
    canvas.SetFont(font, Blue);
    const int h = canvas.TextHeight(QStringLiteral("ASKLIOWŰÁÚŐÚŐÜÖ"));
    auto centred = [&canvas](int y, const QString& line) { canvas.TextOut(940 - canvas.TextWidth(line) / 2, y, line); };
    const QStringList choose = {QStringLiteral("Ha kiválasztottad a témakört"),
                                QStringLiteral("akkor üsd le az ENTER billentyűt!"), QStringLiteral("Kattinthatsz is!")};
    for (int i = 0; i < choose.size(); ++i)
        centred(485 + i * (h + 2), choose[i]);
    const QStringList move = {QStringLiteral("A nyilak vagy az egér"), QStringLiteral("segítségével mozgasd Nórát,"),
                              QStringLiteral("és így váltasz témakört!")};
    for (int i = 0; i < move.size(); ++i)
        centred(210 + i * (h + 4), move[i]);

    for (int i = 0; i < Rows * Columns; ++i) {
        if (TileOpen(i / Columns + 1, i % Columns + 1))
            continue;
        const QRect tile = tiles_[static_cast<std::size_t>(i)]->geometry();
        canvas.Draw(tile.left(), tile.top(), ClosedTile(canvas.CopyRect(tile)));
        tiles_[static_cast<std::size_t>(i)]->setCursor(Qt::ForbiddenCursor);
    }

    lblKilep_->setFont(font);
    lblKilep_->adjustSize(); // the whole sentence, full stop included
    lblKilep_->show();
    mode_ = TMode::Chooser;
    DrawHead();
}

void TModulValaszt::FormKeyDown(int& key, Qt::KeyboardModifiers)
{
    switch (key) {
    case VirtualKey::Escape:
        ConfirmExit();
        break;
    case VirtualKey::Return:
        if (mode_ == TMode::Chooser)
            Choose();
        break;
    case VirtualKey::Left:
    case VirtualKey::Up:
    case VirtualKey::Right:
    case VirtualKey::Down:
        if (mode_ == TMode::Chooser) {
            EraseHead();
            Move(key);
            DrawHead();
        }
        break;
    default:
        break;
    }
}

void TModulValaszt::FormKeyPress(QChar& key)
{
    if (mode_ == TMode::Intro && (key == 't' || key == 'T'))
        NotifyModule();
}

void TModulValaszt::enterClick()
{
    if (mode_ == TMode::Chooser) {
        if (!SelectedOpen())
            return;
        PostModul();
    }
    NotifyModule();
}

bool TModulValaszt::SelectedOpen() const
{
    return Services::Settings().TopicOffered(SelectedTopic());
}

void TModulValaszt::ablakokClick(int tile)
{
    if (mode_ != TMode::Chooser)
        return;
    mouseSelection_ = true;
    mouseTile_ = tile;
    Choose();
}

void TModulValaszt::ablakokMouseMove(int tile)
{
    if (mode_ != TMode::Chooser || (mouseSelection_ && mouseTile_ == tile))
        return;
    EraseHead();
    mouseSelection_ = true;
    mouseTile_ = tile;
    DrawHead();
}

void TModulValaszt::kilepClick()
{
    ConfirmExit();
}

void TModulValaszt::PostModul()
{
    Board::PutText(Controller(), QStringLiteral("MODUL"), SelectedTopic());
}

void TModulValaszt::Choose()
{
    // A closed tile opens nothing; the head stays on it so the learner sees which one it was.
    if (!SelectedOpen())
        return;
    PlaySoundFile(QStringLiteral("select.wav"));
    PostModul();
    NotifyModule();
}

void TModulValaszt::Move(int key)
{
    if (mouseSelection_) {
        mouseSelection_ = false;
        row_ = mouseTile_ / Columns + 1;
        column_ = mouseTile_ % Columns + 1;
    }
    switch (key) {
    case VirtualKey::Left:
        column_ = column_ == 1 ? Columns : column_ - 1;
        break;
    case VirtualKey::Right:
        column_ = column_ == Columns ? 1 : column_ + 1;
        break;
    default: // up and down both switch rows
        row_ = row_ == 1 ? 2 : 1;
        break;
    }
}

void TModulValaszt::DrawHead()
{
    const QPoint at = HeadPosition();
    TCanvas& canvas = hatter()->Canvas();
    // The saved spot is the head's own size, so erasing puts back exactly what it covered.
    savedBackground_ = canvas.CopyRect(QRect(at, head_.size()));
    canvas.Draw(at.x(), at.y(), head_);
    headDrawn_ = true;
    PlaySoundFile(QStringLiteral("selector.wav"));
}

void TModulValaszt::EraseHead()
{
    if (!headDrawn_)
        return;
    hatter()->Canvas().Draw(HeadPosition().x(), HeadPosition().y(), savedBackground_);
    headDrawn_ = false;
}
