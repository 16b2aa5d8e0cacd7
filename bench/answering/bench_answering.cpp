// Answers every entry of a 100,000-entry training in random order through
// the training logic and a window that only keeps what the logic reads back,
// and reports the cost per answer beside its floor: judging the same answers
// with nothing else.

#include "training/Antwortvergleich.h"
#include "training/Training.h"
#include "training/TrainingWindow.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

namespace {

class MinimalWindow : public TrainingWindow
{
public:
    QString edit1, edit2;
    std::mt19937 generator{20240601};

    MsgResult MessageDlg(const QString &, MsgIcon, MsgButtons) override { return MsgResult::No; }
    QString Edit1Text() const override { return edit1; }
    void SetEdit1Text(const QString &text) override { edit1 = text; }
    QString Edit2Text() const override { return edit2; }
    void SetEdit2Text(const QString &text) override { edit2 = text; }
    void SetEdit2ReadOnly(bool) override {}
    void SetEdit1Description(const QString &) override {}
    void Announce(const QString &) override {}
    void SetFocus(Control) override {}
    Control ActiveControl() const override { return Control::Edit2; }
    void SetEnabled(Command, bool) override {}
    void ClearLog() override {}
    void InsertLogLineAtTop(const QString &) override {}
    void LogCaretToStart() override {}
    void SetStatusPanel1(const QString &) override {}
    void SetStatusPanel2(const QString &) override {}
    void ProcessMessages() override {}
    int Random(int k) override
    {
        return k <= 0 ? 0 : std::uniform_int_distribution<int>(0, k - 1)(generator);
    }
    void WavAbspielen(const QString &, bool) override {}
    void MessageBeep() override {}
    bool Lerntyp() const override { return false; }
    int Anzeigetyp() const override { return 1; }
    bool ZufallS() const override { return true; }
    bool GrossKleinS() const override { return false; }
    bool SoundS() const override { return false; }
    bool MenuEinstDateienOhneSender() override { return false; }
    void MenuEinstOptionenClick() override {}
    bool DateiBearbeiten(const QString &, const QString &, const QString &) override
    {
        return false;
    }
};

struct Figures
{
    double median, p99, max, mean;
};

Figures figures(std::vector<qint64> ns)
{
    std::sort(ns.begin(), ns.end());
    double sum = 0;
    for (qint64 v : ns)
        sum += double(v);
    const auto at = [&](double q) { return double(ns[size_t(q * double(ns.size() - 1))]) / 1e6; };
    return {at(0.5), at(0.99), double(ns.back()) / 1e6, sum / double(ns.size()) / 1e6};
}

void report(const char *what, const Figures &f)
{
    std::printf("%-34s median %.5f ms  mean %.5f ms  p99 %.5f ms  max %.3f ms\n", what, f.median,
                f.mean, f.p99, f.max);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int entries = 100000;

    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("gross.dat")));
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    QByteArray text = "Titel\r\n";
    for (int i = 0; i < entries; ++i)
        text += "Wort " + QByteArray::number(i) + " | Begriff\r\nword " + QByteArray::number(i)
            + " & term\r\n";
    file.write(text);
    file.close();
    QFile ini(dir.filePath(QStringLiteral("Filenames.ini")));
    if (!ini.open(QIODevice::WriteOnly))
        return 1;
    ini.close();

    MinimalWindow window;
    Training training(window, [&] { return ini.fileName(); });
    training.Dateien = QStringList{file.fileName()};
    training.MenuAktNeuClick();
    if (training.Daten.size() != 2 * entries) {
        std::fprintf(stderr, "loaded %lld lines\n", qlonglong(training.Daten.size()));
        return 1;
    }

    std::vector<qint64> answering;
    std::vector<qint64> judging;
    answering.reserve(entries);
    judging.reserve(entries);
    QElapsedTimer timer;
    while (training.AktZeile() > 0) {
        // The learner types the expected answer in other letter case.
        window.edit2 = training.ErgebnisText.toLower();

        timer.start();
        const bool right =
            AntwortVergleichen(CheckTrennung(training.Eingabe()), training.ErgebnisText, false);
        judging.push_back(timer.nsecsElapsed());
        if (!right)
            return 1;

        timer.start();
        training.MenuAktPruefenClick();
        answering.push_back(timer.nsecsElapsed());
    }
    if (training.RichtigAnz != entries || !training.Daten.isEmpty()) {
        std::fprintf(stderr, "answered %d of %d\n", training.RichtigAnz, entries);
        return 1;
    }

    std::printf("%d entries in random order, every one answered right\n", entries);
    report("answer through the logic", figures(answering));
    report("floor: judging the answer alone", figures(judging));
    return 0;
}
