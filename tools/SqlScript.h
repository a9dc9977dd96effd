#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// Splits an SQL script into its statements: on semicolons outside quotes,
// with -- comments and blank statements dropped.
QStringList SplitSqlScript(const QString& script);

// Runs every statement of the script in one transaction. On failure returns
// false with the failing statement and the store's message in `error`.
bool RunSqlScript(QSqlDatabase& db, const QString& script, QString* error);

// Reads a script file and runs it.
bool RunSqlScriptFile(QSqlDatabase& db, const QString& path, QString* error);
