#include "uniData.h"

#include "PlainInteger.h"

#include <QAtomicInt>

namespace {

// Each container gets a connection name of its own, so tests can open
// several catalogues one after another in one process.
QString NewConnectionName() {
    static QAtomicInt counter;
    return QStringLiteral("ravlen-catalogue-%1").arg(counter.fetchAndAddRelaxed(1));
}

} // namespace

CatalogueQuery::Value ReelSql::KeyValue(const QString& key) {
    // keys are plain decimal integers; anything else goes to the store as text
    if (const auto number = PlainInteger(key))
        return *number;
    return key;
}

TfrmData::TfrmData() : CONN(NewConnectionName()), Q1(CONN) {}

TfrmData::~TfrmData() {
    Q1.Reset();
    CONN.Close();
}
