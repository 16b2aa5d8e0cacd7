// Loading a large vocabulary file with DatenEinlesen, beside the floor of
// reading and decoding the same bytes with nothing else. Reports median times,
// their ratio and the peak memory of each case (each runs in a child process
// of its own). The floor decodes with the fastest decoder Qt offers for the
// encoding (a plain copy for UTF-16 in the host's byte order). Usage: bench_loading [entries] [runs]

#include "base/MessageDialog.h"
#include "data/text/SystemCodePage.h"
#include "data/vocab/DatenEinlesen.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include <ctime>

#include <malloc.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class SilentDialog : public MessageDialog
{
public:
    MsgResult MessageDlg(const QString &, MsgIcon, MsgButtons) override { return MsgResult::Ok; }
};

struct Case
{
    const char *name;
    QString fileName;
    std::function<QByteArray(const QString &)> encode;
    std::function<QString(const QByteArray &)> decode; // the floor's decoder
};

QString vocabulary(int entries)
{
    QString text = QStringLiteral("Gro\u00DFe Wortliste\r\n");
    text.reserve(entries * 40);
    for (int i = 0; i < entries; ++i) {
        text += QStringLiteral("K\u00E4sebr\u00F6tchen Nr. %1 \u00FCber M\u00FChle\r\n").arg(i);
        text += QStringLiteral("cheese roll no. %1 over mill|roll & bun\r\n").arg(i);
    }
    return text;
}

// Processor time of this process, kernel time (page faults) included: the
// machine is shared with builds, and wall time would measure them too.
double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double medianMs(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

long peakRssMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// Runs in a child process so that its peak memory is its own. The floor and
// the loading take turns, after one unmeasured run of each, so that neither
// pays alone for the first touch of fresh memory.
void measure(const Case &c, const QString &path, int runs)
{
    // Freed memory stays with the process, so the runs after the first reuse
    // it: on sandboxed machines a first touch of a fresh page costs tens of
    // microseconds and would drown everything else measured here.
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);

    std::vector<double> loading;
    std::vector<double> floor;
    qsizetype items = 0;
    qsizetype decodedSize = 0;
    // The floor alone first: its peak memory, unmixed with the loading's.
    c.decode(readAll(path));
    const long floorPeak = peakRssMb();
    for (int r = 0; r <= runs; ++r) {
        double start = cpuMs();
        {
            const QString decoded = c.decode(readAll(path));
            decodedSize = decoded.size();
        }
        const double floorMs = cpuMs() - start;

        Eintragslisten listen;
        listen.Dateien = QStringList{path};
        SilentDialog dialog;
        start = cpuMs();
        DatenEinlesen(listen, dialog);
        const double loadingMs = cpuMs() - start;
        items = listen.MaxAnz;
        if (r > 0) {
            floor.push_back(floorMs);
            loading.push_back(loadingMs);
        }
    }
    const double l = medianMs(loading);
    const double f = medianMs(floor);
    std::printf("%-14s %9.1f ms %9.1f ms %6.2fx %9lld %8lld %8ld MB %8ld MB\n", c.name, l, f, l / f,
                static_cast<long long>(items), static_cast<long long>(decodedSize), floorPeak,
                peakRssMb());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{

    const int entries = argc > 1 ? std::atoi(argv[1]) : 200000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 7;

    QTemporaryDir dir;
    QString text = vocabulary(entries);
    const auto utf16 = [](const QString &t) {
        QStringEncoder encoder(QStringEncoder::Utf16LE);
        return QByteArray("\xFF\xFE") + encoder.encode(t);
    };
    const std::vector<Case> cases = {
        {"UTF-8", "utf8.dat", [](const QString &t) { return t.toUtf8(); },
         [](const QByteArray &b) { return QString::fromUtf8(b); }},
        {"UTF-16 LE", "utf16.dat", utf16,
         [](const QByteArray &b) {
             return QString::fromUtf16(reinterpret_cast<const char16_t *>(b.constData() + 2),
                                       (b.size() - 2) / 2);
         }},
        {"Windows-1252", "cp1252.dat", [](const QString &t) { return toSystemCodePage(t); },
         [](const QByteArray &b) { return fromSystemCodePage(b); }},
        {"50 MB line", "line.dat",
         [](const QString &) { return QByteArray(50 * 1024 * 1024, 'x'); },
         [](const QByteArray &b) { return QString::fromUtf8(b); }},
    };

    std::printf("%d entries, median processor time of %d runs; peak memory of the floor and of the "
                "whole case\n",
                entries, runs);
    std::printf("%-14s %12s %12s %7s %9s %8s %11s %11s\n", "file", "DatenEinlesen", "floor",
                "ratio", "items", "chars", "floor peak", "peak");
    for (const Case &c : cases) {
        QFile file(dir.filePath(c.fileName));
        if (!file.open(QIODevice::WriteOnly) || file.write(c.encode(text)) < 0) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
    }
    text = QString(); // the children start small
    std::fflush(stdout);
    for (const Case &c : cases) {
        const QString path = dir.filePath(c.fileName);
        const pid_t child = fork();
        if (child == 0) {
            measure(c, path, runs);
            _exit(0);
        }
        waitpid(child, nullptr, 0);
        QFile::remove(path);
    }
    return 0;
}
