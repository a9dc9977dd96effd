#pragma once

#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

class CatalogueConnection;
struct sqlite3_stmt;

// The program's one statement object. Every use follows the same steps:
// Close, Clear, Add the statement text, Bind its values, then Open (a query,
// positioned on its first row) or ExecSQL (anything else). Values are always
// bound, never pasted into the text, so a reel name with quotes is stored as
// typed.
//
// Statements run on the connection's own SQLite handle. Each distinct text is
// prepared once per connection and reused, and fields are read straight from
// the current row; a calculation run sends eleven statements per reel, and
// this keeps their cost close to SQLite's own.
//
// A failing statement raises ActionError with the store's own error text.
class CatalogueQuery {
public:
    // A value bound to a placeholder: null, an integer, a number or a text.
    class Value {
    public:
        enum class Type { Null, Integer, Float, Text };
        Value() = default;
        Value(int value) : m_type(Type::Integer), m_integer(value) {}
        Value(qint64 value) : m_type(Type::Integer), m_integer(value) {}
        Value(double value) : m_type(Type::Float), m_float(value) {}
        Value(QString value) : m_type(Type::Text), m_text(std::move(value)) {}
        Value(const QVariant& value);

        Type type() const { return m_type; }
        qint64 integer() const { return m_integer; }
        double number() const { return m_float; }
        const QString& text() const { return m_text; }

    private:
        Type m_type = Type::Null;
        qint64 m_integer = 0;
        double m_float = 0;
        QString m_text;
    };

    explicit CatalogueQuery(CatalogueConnection& connection);
    ~CatalogueQuery();
    CatalogueQuery(const CatalogueQuery&) = delete;
    CatalogueQuery& operator=(const CatalogueQuery&) = delete;

    void Close();
    void Clear();
    void Add(const QString& line);
    // `placeholder` names a parameter of the text, such as ":key".
    void Bind(const char* placeholder, Value value);
    void Open();
    // Returns the number of rows the statement changed.
    int ExecSQL();

    bool Eof() const { return m_eof; }
    void Next();

    // A field read by column name: as text (numbers in their general format,
    // null as the empty text), as a floating-point number or as an integer
    // (null as 0). Column names are not case-sensitive.
    QString FieldAsText(const char* name) const;
    // The field as it is stored: null, an integer, a number or a text; with
    // no current row every field is null.
    Value Field(const char* name) const;
    double FieldAsFloat(const char* name) const;
    qint64 FieldAsInteger(const char* name) const;

    // Finalizes every prepared statement; the connection calls it before it
    // closes.
    void Reset();

    // Called with the text of every statement run; for tests and diagnostics.
    using Trace = std::function<void(const QString& text)>;
    void SetTrace(Trace trace) { m_trace = std::move(trace); }

private:
    struct Prepared;
    struct Binding {
        const char* placeholder;
        Value value;
    };

    Prepared& Statement();
    void Run();
    int Column(const char* name) const;
    [[noreturn]] void Fail();

    CatalogueConnection& m_connection;
    std::unordered_map<QString, std::unique_ptr<Prepared>> m_prepared;
    // The program's statements are constant texts: a statement seen before is
    // found again by the address of its characters before any hashing. The
    // texts are held here, so an address cannot come back with other content.
    std::vector<std::pair<QString, Prepared*>> m_recent;
    QString m_text;
    std::vector<Binding> m_bindings;
    Prepared* m_active = nullptr;
    bool m_eof = true;
    Trace m_trace;
};
