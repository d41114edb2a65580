#include "SpokenText.h"

#include "BalloonHint.h"
#include "Image.h"
#include "MenuBar.h"
#include "PopupMenu.h"
#include "PracticeWindow.h"
#include "ProgressBar.h"
#include "SpinEdit.h"
#include "TaskBar.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTextDocumentFragment>
#include <QTextEdit>

#include <algorithm>
#include <vector>

namespace {

// Kept on the picture itself, so that it goes wherever the picture's texts go.
constexpr const char* ParagraphEnds = "bitlakParagraphEnds";

struct TPiece {
    QPoint at;
    QString text;
};

// The options a learner ticks or picks: their captions are what the task asks about.
bool Option(const QWidget* widget)
{
    return qobject_cast<const QCheckBox*>(widget) || qobject_cast<const QRadioButton*>(widget);
}

// Controls the learner works with: their captions and contents are not instructions.
bool Control(const QWidget* widget)
{
    return (qobject_cast<const QAbstractButton*>(widget) && !Option(widget)) || qobject_cast<const QComboBox*>(widget)
           || qobject_cast<const QAbstractItemView*>(widget) || qobject_cast<const QLineEdit*>(widget)
           || qobject_cast<const QTextEdit*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget)
           || qobject_cast<const QAbstractSlider*>(widget) || qobject_cast<const TSpinEdit*>(widget)
           || qobject_cast<const TMenuBar*>(widget) || qobject_cast<const TPopupMenu*>(widget)
           || qobject_cast<const TTaskBar*>(widget) || qobject_cast<const TProgressBar*>(widget);
}

QString LabelText(const QLabel& label)
{
    const QString text = label.text();
    if (label.textFormat() == Qt::PlainText || (label.textFormat() == Qt::AutoText && !Qt::mightBeRichText(text)))
        return text;
    // Rich text keeps its line breaks as pauses.
    QString marked = text;
    marked.replace(QStringLiteral("<br>"), QStringLiteral("\n"), Qt::CaseInsensitive);
    marked.replace(QStringLiteral("<br/>"), QStringLiteral("\n"), Qt::CaseInsensitive);
    return QTextDocumentFragment::fromHtml(marked).toPlainText();
}

QString BalloonText(const TBalloonHint& balloon)
{
    QStringList parts;
    if (!balloon.Title().trimmed().isEmpty())
        parts << balloon.Title();
    if (!balloon.Text().trimmed().isEmpty())
        parts << balloon.Text();
    return parts.join(QStringLiteral("<BR>"));
}

void Collect(const QWidget* shown, const QWidget* parent, std::vector<TPiece>& pieces)
{
    for (QObject* object : parent->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (!child || child->isHidden() || Control(child) || child->isWindow())
            continue;
        const QPoint at = child->mapTo(shown, QPoint(0, 0));
        QString text;
        if (auto* picture = qobject_cast<TImage*>(child))
            text = SpokenText::OfPicture(*picture);
        else if (auto* label = qobject_cast<QLabel*>(child))
            text = LabelText(*label);
        else if (auto* balloon = qobject_cast<TBalloonHint*>(child))
            text = BalloonText(*balloon);
        else if (auto* option = qobject_cast<QAbstractButton*>(child))
            text = option->text();
        else if (auto* group = qobject_cast<QGroupBox*>(child))
            text = group->title();
        if (!text.trimmed().isEmpty())
            pieces.push_back({at, text.trimmed()});
        Collect(shown, child, pieces);
    }
}

const TBalloonHint* OpenBalloon(const QWidget* shown)
{
    for (const TBalloonHint* balloon : shown->findChildren<TBalloonHint*>())
        if (!balloon->isHidden() && TBalloonHint::Current(balloon->parentWidget()) == balloon)
            return balloon;
    return nullptr;
}

} // namespace

namespace SpokenText {

void NoteParagraphEnd(TImage& picture)
{
    QList<int> ends = picture.property(ParagraphEnds).value<QList<int>>();
    const int lines = int(picture.Texts().size());
    if (lines > 0 && (ends.isEmpty() || ends.last() != lines)) {
        ends << lines;
        picture.setProperty(ParagraphEnds, QVariant::fromValue(ends));
    }
}

void ForgetParagraphs(TImage& picture)
{
    if (picture.property(ParagraphEnds).isValid())
        picture.setProperty(ParagraphEnds, QVariant());
}

QString OfPicture(const TImage& picture)
{
    const QStringList& lines = picture.Texts();
    const QList<int> ends = picture.property(ParagraphEnds).value<QList<int>>();
    QString text;
    for (int i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += ends.contains(i) ? QStringLiteral("<BR>") : QStringLiteral(" ");
        text += lines[i].trimmed();
    }
    return text;
}

QString Of(const QWidget* shown)
{
    if (!shown)
        return {};
    if (const TBalloonHint* balloon = OpenBalloon(shown))
        return BalloonText(*balloon);
    std::vector<TPiece> pieces;
    Collect(shown, shown, pieces);
    // Rows from the top; pieces whose tops lie within a line's height of each other share a row.
    std::stable_sort(pieces.begin(), pieces.end(), [](const TPiece& a, const TPiece& b) { return a.at.y() < b.at.y(); });
    constexpr int SameRow = 12;
    for (std::size_t start = 0; start < pieces.size();) {
        std::size_t end = start + 1;
        while (end < pieces.size() && pieces[end].at.y() - pieces[start].at.y() <= SameRow)
            ++end;
        std::stable_sort(pieces.begin() + std::ptrdiff_t(start), pieces.begin() + std::ptrdiff_t(end),
                         [](const TPiece& a, const TPiece& b) { return a.at.x() < b.at.x(); });
        start = end;
    }
    QStringList texts;
    for (const TPiece& piece : pieces)
        texts << piece.text;
    return texts.join(QStringLiteral("<BR>"));
}

} // namespace SpokenText
