#include "CatalogueConnection.h"

#include "ActionError.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <sqlite3.h>

namespace {

QString StoreText(const QSqlError& error) {
    const QString own = error.databaseText();
    return own.isEmpty() ? error.text() : own;
}

} // namespace

CatalogueConnection::CatalogueConnection(QString connectionName) : m_name(std::move(connectionName)) {}

CatalogueConnection::~CatalogueConnection() {
    Close();
    if (QSqlDatabase::contains(m_name))
        QSqlDatabase::removeDatabase(m_name);
}

QString CatalogueConnection::ConnectionTextFor(const QString& databasePath) {
    QUrl url = QUrl::fromLocalFile(databasePath);
    url.setQuery(QStringLiteral("mode=rw"));
    return url.toString(QUrl::FullyEncoded);
}

void CatalogueConnection::Close() {
    if (m_onClose)
        m_onClose();
    m_handle = nullptr;
    if (!QSqlDatabase::contains(m_name))
        return;
    QSqlDatabase db = QSqlDatabase::database(m_name, false);
    if (db.isOpen())
        db.close();
    m_inTransaction = false;
}

void CatalogueConnection::SetConnectionText(const QString& text) {
    m_text = text;
}

void CatalogueConnection::Open() {
    Close();
    QSqlDatabase db = QSqlDatabase::contains(m_name) ? QSqlDatabase::database(m_name, false)
                                                     : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    if (!db.isValid())
        throw ActionError(StoreText(db.lastError()));
    db.setDatabaseName(m_text);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
    if (!db.open())
        throw ActionError(StoreText(db.lastError()));
    // SQLite opens any file lazily; reading the schema proves it is a database.
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("select count(*) from sqlite_master")) || !probe.next()) {
        const QString text = StoreText(probe.lastError());
        probe.finish();
        db.close();
        throw ActionError(text);
    }
    const QVariant handle = db.driver()->handle();
    if (qstrcmp(handle.typeName(), "sqlite3*") != 0 || !*static_cast<sqlite3* const*>(handle.constData())) {
        db.close();
        throw ActionError(QStringLiteral("The catalogue driver gives no SQLite handle"));
    }
    m_handle = *static_cast<sqlite3* const*>(handle.constData());
}

bool CatalogueConnection::IsOpen() const {
    return QSqlDatabase::contains(m_name) && QSqlDatabase::database(m_name, false).isOpen();
}

void CatalogueConnection::Execute(const char* sql) {
    if (!m_handle)
        throw ActionError(QStringLiteral("The catalogue is not open"));
    if (sqlite3_exec(m_handle, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        throw ActionError(QString::fromUtf8(sqlite3_errmsg(m_handle)));
}

void CatalogueConnection::BeginTransaction() {
    if (m_trace)
        m_trace(QStringLiteral("begin"));
    Execute("BEGIN IMMEDIATE");
    m_inTransaction = true;
}

bool CatalogueConnection::Commit() {
    m_inTransaction = false;
    if (m_handle && sqlite3_get_autocommit(m_handle))
        return false;
    if (m_trace)
        m_trace(QStringLiteral("commit"));
    try {
        Execute("COMMIT");
    } catch (const ActionError&) {
        if (m_handle && !sqlite3_get_autocommit(m_handle))
            sqlite3_exec(m_handle, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    return true;
}
