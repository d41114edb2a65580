#include <QApplication>
#include <QFile>
#include <gtest/gtest.h>

#include <cstdio>

namespace {

// The process's resident memory now and at its peak, as the kernel reports them.
void ReportMemory()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:") || line.startsWith("VmHWM:"))
            std::printf("%s\n", line.simplified().constData());
}

} // namespace

// Every test program owns one application object, as the course does. With BITLAK_MEMORY_REPORT
// set, it reports its resident memory after the tests (docs/performance.md).
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    if (qEnvironmentVariableIsSet("BITLAK_MEMORY_REPORT"))
        ReportMemory();
    return result;
}
