#include "CatalogueQuery.h"

#include "ActionError.h"
#include "CatalogueConnection.h"
#include "CheckedFloat.h"
#include "DecimalNumber.h"
#include "GeneralFormat.h"
#include "RegionalSettings.h"

#include <sqlite3.h>

#include <cmath>
#include <strings.h>

struct CatalogueQuery::Prepared {
    sqlite3_stmt* statement = nullptr;
    // column names, and the names asked for so far (usually string literals,
    // so a pointer comparison finds them again)
    std::vector<const char*> columns;
    mutable std::vector<std::pair<const char*, int>> asked;
    // parameter names bound so far and their places
    std::vector<std::pair<const char*, int>> parameters;

    int Parameter(const char* name) {
        for (const auto& [known, index] : parameters) {
            if (known == name)
                return index;
        }
        const int index = sqlite3_bind_parameter_index(statement, name);
        if (index != 0)
            parameters.emplace_back(name, index);
        return index;
    }

    ~Prepared() { sqlite3_finalize(statement); }
};

CatalogueQuery::CatalogueQuery(CatalogueConnection& connection) : m_connection(connection) {
    m_connection.OnClose([this] { Reset(); });
}

CatalogueQuery::~CatalogueQuery() {
    m_connection.OnClose(nullptr);
    Reset();
}

void CatalogueQuery::Reset() {
    Close();
    m_recent.clear();
    m_prepared.clear();
}

void CatalogueQuery::Close() {
    if (m_active)
        sqlite3_reset(m_active->statement);
    m_active = nullptr;
    m_eof = true;
}

void CatalogueQuery::Clear() {
    m_text.clear();
    m_bindings.clear();
}

void CatalogueQuery::Add(const QString& line) {
    if (!m_text.isEmpty())
        m_text += u'\n';
    m_text += line;
}

CatalogueQuery::Value::Value(const QVariant& value) {
    if (value.isNull())
        return;
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        *this = Value(value.toDouble());
        break;
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::Bool:
        *this = Value(value.toLongLong());
        break;
    default:
        *this = Value(value.toString());
    }
}

void CatalogueQuery::Bind(const char* placeholder, Value value) {
    m_bindings.push_back({placeholder, std::move(value)});
}

void CatalogueQuery::Fail() {
    sqlite3* db = m_connection.Handle();
    const QString text = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("The catalogue is not open");
    Close();
    throw ActionError(text);
}

CatalogueQuery::Prepared& CatalogueQuery::Statement() {
    for (const auto& [text, prepared] : m_recent) {
        if (text.constData() == m_text.constData() && text.size() == m_text.size())
            return *prepared;
    }
    auto found = m_prepared.find(m_text);
    if (found != m_prepared.end()) {
        m_recent.emplace_back(m_text, found->second.get());
        return *found->second;
    }
    sqlite3* db = m_connection.Handle();
    if (!db)
        Fail();
    auto prepared = std::make_unique<Prepared>();
    const QByteArray sql = m_text.toUtf8();
    if (sqlite3_prepare_v2(db, sql.constData(), static_cast<int>(sql.size()), &prepared->statement, nullptr) !=
        SQLITE_OK)
        Fail();
    if (!prepared->statement) // only blanks or comments
        throw ActionError(QStringLiteral("The statement is empty"));
    for (int i = 0; i < sqlite3_column_count(prepared->statement); ++i)
        prepared->columns.push_back(sqlite3_column_name(prepared->statement, i));
    Prepared& made = *m_prepared.emplace(m_text, std::move(prepared)).first->second;
    m_recent.emplace_back(m_text, &made);
    return made;
}

