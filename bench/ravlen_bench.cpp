// How the program's runs scale with the catalogue, each measured beside the
// same work done directly on SQLite in the same run:
//   calc    a calculation run through the main window vs. the same statements
//           (5 reads, 6 updates per reel) prepared on bare SQLite in one transaction
//   load    LoadReelGrid vs. stepping through "select * from t_ravlen"
//   select  a selection run vs. the bare calculation statements plus the
//           ordered query up to the chosen reel
//   startup the program's start to its first painted window with 10,000
//           reels vs. with an empty catalogue, and the peak resident memory
// Times are medians over repeated runs. The last line is calc_ratio_10000.

#include "BareSqlite.h"
#include "BenchCatalogue.h"
#include "CellGrid.h"
#include "Notices.h"
#include "uniData.h"
#include "uniravlen.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <vector>

namespace {

// Nothing may interrupt a measured run.
class NoBoxes : public NoticePresenter {
public:
    void Notice(const QString&, const QString& text) override { Fail(text); }
    bool Question(const QString&, const QString& text) override {
        Fail(text);
        return false;
    }
    void ErrorReport(const QString&, const QString& text) override { Fail(text); }

private:
    static void Fail(const QString& text) { qFatal("unexpected message during a measure: %s", qPrintable(text)); }
};

double Median(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

struct Pair {
    double ours;
    double baseline;
};

// Runs ours and the baseline alternately, `reps` times each, in milliseconds.
Pair Measure(int reps, const std::function<void()>& ours, const std::function<void()>& baseline) {
    std::vector<double> a;
    std::vector<double> b;
    QElapsedTimer clock;
    for (int i = 0; i < reps; ++i) {
        clock.start();
        ours();
        a.push_back(clock.nsecsElapsed() / 1e6);
        clock.start();
        baseline();
        b.push_back(clock.nsecsElapsed() / 1e6);
    }
    return {Median(a), Median(b)};
}

void Print(const char* measure, int reels, const Pair& pair) {
    std::printf("%-7s %6d reels: %9.2f ms  baseline %9.2f ms  ratio %5.2f  %7.2f us/reel\n", measure, reels, pair.ours,
                pair.baseline, pair.ours / pair.baseline, pair.ours * 1000 / reels);
    std::fflush(stdout);
}

struct Startup {
    double processMs;
    long rssKb;
};

Startup StartProgram(const QString& probe, const QString& dir) {
    QProcess process;
    QElapsedTimer clock;
    clock.start();
    process.start(probe, {dir});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        qFatal("start-up probe failed: %s", process.readAllStandardError().constData());
    const double elapsed = clock.nsecsElapsed() / 1e6;
    const QList<QByteArray> words = process.readAllStandardOutput().simplified().split(' ');
    if (words.size() < 4 || words[0] != "shown")
        qFatal("start-up probe said nothing");
    return {elapsed, words[3].toLong()};
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    NoBoxes noBoxes;
    Notices::SetPresenter(&noBoxes);
    QTemporaryDir scratch;
    const QString probe = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("startup_probe"));

    // Sizes to measure may be given as arguments (then start-up is skipped).
    std::vector<int> sizes{100, 1000, 10000};
    if (argc > 1) {
        sizes.clear();
        for (int i = 1; i < argc; ++i)
            sizes.push_back(QByteArray(argv[i]).toInt());
    }
    std::map<int, Pair> calc;
    std::map<int, Pair> load;
    std::map<int, Pair> select;
    for (int reels : sizes) {
        const QString dir = scratch.filePath(QString::number(reels));
        QDir().mkpath(dir);
        const QString path = QDir(dir).filePath(QStringLiteral("coil.mdb"));
        MakeBenchCatalogue(path, reels);
        const int reps = reels >= 10000 ? 11 : reels >= 1000 ? 21 : 41;

        TfrmData data;
        TfrmRavlen window(data, dir);
        if (!window.FormShow())
            qFatal("cannot start on %s", qPrintable(path));
        window.findChild<QLineEdit*>(QStringLiteral("edWJ"))->setText(QStringLiteral("40"));
        window.findChild<QLineEdit*>(QStringLiteral("edCD"))->setText(QStringLiteral("300"));
        BareSqlite bare(path);
        const std::vector<long long> keys = bare.Keys();

        calc[reels] = Measure(
            reps, [&] { window.btnCALCClick(); }, [&] { bare.CalculationStatements(keys); });
        Print("calc", reels, calc[reels]);
        load[reels] = Measure(
            reps, [&] { window.LoadReelGrid(); }, [&] { bare.IterateAll(); });
        Print("load", reels, load[reels]);
        select[reels] = Measure(
            reps, [&] { window.btnCDSELECTClick(); },
            [&] {
                bare.CalculationStatements(keys);
                bare.SelectByNestedLength(300);
            });
        Print("select", reels, select[reels]);
    }

    if (argc > 1)
        return 0;
    const QString emptyDir = scratch.filePath(QStringLiteral("empty"));
    QDir().mkpath(emptyDir);
    MakeBenchCatalogue(QDir(emptyDir).filePath(QStringLiteral("coil.mdb")), 0);
    std::vector<double> full;
    std::vector<double> empty;
    long rss = 0;
    for (int i = 0; i < 5; ++i) {
        const Startup big = StartProgram(probe, scratch.filePath(QStringLiteral("10000")));
        full.push_back(big.processMs);
        rss = std::max(rss, big.rssKb);
        empty.push_back(StartProgram(probe, emptyDir).processMs);
    }
    std::printf("startup  10000 reels: %9.2f ms  empty catalogue %9.2f ms  ratio %5.2f  peak RSS %.1f MB\n",
                Median(full), Median(empty), Median(full) / Median(empty), rss / 1024.0);

    auto growth = [](std::map<int, Pair>& measure) {
        return (measure[10000].ours / 10000) / (measure[1000].ours / 1000);
    };
    std::printf("time per reel at 10000 / at 1000: calc %.2f  load %.2f  select %.2f\n", growth(calc), growth(load),
                growth(select));
    std::printf("calc_ratio_10000 %.2f\n", calc[10000].ours / calc[10000].baseline);
    Notices::SetPresenter(nullptr);
    return 0;
}
