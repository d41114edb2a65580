#include "LateRegistration.h"

#include <QApplication>
#include <QDir>
#include <benchmark/benchmark.h>

// Every benchmark program runs headless with one application object, from its own folder, so that
// the build's media are found at ../res as the course finds them.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    LateRegistration::RunAll();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