void CatalogueQuery::Run() {
    Close();
    if (m_trace)
        m_trace(m_text);
    Prepared& prepared = Statement();
    sqlite3_stmt* statement = prepared.statement;
    if (static_cast<int>(m_bindings.size()) < sqlite3_bind_parameter_count(statement))
        sqlite3_clear_bindings(statement); // no value of an earlier run may linger
    for (const Binding& binding : m_bindings) {
        const int index = prepared.Parameter(binding.placeholder);
        if (index == 0)
            throw ActionError(QStringLiteral("%1: no such parameter").arg(QLatin1String(binding.placeholder)));
        const Value& value = binding.value;
        int result = SQLITE_OK;
        switch (value.type()) {
        case Value::Type::Null:
            result = sqlite3_bind_null(statement, index);
            break;
        case Value::Type::Integer:
            result = sqlite3_bind_int64(statement, index, value.integer());
            break;
        case Value::Type::Float:
            result = sqlite3_bind_double(statement, index, value.number());
            break;
        case Value::Type::Text:
            result = sqlite3_bind_text16(statement, index, value.text().utf16(),
                                         static_cast<int>(value.text().size() * 2), SQLITE_TRANSIENT);
            break;
        }
        if (result != SQLITE_OK)
            Fail();
    }
    m_active = &prepared;
}

void CatalogueQuery::Open() {
    Run();
    m_eof = false;
    Next();
}

int CatalogueQuery::ExecSQL() {
    Run();
    int result = sqlite3_step(m_active->statement);
    while (result == SQLITE_ROW)
        result = sqlite3_step(m_active->statement);
    if (result != SQLITE_DONE)
        Fail();
    const int changed = sqlite3_changes(m_connection.Handle());
    Close();
    return changed;
}

void CatalogueQuery::Next() {
    if (!m_active || m_eof) {
        m_eof = true;
        return;
    }
    const int result = sqlite3_step(m_active->statement);
    if (result == SQLITE_ROW)
        return;
    m_eof = true;
    if (result != SQLITE_DONE)
        Fail();
}

int CatalogueQuery::Column(const char* name) const {
    if (m_active) {
        for (const auto& [asked, index] : m_active->asked) {
            if (asked == name)
                return index;
        }
        for (int i = 0; i < static_cast<int>(m_active->columns.size()); ++i) {
            if (strcasecmp(m_active->columns[static_cast<size_t>(i)], name) == 0) {
                m_active->asked.emplace_back(name, i);
                return i;
            }
        }
    }
    throw ActionError(QStringLiteral("%1: Field not found").arg(QLatin1String(name)));
}

namespace {
QString ColumnText(sqlite3_stmt* statement, int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return QString::fromUtf8(text, sqlite3_column_bytes(statement, column));
}
} // namespace

CatalogueQuery::Value CatalogueQuery::Field(const char* name) const {
    const int column = Column(name);
    if (m_eof)
        return {};
    sqlite3_value* value = sqlite3_column_value(m_active->statement, column);
    switch (sqlite3_value_type(value)) {
    case SQLITE_NULL:
        return {};
    case SQLITE_INTEGER:
        return static_cast<qint64>(sqlite3_value_int64(value));
    case SQLITE_FLOAT:
        return sqlite3_value_double(value);
    default:
        return ColumnText(m_active->statement, column);
    }
}

QString CatalogueQuery::FieldAsText(const char* name) const {
    const Value value = Field(name);
    switch (value.type()) {
    case Value::Type::Null:
        return {};
    case Value::Type::Integer:
        return QString::number(value.integer());
    case Value::Type::Float:
        return FormatGeneral(value.number(), RegionalSettings::DecimalSeparator());
    case Value::Type::Text:
        return value.text();
    }
    return {};
}

double CatalogueQuery::FieldAsFloat(const char* name) const {
    const Value value = Field(name);
    switch (value.type()) {
    case Value::Type::Null:
        return 0;
    case Value::Type::Integer:
        return static_cast<double>(value.integer());
    case Value::Type::Float:
        return value.number();
    case Value::Type::Text:
        // a number kept as text by some other program
        return CheckedFloat::ToDouble(ParseDecimalOrThrow(value.text(), RegionalSettings::DecimalSeparator()));
    }
    return 0;
}

qint64 CatalogueQuery::FieldAsInteger(const char* name) const {
    const Value value = Field(name);
    switch (value.type()) {
    case Value::Type::Null:
        return 0;
    case Value::Type::Integer:
        return value.integer();
    case Value::Type::Float:
        return std::llround(value.number());
    case Value::Type::Text: {
        bool ok = false;
        const qint64 integer = value.text().trimmed().toLongLong(&ok);
        if (!ok)
            throw ActionError(QStringLiteral("'%1' is not a valid integer value").arg(value.text()));
        return integer;
    }
    }
    return 0;
}
