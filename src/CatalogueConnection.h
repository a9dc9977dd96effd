#pragma once

#include <QSqlDatabase>
#include <QString>

#include <functional>

struct sqlite3;

// The one connection to the catalogue file. It opens an existing SQLite file
// only (never creates one) and proves on opening that the file really is a
// readable database, so a damaged file fails at start-up rather than later.
class CatalogueConnection {
public:
    explicit CatalogueConnection(QString connectionName);
    ~CatalogueConnection();
    CatalogueConnection(const CatalogueConnection&) = delete;
    CatalogueConnection& operator=(const CatalogueConnection&) = delete;

    // The connection text for a catalogue file: an SQLite URI that opens the
    // file for reading and writing and refuses to create it.
    static QString ConnectionTextFor(const QString& databasePath);

    void Close();
    void SetConnectionText(const QString& text);
    // Raises ActionError with the store's own text when the file cannot be
    // opened as a database.
    void Open();
    bool IsOpen() const;

    // A write transaction, taken at once: when another program is writing,
    // it waits up to the busy timeout before it fails. Raises ActionError with
    // the store's text on failure.
    void BeginTransaction();
    // False when there was nothing left to commit because the store had
    // rolled the transaction back itself (after an I/O error); raises
    // ActionError when the commit fails.
    bool Commit();
    bool InTransaction() const { return m_inTransaction; }

    // The open connection's own SQLite handle; null when closed.
    sqlite3* Handle() const { return m_handle; }
    // Called before the connection closes, while statements prepared on its
    // handle can still be finalized.
    void OnClose(std::function<void()> callback) { m_onClose = std::move(callback); }

    // Called with "begin" or "commit" for every transaction step;
    // for tests and diagnostics.
    using Trace = std::function<void(const QString& step)>;
    void SetTrace(Trace trace) { m_trace = std::move(trace); }

    // How long a statement waits for another program's lock on the file
    // before it fails.
    static constexpr int kBusyTimeoutMs = 1500;

private:
    void Execute(const char* sql);

    QString m_name;
    QString m_text;
    bool m_inTransaction = false;
    Trace m_trace;
    sqlite3* m_handle = nullptr;
    std::function<void()> m_onClose;
};
