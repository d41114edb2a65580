// The course under load and bad input. Usage:
//   course_soak [--events N] [--fuzz N] [--seed S] [--results-store] [--speech]
// --events: learner's events sent to the whole course; --fuzz: damaged inputs per reader
// (pictures, clips, sounds); --seed: the run to replay; --results-store: the school's results
// store on (SQLite in a temporary folder), each evaluation read stored once; --speech: every page,
// balloon and dialog read aloud by the real voice as it appears (and on the reading key), into a
// recording sink. Prints its figures; a failure prints the
// seed and the event or input so that the run can be replayed.
#include "CourseDrive.h"
#include "ProcessMemory.h"
#include "ReaderFuzz.h"
#include "SoakStore.h"
#include "platform/EspeakVoice.h"
#include "platform/RecordingVoiceSink.h"
#include "platform/SchoolSettings.h"
#include "platform/Services.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <memory>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <thread>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

void ReportCurrentInput()
{
    const char* input = ReaderFuzz::CurrentInput();
    if (input[0] != '\0') {
        const char* lead = "\ncourse_soak: failed on ";
        [[maybe_unused]] auto a = ::write(2, lead, std::strlen(lead));
        [[maybe_unused]] auto b = ::write(2, input, std::strlen(input));
        [[maybe_unused]] auto c = ::write(2, "\n", 1);
    }
}

void OnCrash(int signal)
{
    ReportCurrentInput();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

struct TOptions {
    long events = 100000;
    int fuzz = 10000;
    std::uint64_t seed = std::random_device{}();
    bool resultsStore = false;
    bool speech = false;
};

TOptions Parse(const QStringList& arguments)
{
    TOptions options;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        bool ok = hasValue;
        if (argument == QLatin1String("--speech"))
            ok = options.speech = true;
        else if (argument == QLatin1String("--events") && hasValue)
            options.events = arguments[++i].toLong(&ok);
        else if (argument == QLatin1String("--fuzz") && hasValue)
            options.fuzz = arguments[++i].toInt(&ok);
        else if (argument == QLatin1String("--seed") && hasValue)
            options.seed = arguments[++i].toULongLong(&ok);
        else if (argument == QLatin1String("--results-store"))
            ok = options.resultsStore = true;
        else
            ok = false;
        if (!ok || options.fuzz < 0 || options.events < 0) {
            std::fprintf(stderr, "usage: course_soak [--events N] [--fuzz N] [--seed S] [--results-store] [--speech]\n");
            std::exit(2);
        }
    }
    return options;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const TOptions options = Parse(app.arguments());
    for (int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT})
        std::signal(signal, OnCrash);
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback(ReportCurrentInput);
#endif
    std::printf("course_soak: seed %llu\n", static_cast<unsigned long long>(options.seed));
    std::fflush(stdout);
    // A reader that makes no progress for half a minute hangs: say on what, and stop.
    std::thread([] {
        long seen = -1;
        int still = 0;
        for (;;) {
            std::this_thread::sleep_for(std::chrono::seconds(1));
            const long now = ReaderFuzz::InputsRead();
            still = now == seen && ReaderFuzz::CurrentInput()[0] != '\0' ? still + 1 : 0;
            seen = now;
            if (still >= 30) {
                std::fprintf(stderr, "course_soak: no progress for 30 s, a reader hangs");
                ReportCurrentInput();
                std::_Exit(3);
            }
        }
    }).detach();

    // Reading on: the school's settings say every page, and the real voice makes every word.
    QTemporaryDir settingsFolder;
    std::unique_ptr<TSchoolSettings> settings;
    TRecordingVoiceSink voiceSink(4);
    std::unique_ptr<TEspeakVoice> voice;
    if (options.speech) {
        QFile file(settingsFolder.filePath(QStringLiteral("bitlak.conf")));
        if (!file.open(QIODevice::WriteOnly) || file.write("[speech]\nmode = every page\n") < 0)
            return 2;
        file.close();
        settings = std::make_unique<TSchoolSettings>(file.fileName());
        voice = std::make_unique<TEspeakVoice>(voiceSink);
        if (!voice->WaitReady()) {
            std::fprintf(stderr, "course_soak: the Hungarian voice did not load\n");
            return 2;
        }
        Services::SetSettings(settings.get());
        Services::SetVoice(voice.get());
    }

    int failed = 0;
    if (options.events > 0) {
        std::unique_ptr<TSoakStore> store;
        if (options.resultsStore) {
            store = std::make_unique<TSoakStore>();
            if (!store->Failure().isEmpty()) {
                std::fprintf(stderr, "course_soak: %s\n", qPrintable(store->Failure()));
                return 1;
            }
        }
        QElapsedTimer clock;
        clock.start();
        TCourseDrive drive(options.seed);
        const QString failure = drive.Run(options.events);
        const double seconds = clock.elapsed() / 1000.0;
        std::printf("course: %ld events in %.1f s, %.0f events/s\n", drive.EventsDone(), seconds,
                    drive.EventsDone() / std::max(seconds, 0.001));
        for (auto module = drive.PagesVisited().begin(); module != drive.PagesVisited().end(); ++module) {
            QStringList pages = module.value().values();
            pages.sort();
            std::printf("course: %-14s %2d pages: %s\n", qPrintable(module.key()), int(pages.size()),
                        qPrintable(pages.join(", ")));
        }
        if (!failure.isEmpty()) {
            std::fprintf(stderr, "course_soak: %s\n", qPrintable(failure));
            ++failed;
        }
        if (store) {
            const QString stored = store->Finish();
            if (!stored.isEmpty()) {
                std::fprintf(stderr, "course_soak: %s\n", qPrintable(stored));
                ++failed;
            }
        }
        std::fflush(stdout);
    }
    if (options.fuzz > 0) {
        QElapsedTimer clock;
        clock.start();
        const ReaderFuzz::TOutcome fuzz = ReaderFuzz::Run(options.fuzz, options.seed);
        for (const ReaderFuzz::TReaderResult& reader : fuzz.readers)
            std::printf("readers: %-4s %6d inputs, %6d refused, %6d read within the limits\n",
                        qPrintable(reader.reader), reader.inputs, reader.refused, reader.inputs - reader.refused);
        std::printf("readers: %.1f s\n", clock.elapsed() / 1000.0);
        for (const QString& failure : fuzz.failures)
            std::fprintf(stderr, "course_soak: %s\n", qPrintable(failure));
        failed += int(fuzz.failures.size());
    }
    if (voice) {
        std::printf("speech: %d stops of the voice\n", voiceSink.Stops());
        Services::SetVoice(nullptr);
        Services::SetSettings(nullptr);
    }
    std::printf("peak resident memory: %ld MB\n", ProcessMemory::PeakResidentKb() / 1024);
    if (failed > 0)
        std::fprintf(stderr, "course_soak: %d failures; replay with --seed %llu\n", failed,
                     static_cast<unsigned long long>(options.seed));
    return failed > 0 ? 1 : 0;
}
