#include "OsztalyBe.h"

#include "framework/Colours.h"
#include "framework/Controls.h"
#include "framework/Fonts.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "platform/CourseError.h"
#include "platform/HungarianText.h"
#include "platform/VirtualKey.h"
#include "shell/Board.h"
#include "shell/IModule.h"

#include <QLabel>
#include <QLineEdit>

namespace {
const QColor Blue = DelphiColor(0xFF0000);
const QColor Red = DelphiColor(0x0000FF);
} // namespace

TOsztalyBe::TOsztalyBe() : TBaseBillForm(QStringLiteral("OsztalyBe"))
{
    LoadBackground(QStringLiteral("osztaly_input.jpg"));

    osztaly_ = Controls::TypingBox(this, QRect(112, 256, 641, 68), PixelFont(QStringLiteral("Arial"), 53, true),
                                   Controls::HotLight);
    enter_ = new TImage(this, QRect(880, 344, 120, 137));
    enter_->OnClick = [this] { enterClick(); };
    bckspace_ = new TImage(this, QRect(895, 184, 98, 57));
    bckspace_->OnClick = [this] { bckspaceClick(); };
    for (TImage* clickable : {enter_, bckspace_})
        clickable->setCursor(Qt::PointingHandCursor);
    lblHiba_ = Controls::Label(this, QRect(96, 192, 657, 46),
                               QStringLiteral("A beírható szavak: elsős, másodikas vagy másodikos, \n"
                                              "harmadikas vagy harmadikos, negyedikes."),
                               PixelFont(QStringLiteral("Arial"), 19), Red, Qt::AlignHCenter | Qt::AlignTop);
    lblHiba_->hide();
    lblBeck_ = Controls::Label(this, QRect(888, 248, 129, 49),
                               QStringLiteral("Backspace (bekszpész) billentyű. Ezt használd a törléshez!"),
                               PointFont(QStringLiteral("Arial"), 8), Blue, Qt::AlignLeft | Qt::AlignTop, true);
    imgOdon_ = new TImage(this, QRect(600, 352, 234, 261));
    imgOdon_->SetPng(LoadPng(QStringLiteral("osszefoglal\\odon.png")));

    OnControlKeyDown(osztaly_, [this](int& key, Qt::KeyboardModifiers) { osztalyKeyDown(key); });
    setFocusProxy(osztaly_);
}

const QStringList& TOsztalyBe::GradeWords()
{
    static const QStringList words = {
        QStringLiteral("elsős"),      QStringLiteral("másodikos"),  QStringLiteral("másodikas"),
        QStringLiteral("harmadikos"), QStringLiteral("harmadikas"), QStringLiteral("negyedikes"),
        QStringLiteral("ötödikes"),
    };
    return words;
}

bool TOsztalyBe::ValidGrade(const QString& typed)
{
    // No trimming: a blank before or after the word makes it another word.
    return GradeWords().contains(HungarianText::Lower(typed));
}

void TOsztalyBe::ShowPage()
{
    TBaseBillForm::ShowPage();
    const auto name = Board::Text(Controller(), QStringLiteral("USERNAME"));
    if (!name)
        throw TCourseError(QStringLiteral("ERROR in OsztalyBe page: Not found USERNAME!"));

    TCanvas& canvas = hatter()->Canvas();
    canvas.BrushClear = true;
    const QFont font = PointFont(QStringLiteral("Arial"), 16);
    canvas.SetFont(font, Blue);
    const int step = canvas.TextHeight(QStringLiteral("ÁÉŐÚÓÜÖŰQML")) + 5;
    const QStringList lines = {
        "Kedves " + *name + ", Kábel Ödön vagyok!",
        QStringLiteral("Én mutatom be neked a billentyűzetet."),
        QStringLiteral("Egy fehér csíkot látsz, villog benne egy fekete pálcika, "),
        QStringLiteral("amit kurzornak neveznek. A kurzor jelzi a gépelés helyét."),
        QStringLiteral("Most írd be, hogy hányadikos vagy!"),
        QStringLiteral("Ha eltéveszted, a törléshez használd a"),
        QStringLiteral("Backspace (bekszpész) billentyűt,"),
        QStringLiteral("amit az ENTER felett találsz!"),
        QStringLiteral("Ha kész, nyomd meg az ENTER-t!"),
    };
    int y = 370;
    for (const QString& line : lines) {
        canvas.TextOut(140, y, line);
        y += step;
    }
    lblBeck_->setFont(PointFont(QStringLiteral("Arial"), 8));
}

void TOsztalyBe::osztalyKeyDown(int& key)
{
    switch (key) {
    case VirtualKey::Return:
        key = 0;
        CheckGrade();
        return;
    case VirtualKey::Left:
    case VirtualKey::Up:
    case VirtualKey::Right:
    case VirtualKey::Down:
        key = 0; // the caret stays where it is
        lblHiba_->hide();
        return;
    default:
        lblHiba_->hide();
        return;
    }
}

void TOsztalyBe::enterClick()
{
    CheckGrade();
}

void TOsztalyBe::bckspaceClick() {}

void TOsztalyBe::CheckGrade()
{
    const QString typed = osztaly_->text();
    if (!ValidGrade(typed)) {
        lblHiba_->show();
        return;
    }
    auto module = Module();
    Board::PutText(Controller(), QStringLiteral("OSZTALY"), typed);
    module->Notify();
}
