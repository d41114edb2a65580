#include "CommandLine.h"

#include <cstdio>

namespace {

const char* const HelpText =
    "Használat: bitlak [KAPCSOLÓ]\n"
    "A Bitlak tanfolyam teljes képernyőn tanítja a számítógép használatát.\n"
    "\n"
    "Kapcsolók:\n"
    "  --window         1024 × 768-as ablakban fut, nem teljes képernyőn\n"
    "  --check-config   kiírja az iskolai beállításokat (/etc/bitlak/bitlak.conf), ahogy a program\n"
    "                   használja őket, és kilép (2-vel, ha valamelyik érték hibás)\n"
    "  --help           kiírja ezt a súgót, és kilép\n"
    "  --version        kiírja a program változatát, és kilép\n"
    "\n"
    "Kilépés a tanfolyamból: a névbeíró oldalon vagy a témakörválasztón az Esc billentyű\n"
    "vagy a kilépés jele, majd az „Igen” gomb.\n";

} // namespace

TCommandLine TCommandLine::Parse(const QStringList& arguments, const QString& version, const QString& settingsPath)
{
    TCommandLine command;
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--window")) {
            command.windowed_ = true;
        } else if (argument == QLatin1String("--help")) {
            command.startsCourse_ = false;
            command.text_ = QString::fromUtf8(HelpText);
            return command;
        } else if (argument == QLatin1String("--check-config")) {
            const TSchoolSettings settings(settingsPath);
            command.startsCourse_ = false;
            command.checked_ = true;
            command.text_ = settings.Describe();
            if (!settings.Problems().isEmpty()) {
                command.problems_ = settings.Problems().join(QLatin1Char('\n')) + QLatin1Char('\n');
                command.exitCode_ = 2;
            }
            return command;
        } else if (argument == QLatin1String("--version")) {
            command.startsCourse_ = false;
            command.text_ = QStringLiteral("Bitlak %1\n").arg(version);
            return command;
        } else {
            command.startsCourse_ = false;
            command.exitCode_ = 2;
            command.text_ = QStringLiteral("bitlak: ismeretlen kapcsoló: %1\n"
                                           "A kapcsolók listáját a „bitlak --help” parancs írja ki.\n")
                                .arg(argument);
            return command;
        }
    }
    return command;
}

int TCommandLine::Answer() const
{
    std::fputs(text_.toUtf8().constData(), exitCode_ == 0 || checked_ ? stdout : stderr);
    std::fputs(problems_.toUtf8().constData(), stderr);
    return exitCode_;
}
