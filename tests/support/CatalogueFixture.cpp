#include "CatalogueFixture.h"

#include "SqlScript.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

namespace {
QString NextConnectionName() {
    static QAtomicInt counter;
    return QStringLiteral("fixture-%1").arg(counter.fetchAndAddRelaxed(1));
}
} // namespace

CatalogueFixture::CatalogueFixture(bool withSchema) : m_connection(NextConnectionName()) {
    if (!withSchema)
        return;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(DbPath());
    if (!db.open())
        qFatal("fixture: cannot create %s", qPrintable(DbPath()));
    QString error;
    if (!RunSqlScriptFile(db, SchemaPath(), &error))
        qFatal("fixture: %s", qPrintable(error));
}

CatalogueFixture::~CatalogueFixture() {
    if (QSqlDatabase::contains(m_connection)) {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
}

QString CatalogueFixture::SchemaPath() {
    return QStringLiteral(RAVLEN_DATA_DIR "/schema.sql");
}

QString CatalogueFixture::SampleReelsPath() {
    return QStringLiteral(RAVLEN_DATA_DIR "/sample_reels.sql");
}

QString CatalogueFixture::DbPath() const {
    return QDir(m_dir.path()).filePath(QStringLiteral("coil.mdb"));
}

QSqlDatabase CatalogueFixture::Db() {
    if (!QSqlDatabase::contains(m_connection)) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        db.setDatabaseName(DbPath());
    }
    QSqlDatabase db = QSqlDatabase::database(m_connection);
    if (!db.isOpen())
        qFatal("fixture: cannot open %s", qPrintable(DbPath()));
    return db;
}

qint64 CatalogueFixture::AddReel(const Reel& reel) {
    QSqlQuery query(Db());
    query.prepare(QStringLiteral("insert into t_ravlen(FName,FWJ,FNJ,FKD,FYL,FXS,FModelID) values(?,?,?,?,?,?,'0')"));
    for (const QVariant& value : {reel.name, reel.wj, reel.nj, reel.kd, reel.yl, reel.xs})
        query.addBindValue(value);
    if (!query.exec())
        qFatal("fixture: insert failed: %s", qPrintable(query.lastError().text()));
    return query.lastInsertId().toLongLong();
}

qint64 CatalogueFixture::AddReel(const QString& name, double wj, double nj, double kd, double yl, double xs) {
    return AddReel(Reel{name, wj, nj, kd, yl, xs});
}

void CatalogueFixture::Exec(const QString& sql) {
    QSqlQuery query(Db());
    if (!query.exec(sql))
        qFatal("fixture: %s failed: %s", qPrintable(sql), qPrintable(query.lastError().text()));
}

QVariantMap CatalogueFixture::ReadReel(qint64 key) {
    QSqlQuery query(Db());
    query.prepare(QStringLiteral("select * from t_ravlen where FItemID=?"));
    query.addBindValue(key);
    QVariantMap row;
    if (query.exec() && query.next()) {
        const QSqlRecord record = query.record();
        for (int i = 0; i < record.count(); ++i)
            row.insert(record.fieldName(i), query.value(i));
    }
    return row;
}

QList<qint64> CatalogueFixture::Keys() {
    QSqlQuery query(Db());
    QList<qint64> keys;
    if (!query.exec(QStringLiteral("select FItemID from t_ravlen")))
        qFatal("fixture: %s", qPrintable(query.lastError().text()));
    while (query.next())
        keys << query.value(0).toLongLong();
    return keys;
}

int CatalogueFixture::ReelCount() {
    return static_cast<int>(Keys().size());
}

void CatalogueFixture::WriteRawFile(const QByteArray& bytes) {
    QFile file(DbPath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("fixture: cannot write %s", qPrintable(DbPath()));
}
