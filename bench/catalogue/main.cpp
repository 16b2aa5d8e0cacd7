// Listing a data folder of 2,000 vocabulary files of about 50 KB each with
// their titles (ReadCatalogue: enumeration, order, TitelLesen), beside the
// floor of reading the same files' bytes with nothing else, and beside taking
// each title from the whole file. The cache is warm for all of them: each is
// run once unmeasured, then they take turns. Reports the median processor
// time (the machine is shared with builds) and the median wall time.
// Usage: bench_catalogue [files] [runs]

#include "base/FileAccess.h"
#include "data/folders/Catalogue.h"
#include "data/text/SystemCodePage.h"
#include "data/vocab/TitelLesen.h"

#include <QElapsedTimer>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include <ctime>

namespace {

struct Case
{
    const char *name;
    QString title; // %1 = number of the file
    std::function<QByteArray(const QString &)> encode;
};

struct Times
{
    std::vector<double> cpu;
    std::vector<double> wall;
};

double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A title line and entries up to about 50 KB in the given encoding.
QByteArray vocabularyFile(const Case &c, int number)
{
    QString text = c.title.arg(number) + QStringLiteral("\r\n");
    QByteArray bytes;
    for (int i = 0; bytes.size() < 50 * 1024; i += 64) {
        for (int j = i; j < i + 64; ++j) {
            text += QStringLiteral("K\u00E4sebr\u00F6tchen Nr. %1\r\n").arg(j);
            text += QStringLiteral("cheese roll no. %1|bun\r\n").arg(j);
        }
        bytes = c.encode(text);
    }
    return bytes;
}

template<typename Job>
void measure(Times &times, Job job)
{
    QElapsedTimer wall;
    wall.start();
    const double cpu = cpuMs();
    job();
    times.cpu.push_back(cpuMs() - cpu);
    times.wall.push_back(double(wall.nsecsElapsed()) / 1e6);
}

} // namespace

int main(int argc, char **argv)
{
    const int files = argc > 1 ? std::atoi(argv[1]) : 2000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 7;

    const auto utf16 = [](const QString &t) {
        return QByteArray("\xFF\xFE") + QStringEncoder(QStringEncoder::Utf16LE).encode(t);
    };
    const std::vector<Case> cases = {
        {"UTF-16, ASCII title", QStringLiteral("Wortliste %1"), utf16},
        {"UTF-16, umlaut title", QStringLiteral("Gem\u00FCse %1"), utf16},
        {"UTF-8, ASCII title", QStringLiteral("Wortliste %1"),
         [](const QString &t) { return t.toUtf8(); }},
        {"UTF-8, umlaut title", QStringLiteral("Gem\u00FCse %1"),
         [](const QString &t) { return t.toUtf8(); }},
        {"8-bit, umlaut title", QStringLiteral("Gem\u00FCse %1"),
         [](const QString &t) { return toSystemCodePage(t); }},
    };

    std::printf("%d files, median of %d runs, processor time (wall time)\n", files, runs);
    std::printf("%-22s %8s %21s %21s %7s %21s %21s\n", "files", "KB each", "listing with titles",
                "floor: read bytes", "ratio", "of it: names in order", "whole-file titles");
    for (const Case &c : cases) {
        QTemporaryDir dir;
        const QString folder = dir.path() + u'/';
        qsizetype fileSize = 0;
        for (int i = 0; i < files; ++i) {
            const QByteArray bytes = vocabularyFile(c, i);
            fileSize = bytes.size();
            QFile file(folder + QStringLiteral("liste%1.dat").arg(i, 4, 10, QLatin1Char('0')));
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
                return 1;
            }
        }
        const QStringList paths = CatalogueFiles(folder);

        Times listing;
        Times floor;
        Times whole;
        Times names;
        qsizetype checksum = 0;
        Times warmUp; // the first run of each fills the cache and is not counted
        for (int r = 0; r <= runs; ++r) {
            measure(r == 0 ? warmUp : floor, [&] {
                for (const QString &path : paths)
                    checksum += readWholeFile(path).size();
            });
            measure(r == 0 ? warmUp : listing, [&] {
                QList<CatalogueRow> rows;
                ReadCatalogue(folder, rows);
                checksum += rows.size();
            });
            measure(r == 0 ? warmUp : names, [&] { checksum += CatalogueFiles(folder).size(); });
            measure(r == 0 ? warmUp : whole, [&] {
                for (const QString &path : CatalogueFiles(folder))
                    checksum += titleOfFileBytes(readWholeFile(path)).size();
            });
        }
        const double l = median(listing.cpu);
        const double f = median(floor.cpu);
        std::printf(
            "%-22s %8lld %9.1f (%6.1f) ms %9.1f (%6.1f) ms %6.2fx %9.1f (%6.1f) ms %9.1f (%6.1f) ms\n",
            c.name, static_cast<long long>(fileSize / 1024), l, median(listing.wall), f,
            median(floor.wall), l / f, median(names.cpu), median(names.wall), median(whole.cpu),
            median(whole.wall));
        std::fflush(stdout);
        if (checksum == 0)
            return 1;
    }
    return 0;
}
