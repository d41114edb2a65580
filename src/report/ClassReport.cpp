#include "ClassReport.h"

#include "platform/HungarianText.h"

#include <QFile>
#include <QMap>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextDocument>

#include <algorithm>

namespace {

struct TTopicTitle {
    const char* word;
    const char* title;
};

// The chooser's words and the titles on its tiles, in the chooser's order.
const TTopicTitle Topics[] = {
    {"BILLENTYU", "Billentyűzet"}, {"EGEREZES", "Egerezés"}, {"GOMBOK", "Gombok"},
    {"JELOLESEK", "Jelölések"},     {"LISTADOBOZOK", "Listadobozok"}, {"PANELEK", "Panelek"},
    {"ABLAKOK", "Ablakok"},         {"MENUK", "Menük"},      {"PROGRAMOK", "Programok"},
    {"OSSZEFOGL", "Összefoglalás"},
};

const QStringList GradeOrder = {
    QStringLiteral("elsős"),      QStringLiteral("másodikas"),  QStringLiteral("másodikos"),
    QStringLiteral("harmadikas"), QStringLiteral("harmadikos"), QStringLiteral("negyedikes"),
    QStringLiteral("ötödikes"),
};

int TopicIndex(const QString& word)
{
    for (int i = 0; i < static_cast<int>(std::size(Topics)); ++i)
        if (word == QLatin1String(Topics[i].word))
            return i;
    return static_cast<int>(std::size(Topics));
}

QString TopicTitle(const QString& word)
{
    const int index = TopicIndex(word);
    return index < static_cast<int>(std::size(Topics)) ? QString::fromUtf8(Topics[index].title) : word;
}

QString GradeKey(const QString& grade)
{
    return HungarianText::Lower(grade.trimmed());
}

bool GradeBefore(const QString& a, const QString& b)
{
    const qsizetype ia = GradeOrder.indexOf(a) < 0 ? GradeOrder.size() : GradeOrder.indexOf(a);
    const qsizetype ib = GradeOrder.indexOf(b) < 0 ? GradeOrder.size() : GradeOrder.indexOf(b);
    if (ia != ib)
        return ia < ib;
    return HungarianText::Compare(a, b) < 0;
}

// The evaluation's own lines without what the sheet says elsewhere (topic, name, grade) and the
// page's instruction to go on.
QStringList EvaluationLines(const QString& text)
{
    QStringList lines;
    for (const QString& part : text.split(QRegularExpression(QStringLiteral("<BR>"), QRegularExpression::CaseInsensitiveOption))) {
        const QString line = part.trimmed();
        if (line.isEmpty() || line.startsWith(QStringLiteral("Témakör:")) || line.startsWith(QStringLiteral("Név:"))
            || line.startsWith(QStringLiteral("Évfolyam:")) || line.startsWith(QStringLiteral("Ha elolvastad")))
            continue;
        lines << line;
    }
    return lines;
}

QString Day(const QDate& date)
{
    return date.toString(QStringLiteral("yyyy. MM. dd."));
}

} // namespace

TClassReport::TClassReport(const std::vector<TEvaluationRecord>& records, TOptions options, QDateTime made)
    : options_(std::move(options)), made_(std::move(made))
{
    const QString grade = GradeKey(options_.grade);
    for (const TEvaluationRecord& record : records) {
        const QDate day = record.time.toLocalTime().date();
        if ((options_.from.isValid() && day < options_.from) || (options_.to.isValid() && day > options_.to))
            continue;
        if (!grade.isEmpty() && GradeKey(record.grade) != grade)
            continue;
        records_.push_back(record);
    }
    std::stable_sort(records_.begin(), records_.end(), [](const TEvaluationRecord& a, const TEvaluationRecord& b) {
        const QString ga = GradeKey(a.grade);
        const QString gb = GradeKey(b.grade);
        if (ga != gb)
            return GradeBefore(ga, gb);
        if (const int byName = HungarianText::Compare(a.name.trimmed(), b.name.trimmed()); byName != 0)
            return byName < 0;
        if (TopicIndex(a.topic) != TopicIndex(b.topic))
            return TopicIndex(a.topic) < TopicIndex(b.topic);
        return a.time < b.time;
    });
}

