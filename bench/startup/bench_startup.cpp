// Time from starting the program to its main window painted, measured from
// outside as the whole run of a build that ends right after the first
// paint, beside a bare Qt window program built the same way: once with Qt's
// default window size, once as large as the main window (the work area), as
// painting the larger window is a good part of the difference. All run in turn, 21 times each, with private folders;
// the medians are reported. With DISPLAY set the same is measured on X11
// as well as offscreen.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int runs = 21;

QProcessEnvironment environment(const QTemporaryDir &world, const QString &platform)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), world.filePath(QStringLiteral("home")));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), world.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), world.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    return env;
}

// Milliseconds of one run, or -1 when it did not end cleanly.
double runOnce(const QString &program, const QStringList &arguments, const QProcessEnvironment &env)
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0)
        return -1;
    return double(clock.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

bool measure(const QString &platform)
{
    QTemporaryDir world;
    if (!world.isValid())
        return false;
    const QProcessEnvironment env = environment(world, platform);
    std::vector<double> program, bare, large;
    for (int i = 0; i < runs; ++i) {
        const double p = runOnce(QStringLiteral(LW_STARTUP_PROGRAM), {}, env);
        const double b = runOnce(QStringLiteral(LW_BARE_PROGRAM), {}, env);
        const double l =
            runOnce(QStringLiteral(LW_BARE_PROGRAM), {QStringLiteral("workarea")}, env);
        if (p < 0 || b < 0 || l < 0) {
            std::fprintf(stderr, "%s: a run failed\n", qPrintable(platform));
            return false;
        }
        program.push_back(p);
        bare.push_back(b);
        large.push_back(l);
    }
    const double p = median(program), b = median(bare), l = median(large);
    std::printf("%s, start to painted window, median of %d runs:\n"
                "  program                        %6.1f ms\n"
                "  bare Qt window                 %6.1f ms   program / bare %.2f\n"
                "  bare Qt window, work area size %6.1f ms   program / bare %.2f\n",
                qPrintable(platform), runs, p, b, p / b, l, p / l);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    bool ok = measure(QStringLiteral("offscreen"));
    if (!qEnvironmentVariableIsEmpty("DISPLAY"))
        ok = measure(QStringLiteral("xcb")) && ok;
    return ok ? 0 : 1;
}
