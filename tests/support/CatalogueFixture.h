#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>
#include <QVariant>
#include <QVariantMap>

// A catalogue of one's own in a temporary folder: coil.mdb made from the
// program's schema, with reels added as a test needs them. It reads and
// checks the file through a connection of its own.
class CatalogueFixture {
public:
    struct Reel {
        QVariant name;
        QVariant wj; // flange diameter
        QVariant nj; // barrel diameter
        QVariant kd; // barrel width
        QVariant yl; // margin
        QVariant xs; // width coefficient
    };

    // With `withSchema` false the folder stays empty (no catalogue file).
    explicit CatalogueFixture(bool withSchema = true);
    ~CatalogueFixture();

    QString Dir() const { return m_dir.path(); }
    QString DbPath() const;

    // Adds a reel and returns its key.
    qint64 AddReel(const Reel& reel);
    qint64 AddReel(const QString& name, double wj, double nj, double kd, double yl, double xs);
    // Runs a statement; fails the test on error.
    void Exec(const QString& sql);
    // One reel's stored row, column name to value; empty when there is none.
    QVariantMap ReadReel(qint64 key);
    QList<qint64> Keys();
    int ReelCount();

    // Writes arbitrary bytes as coil.mdb (a damaged catalogue).
    void WriteRawFile(const QByteArray& bytes);

    static QString SchemaPath();
    static QString SampleReelsPath();

private:
    QSqlDatabase Db();
    QTemporaryDir m_dir;
    QString m_connection;
};
