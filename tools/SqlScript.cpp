#include "SqlScript.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

QStringList SplitSqlScript(const QString& script) {
    QStringList statements;
    QString current;
    QChar quote;
    for (qsizetype i = 0; i < script.size(); ++i) {
        const QChar c = script[i];
        if (!quote.isNull()) {
            current += c;
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == u'-' && i + 1 < script.size() && script[i + 1] == u'-') {
            while (i < script.size() && script[i] != u'\n')
                ++i;
            current += u'\n';
            continue;
        }
        if (c == u'\'' || c == u'"') {
            quote = c;
            current += c;
        } else if (c == u';') {
            if (!current.trimmed().isEmpty())
                statements << current.trimmed();
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.trimmed().isEmpty())
        statements << current.trimmed();
    return statements;
}

bool RunSqlScript(QSqlDatabase& db, const QString& script, QString* error) {
    if (!db.transaction()) {
        *error = db.lastError().text();
        return false;
    }
    QSqlQuery query(db);
    for (const QString& statement : SplitSqlScript(script)) {
        if (!query.exec(statement)) {
            *error = statement + QStringLiteral("\n") + query.lastError().text();
            query.finish();
            db.rollback();
            return false;
        }
    }
    query.finish();
    if (!db.commit()) {
        *error = db.lastError().text();
        return false;
    }
    return true;
}

bool RunSqlScriptFile(QSqlDatabase& db, const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = path + QStringLiteral(": ") + file.errorString();
        return false;
    }
    return RunSqlScript(db, QString::fromUtf8(file.readAll()), error);
}
