#include "BenchCatalogue.h"

#include "SqlScript.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <random>

void MakeBenchCatalogue(const QString& path, int reels) {
    QFile::remove(path);
    const QString connection = QStringLiteral("bench-maker");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        if (!db.open())
            qFatal("cannot create %s", qPrintable(path));
        QString error;
        if (!RunSqlScriptFile(db, QStringLiteral(RAVLEN_DATA_DIR "/schema.sql"), &error))
            qFatal("%s", qPrintable(error));
        std::mt19937 random(20261211u + static_cast<unsigned>(reels));
        std::uniform_int_distribution<int> flangeSteps(0, 50);
        std::uniform_real_distribution<double> share(0.45, 0.6);
        std::uniform_real_distribution<double> widthShare(0.5, 0.75);
        const double coefficients[] = {0.9, 0.92, 0.95};
        db.transaction();
        QSqlQuery insert(db);
        insert.prepare(
            QStringLiteral("insert into t_ravlen(FName,FWJ,FNJ,FKD,FYL,FXS,FModelID) values(?,?,?,?,?,?,'0')"));
        for (int i = 0; i < reels; ++i) {
            const double flange = 500 + 50 * flangeSteps(random);
            const double barrel = std::round(flange * share(random) / 5) * 5;
            const double width = std::round(flange * widthShare(random) / 10) * 10;
            const double margin = std::round(flange * 0.04);
            insert.addBindValue(QStringLiteral("φ%1-%2").arg(flange).arg(i));
            insert.addBindValue(flange);
            insert.addBindValue(barrel);
            insert.addBindValue(width);
            insert.addBindValue(margin);
            insert.addBindValue(coefficients[i % 3]);
            if (!insert.exec())
                qFatal("%s", qPrintable(insert.lastError().text()));
        }
        insert.finish();
        db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
}
