#pragma once

#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

class CatalogueConnection;

// The program's one statement object. Every use follows the same steps:
// Close, Clear, Add the statement text, Bind its values, then Open (a query,
// positioned on its first row) or ExecSQL (anything else). Values are always
// bound, never pasted into the text, so a reel name with quotes is stored as
// typed. Each distinct text is prepared once per connection and reused.
//
// A failing statement raises ActionError with the store's own error text.
class CatalogueQuery {
public:
    explicit CatalogueQuery(CatalogueConnection& connection);
    ~CatalogueQuery();
    CatalogueQuery(const CatalogueQuery&) = delete;
    CatalogueQuery& operator=(const CatalogueQuery&) = delete;

    void Close();
    void Clear();
    void Add(const QString& line);
    void Bind(const QString& placeholder, const QVariant& value);
    void Open();
    // Returns the number of rows the statement changed.
    int ExecSQL();

    bool Eof() const { return m_eof; }
    void Next();

    // A field read by column name: as text (numbers in their general format,
    // null as the empty text), as a floating-point number or as an integer
    // (null as 0). With no current row every field reads as null.
    QString FieldAsText(const QString& name) const;
    double FieldAsFloat(const QString& name) const;
    qint64 FieldAsInteger(const QString& name) const;

    const QString& Text() const { return m_text; }

    // Drops every prepared statement (before the connection closes).
    void Reset();

    // Called with the text of every statement run; for tests and diagnostics.
    using Trace = std::function<void(const QString& text)>;
    void SetTrace(Trace trace) { m_trace = std::move(trace); }

private:
    struct Prepared {
        QSqlQuery query;
        QSqlRecord record;
        std::vector<std::pair<QString, int>> fieldIndex;
    };

    Prepared& Statement();
    void Run();
    QVariant Field(const QString& name) const;

    CatalogueConnection& m_connection;
    int m_generation = -1;
    std::unordered_map<QString, std::unique_ptr<Prepared>> m_prepared;
    QString m_text;
    std::vector<std::pair<QString, QVariant>> m_values;
    Prepared* m_active = nullptr;
    bool m_eof = true;
    Trace m_trace;
};
