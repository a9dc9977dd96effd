// The catalogue survives the program being killed at any moment: after each
// kill the file passes SQLite's integrity check and every reel still has its
// name and dimensions.

#include "CatalogueFixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QThread>

#include <random>

namespace {

constexpr int kReels = 2000;
constexpr int kKills = 24;

struct Snapshot {
    QString integrity;
    QList<QVariantList> reels; // key, name and the five dimensions, by key
};

Snapshot Read(const QString& path) {
    Snapshot snapshot;
    const QString name = QStringLiteral("crash-check");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (db.open()) { // a hot journal left by the kill is rolled back here
            QSqlQuery query(db);
            query.exec(QStringLiteral("PRAGMA integrity_check"));
            if (query.next())
                snapshot.integrity = query.value(0).toString();
            query.exec(QStringLiteral("select FItemID,FName,FWJ,FNJ,FKD,FYL,FXS from t_ravlen order by FItemID"));
            while (query.next()) {
                QVariantList reel;
                for (int i = 0; i < 7; ++i)
                    reel << query.value(i);
                snapshot.reels << reel;
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return snapshot;
}

} // namespace

class TestCrashSafety : public QObject {
    Q_OBJECT

private slots:
    void killedAtAnyMoment();
};

void TestCrashSafety::killedAtAnyMoment() {
    CatalogueFixture fixture;
    std::mt19937 random(2026);
    std::uniform_int_distribution<int> steps(0, 50);
    const double coefficients[] = {0.9, 0.92, 0.95};
    fixture.Exec(QStringLiteral("BEGIN"));
    for (int i = 0; i < kReels; ++i) {
        const double flange = 500 + 50 * steps(random);
        fixture.AddReel(QStringLiteral("φ%1-%2").arg(flange).arg(i), flange, std::round(flange * 0.5),
                        std::round(flange * 0.6), std::round(flange * 0.04), coefficients[i % 3]);
    }
    fixture.Exec(QStringLiteral("COMMIT"));
    const Snapshot original = Read(fixture.DbPath());
    QCOMPARE(original.integrity, QStringLiteral("ok"));
    QCOMPARE(original.reels.size(), kReels);

    const QString driver = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("crash_driver"));
    const QString journal = fixture.DbPath() + QStringLiteral("-journal");
    int midTransaction = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        QProcess process;
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(driver, {fixture.Dir()});
        QVERIFY2(process.waitForStarted(10000), qPrintable(process.errorString()));
        QByteArray said;
        while (!said.contains("running") && process.state() == QProcess::Running && process.waitForReadyRead(10000))
            said += process.readAllStandardOutput();
        QVERIFY2(said.contains("running"), qPrintable(QStringLiteral("kill %1: the driver did not start").arg(kill)));

        // from at once to a good quarter of a second into the work
        QThread::msleep(static_cast<unsigned long>((kill * 37) % 280));
        QVERIFY2(process.state() == QProcess::Running,
                 qPrintable(QStringLiteral("kill %1: the driver stopped by itself").arg(kill)));
        process.kill(); // SIGKILL
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitStatus(), QProcess::CrashExit);
        if (QFile::exists(journal) && QFile(journal).size() > 0)
            ++midTransaction;

        const Snapshot after = Read(fixture.DbPath());
        QCOMPARE(after.integrity, QStringLiteral("ok"));
        QCOMPARE(after.reels.size(), kReels);
        QVERIFY2(after.reels == original.reels, qPrintable(QStringLiteral("kill %1: a reel changed").arg(kill)));
    }
    qInfo("%d kills, %d of them with a write transaction under way", kKills, midTransaction);
    // the kills must really have hit the program while it was writing
    QVERIFY2(midTransaction >= kKills / 4, qPrintable(QString::number(midTransaction)));
}

QTEST_GUILESS_MAIN(TestCrashSafety)
#include "tst_crashsafety.moc"