QString TClassReport::Html() const
{
    QString html;
    html += QStringLiteral("<!DOCTYPE html>\n<html lang=\"hu\"><head><meta charset=\"utf-8\">"
                           "<title>Bitlak – a tanulók eredményei</title><style>"
                           "body { font-family: 'Liberation Sans', Arial, sans-serif; font-size: 10pt; }"
                           "h1 { font-size: 16pt; } h2 { font-size: 14pt; margin-top: 14pt; }"
                           "h3 { font-size: 12pt; margin-top: 10pt; margin-bottom: 4pt; }"
                           "table { border-collapse: collapse; width: 100%; }"
                           "th, td { border: 1px solid #888; padding: 3px; vertical-align: top; text-align: left; }"
                           "th { background: #e4e4e4; }"
                           "</style></head><body>\n");
    html += QStringLiteral("<h1>Bitlak – a tanulók eredményei</h1>\n<p>");
    QString period = QStringLiteral("minden nap");
    if (options_.from.isValid() || options_.to.isValid())
        period = (options_.from.isValid() ? Day(options_.from) : QString()) + QStringLiteral(" – ")
                 + (options_.to.isValid() ? Day(options_.to) : QString());
    html += QStringLiteral("Időszak: %1<br>").arg(period.toHtmlEscaped());
    if (!options_.grade.isEmpty())
        html += QStringLiteral("Osztály: %1<br>").arg(GradeKey(options_.grade).toHtmlEscaped());
    html += QStringLiteral("Készült: %1</p>\n")
                .arg(made_.toLocalTime().toString(QStringLiteral("yyyy. MM. dd. HH:mm")));
    if (records_.empty())
        html += QStringLiteral("<p>Nincs eredmény a megadott időszakban.</p>\n");

    QString grade;
    QString name;
    bool firstGrade = true;
    bool tableOpen = false;
    const auto closeTable = [&] {
        if (tableOpen)
            html += QStringLiteral("</table>\n");
        tableOpen = false;
    };
    for (const TEvaluationRecord& record : records_) {
        const QString recordGrade = GradeKey(record.grade);
        if (firstGrade || recordGrade != grade) {
            closeTable();
            // Each grade starts a new sheet on paper.
            html += QStringLiteral("<h2%1>Osztály: %2</h2>\n")
                        .arg(firstGrade ? QString() : QStringLiteral(" style=\"page-break-before: always\""),
                             recordGrade.isEmpty() ? QStringLiteral("(nincs megadva)") : recordGrade.toHtmlEscaped());
            grade = recordGrade;
            name.clear();
            firstGrade = false;
        }
        if (!tableOpen || record.name.trimmed() != name) {
            closeTable();
            name = record.name.trimmed();
            html += QStringLiteral("<h3>%1</h3>\n<table cellspacing=\"0\" cellpadding=\"3\" border=\"1\" width=\"100%\">"
                                   "<tr><th width=\"18%\">Témakör</th><th width=\"25%\">Dátum</th>"
                                   "<th>Értékelés</th></tr>\n")
                        .arg(name.toHtmlEscaped());
            tableOpen = true;
        }
        QStringList lines;
        for (const QString& line : EvaluationLines(record.text))
            lines << line.toHtmlEscaped();
        html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>\n")
                    .arg(TopicTitle(record.topic).toHtmlEscaped(),
                         // one line whatever the column's width
                         record.time.toLocalTime().toString(QStringLiteral("yyyy. MM. dd. HH:mm"))
                             .replace(QLatin1Char(' '), QStringLiteral("&nbsp;")),
                         lines.join(QStringLiteral("<br>")));
    }
    closeTable();
    html += QStringLiteral("</body></html>\n");
    return html;
}

bool TClassReport::WriteHtml(const QString& path) const
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(Html().toUtf8()) >= 0 && file.flush();
}

bool TClassReport::WritePdf(const QString& path) const
{
    QPdfWriter writer(path);
    if (!writer.setPageSize(QPageSize(QPageSize::A4)))
        return false;
    writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    writer.setResolution(300);
    writer.setTitle(QStringLiteral("Bitlak – a tanulók eredményei"));
    writer.setCreator(QStringLiteral("bitlak-report"));
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 10));
    document.setHtml(Html());
    document.print(&writer);
    return QFile::exists(path) && QFile(path).size() > 0;
}
