#include "PrgEditorForm.h"

#include "framework/Fonts.h"
#include "framework/Menu.h"

#include <QPlainTextEdit>

namespace {
const QStringList Introduction{
    QString(),
    QStringLiteral("Ezzel a programmal szöveget gépelhetsz. Enter = Új sor. "),
    QStringLiteral("Backspace = Törlés a kurzortól balra. Delete = Törlés a kurzortól "),
    QStringLiteral("jobbra. A kurzort az egérrel vagy a négy nyílbillentyűvel "),
    QStringLiteral("irányíthatod. A legépelt szöveget a menü segítségével át is "),
    QStringLiteral("alakíthatod, azaz formázhatod."),
    QStringLiteral("Ha kész vagy, esetleg meguntad, akkor zárd be a programot!"),
};

enum TStyle { Italic = 1, Bold = 2, StrikeOut = 3, Underline = 4 };
constexpr int StartSize = 14;
constexpr int Black = 6;

QColor ColourOf(int tag)
{
    switch (tag) {
    case 1: return {255, 0, 0};
    case 2: return {0, 0, 255};
    case 3: return {255, 255, 0};
    case 4: return {0, 128, 0};
    case 5: return {255, 174, 26};
    case 7: return {128, 128, 128};
    default: return Qt::black;
    }
}
} // namespace

TPrgEditorForm::TPrgEditorForm(QWidget* host)
    : TPrgProgramWindow(host, QStringLiteral("PrgEditorForm"), QStringLiteral("PrgEditorForm"), QSize(662, 529), Top)
{
    AllowSize = AllowMaximize = AllowMinimize = AllowMove = false;
    SetBorder(TWindowFrame::TBorder::Single);
    SetBorderIcons({.systemMenu = true, .minimize = false, .maximize = false});
    UseIcon(QStringLiteral("prg/gepelo16.png"));

    auto* menu = new TMenu(this);
    TMenuItem& top = menu->Add(QStringLiteral("Menü"));
    styles_ = &top.Add(QStringLiteral("Betűstílus "));
    styles_->Add(QStringLiteral("Dőlt"), Italic);
    styles_->Add(QStringLiteral("Félkövér"), Bold).Checked = true;
    styles_->Add(QStringLiteral("Áthúzott"), StrikeOut);
    styles_->Add(QStringLiteral("Aláhúzott"), Underline);
    sizes_ = &top.Add(QStringLiteral("Betűméret "));
    for (int size = 10; size <= 30; size += 2)
        sizes_->Add(QString::number(size), size).Checked = size == StartSize;
    colours_ = &top.Add(QStringLiteral("Betűszín "));
    const QStringList colourNames{QStringLiteral("piros"), QStringLiteral("kék"),    QStringLiteral("sárga"),
                                  QStringLiteral("zöld"),  QStringLiteral("narancs"), QStringLiteral("fekete"),
                                  QStringLiteral("szürke")};
    for (int tag = 1; tag <= colourNames.size(); ++tag)
        colours_->Add(colourNames.at(tag - 1), tag).Checked = tag == Black;
    top.Add(QStringLiteral("Szöveg törlése "), 0, QStringLiteral("clear"));
    top.Add(QStringLiteral("Kilépés"), 0, QStringLiteral("exit"));
    menu->OnChoose = [this](TMenuItem& item) { Choose(item); };
    SetMenu(menu);

    memo_ = new QPlainTextEdit(Client());
    memo_->setGeometry(Client()->rect());
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The start font is the checked "14" points, bold, black.
    memo_->setFont(PointFont(QStringLiteral("Arial"), StartSize, true));
    QPalette colours = memo_->palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    memo_->setPalette(colours);
    memo_->setPlainText(Introduction.join(u'\n'));
}

void TPrgEditorForm::Choose(TMenuItem& item)
{
    if (item.Name == QLatin1String("exit")) {
        Close();
        return;
    }
    if (item.Name == QLatin1String("clear")) {
        memo_->clear();
        return;
    }
    item.Checked = !item.Checked;
    if (item.Parent() == styles_) {
        ApplyStyle(item.Tag, item.Checked);
    } else if (item.Parent() == sizes_) {
        QFont font = memo_->font();
        font.setPixelSize(PointFont(font.family(), item.Tag).pixelSize());
        memo_->setFont(font);
    } else if (item.Parent() == colours_) {
        ApplyColour(item.Tag);
    }
}

void TPrgEditorForm::ApplyStyle(int tag, bool on)
{
    QFont font = memo_->font();
    switch (tag) {
    case Italic: font.setItalic(on); break;
    case Bold: font.setBold(on); break;
    case StrikeOut: font.setStrikeOut(on); break;
    case Underline: font.setUnderline(on); break;
    default: return;
    }
    memo_->setFont(font);
}

void TPrgEditorForm::ApplyColour(int tag)
{
    QPalette colours = memo_->palette();
    colours.setColor(QPalette::Text, ColourOf(tag));
    memo_->setPalette(colours);
}
