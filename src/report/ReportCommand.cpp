#include "ReportCommand.h"

#include "ClassReport.h"
#include "platform/ResultsStore.h"
#include "platform/SchoolSettings.h"

#include <QDir>

namespace ReportCommand {

namespace {

const char* const HelpText =
    "Használat: bitlak-report [KAPCSOLÓ]...\n"
    "Az osztály eredménylapja: a tanulók értékelései osztályonként és név szerint, témakörönként,\n"
    "nyomtatható PDF-ben (A4) és HTML-ben (bitlak-eredmenyek.pdf, bitlak-eredmenyek.html).\n"
    "Az eredményeket az /etc/bitlak/bitlak.conf [results] részében megadott helyről olvassa.\n"
    "\n"
    "Kapcsolók:\n"
    "  --from ÉÉÉÉ-HH-NN   csak az ettől a naptól kezdve kapott értékelések\n"
    "  --to ÉÉÉÉ-HH-NN     csak az eddig a napig kapott értékelések\n"
    "  --grade SZÓ         csak egy osztály (például: harmadikos)\n"
    "  --out MAPPA         ide írja a két fájlt (alapesetben a munkamappába)\n"
    "  --help              kiírja ezt a súgót, és kilép\n";

} // namespace

int Run(const QStringList& arguments, const QString& settingsPath, QString& out, QString& err)
{
    TClassReport::TOptions options;
    QString folder = QStringLiteral(".");
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& option = arguments[i];
        if (option == QLatin1String("--help")) {
            out = QString::fromUtf8(HelpText);
            return 0;
        }
        const bool takesValue = option == QLatin1String("--from") || option == QLatin1String("--to")
                                || option == QLatin1String("--grade") || option == QLatin1String("--out");
        if (!takesValue || i + 1 >= arguments.size()) {
            err = QStringLiteral("bitlak-report: %1: %2\nA kapcsolók listáját a „bitlak-report --help” parancs írja ki.\n")
                      .arg(takesValue ? QStringLiteral("hiányzik az érték") : QStringLiteral("ismeretlen kapcsoló"),
                           option);
            return 2;
        }
        const QString value = arguments[++i];
        if (option == QLatin1String("--grade")) {
            options.grade = value;
        } else if (option == QLatin1String("--out")) {
            folder = value;
        } else {
            const QDate date = QDate::fromString(value, Qt::ISODate);
            if (!date.isValid()) {
                err = QStringLiteral("bitlak-report: %1 %2: ÉÉÉÉ-HH-NN alakú dátum kell\n").arg(option, value);
                return 2;
            }
            (option == QLatin1String("--from") ? options.from : options.to) = date;
        }
    }

    const TSchoolSettings settings(settingsPath);
    for (const QString& problem : settings.Problems())
        err += problem + QLatin1Char('\n');
    if (settings.Store() == TSchoolSettings::TStore::Off) {
        err += QStringLiteral("bitlak-report: az eredmények tárolása ki van kapcsolva (%1: [results] store = off)\n")
                   .arg(settingsPath);
        return 2;
    }
    TResultsStore store(settings, QStringLiteral("bitlak-report"));
    if (!store.Open()) {
        err += QStringLiteral("bitlak-report: az eredmények nem olvashatók: %1\n").arg(store.Error());
        return 1;
    }
    const QDateTime from = options.from.isValid() ? options.from.startOfDay() : QDateTime();
    const TClassReport report(store.Rows(from), options, QDateTime::currentDateTime());

    const QDir target(folder);
    const QString pdf = target.filePath(QStringLiteral("bitlak-eredmenyek.pdf"));
    const QString html = target.filePath(QStringLiteral("bitlak-eredmenyek.html"));
    if (!target.exists() || !report.WriteHtml(html) || !report.WritePdf(pdf)) {
        err += QStringLiteral("bitlak-report: nem írható: %1\n").arg(QDir::cleanPath(target.absolutePath()));
        return 1;
    }
    out = QStringLiteral("%1 értékelés\n%2\n%3\n").arg(report.Evaluations()).arg(pdf, html);
    return 0;
}

} // namespace ReportCommand
