#include "uniData.h"

#include <QAtomicInt>

namespace {

// Each container gets a connection name of its own, so tests can open
// several catalogues one after another in one process.
QString NewConnectionName() {
    static QAtomicInt counter;
    return QStringLiteral("ravlen-catalogue-%1").arg(counter.fetchAndAddRelaxed(1));
}

} // namespace

QVariant ReelSql::KeyValue(const QString& key) {
    bool ok = false;
    const qlonglong number = key.toLongLong(&ok);
    return ok ? QVariant(number) : QVariant(key);
}

TfrmData::TfrmData() : CONN(NewConnectionName()), Q1(CONN) {}

TfrmData::~TfrmData() {
    Q1.Reset();
    CONN.Close();
}
