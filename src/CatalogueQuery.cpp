#include "CatalogueQuery.h"

#include "ActionError.h"
#include "CatalogueConnection.h"
#include "CheckedFloat.h"
#include "DecimalNumber.h"
#include "GeneralFormat.h"
#include "RegionalSettings.h"

#include <QSqlError>

namespace {

QString StoreText(const QSqlError& error) {
    const QString own = error.databaseText();
    return own.isEmpty() ? error.text() : own;
}

} // namespace

CatalogueQuery::CatalogueQuery(CatalogueConnection& connection) : m_connection(connection) {}

CatalogueQuery::~CatalogueQuery() {
    Reset();
}

void CatalogueQuery::Reset() {
    Close();
    m_prepared.clear();
}

void CatalogueQuery::Close() {
    if (m_active)
        m_active->query.finish();
    m_active = nullptr;
    m_eof = true;
}

void CatalogueQuery::Clear() {
    m_text.clear();
    m_values.clear();
}

void CatalogueQuery::Add(const QString& line) {
    if (!m_text.isEmpty())
        m_text += u'\n';
    m_text += line;
}

void CatalogueQuery::Bind(const QString& placeholder, const QVariant& value) {
    m_values.emplace_back(placeholder, value);
}

CatalogueQuery::Prepared& CatalogueQuery::Statement() {
    if (m_generation != m_connection.Generation()) {
        Reset();
        m_generation = m_connection.Generation();
    }
    auto found = m_prepared.find(m_text);
    if (found != m_prepared.end())
        return *found->second;

    auto prepared = std::make_unique<Prepared>();
    prepared->query = QSqlQuery(m_connection.Database());
    prepared->query.setForwardOnly(true);
    if (!prepared->query.prepare(m_text))
        throw ActionError(StoreText(prepared->query.lastError()));
    return *m_prepared.emplace(m_text, std::move(prepared)).first->second;
}

void CatalogueQuery::Run() {
    Close();
    if (m_trace)
        m_trace(m_text);
    Prepared& statement = Statement();
    for (const auto& [placeholder, value] : m_values)
        statement.query.bindValue(placeholder, value);
    m_active = &statement;
    if (!statement.query.exec()) {
        const QString text = StoreText(statement.query.lastError());
        Close();
        throw ActionError(text);
    }
}

void CatalogueQuery::Open() {
    Run();
    QSqlQuery& query = m_active->query;
    if (m_active->fieldIndex.empty() || m_active->record.count() != query.record().count()) {
        m_active->record = query.record();
        m_active->fieldIndex.clear();
        for (int i = 0; i < m_active->record.count(); ++i)
            m_active->fieldIndex.emplace_back(m_active->record.fieldName(i), i);
    }
    Next();
}

int CatalogueQuery::ExecSQL() {
    Run();
    const int changed = m_active->query.numRowsAffected();
    Close();
    return changed;
}

void CatalogueQuery::Next() {
    if (!m_active) {
        m_eof = true;
        return;
    }
    m_eof = !m_active->query.next();
    if (m_eof && m_active->query.lastError().isValid()) {
        const QString text = StoreText(m_active->query.lastError());
        Close();
        throw ActionError(text);
    }
}

QVariant CatalogueQuery::Field(const QString& name) const {
    if (!m_active)
        throw ActionError(QStringLiteral("%1: Field not found").arg(name));
    for (const auto& [fieldName, index] : m_active->fieldIndex) {
        if (fieldName.compare(name, Qt::CaseInsensitive) == 0)
            return m_eof ? QVariant() : m_active->query.value(index);
    }
    throw ActionError(QStringLiteral("%1: Field not found").arg(name));
}

QString CatalogueQuery::FieldAsText(const QString& name) const {
    const QVariant value = Field(name);
    if (value.isNull())
        return {};
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return FormatGeneral(value.toDouble(), RegionalSettings::DecimalSeparator());
    case QMetaType::QByteArray:
        return QString::fromUtf8(value.toByteArray());
    default:
        return value.toString();
    }
}

double CatalogueQuery::FieldAsFloat(const QString& name) const {
    const QVariant value = Field(name);
    if (value.isNull())
        return 0;
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return value.toDouble();
    default:
        // a number kept as text by some other program
        return CheckedFloat::ToDouble(ParseDecimalOrThrow(value.toString(), RegionalSettings::DecimalSeparator()));
    }
}

qint64 CatalogueQuery::FieldAsInteger(const QString& name) const {
    const QVariant value = Field(name);
    if (value.isNull())
        return 0;
    bool ok = false;
    const qint64 integer = value.toLongLong(&ok);
    if (!ok)
        throw ActionError(QStringLiteral("'%1' is not a valid integer value").arg(value.toString()));
    return integer;
}
