#include "BareSqlite.h"

#include <sqlite3.h>

#include <QtGlobal>

BareSqlite::BareSqlite(const QString& path) {
    if (sqlite3_open_v2(path.toUtf8().constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
        qFatal("cannot open %s", qPrintable(path));
}

BareSqlite::~BareSqlite() {
    sqlite3_close(m_db);
}

sqlite3_stmt* BareSqlite::Prepare(const char* sql) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr) != SQLITE_OK)
        qFatal("prepare failed: %s", sqlite3_errmsg(m_db));
    return statement;
}

void BareSqlite::Exec(const char* sql) {
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        qFatal("%s failed: %s", sql, sqlite3_errmsg(m_db));
}

std::vector<long long> BareSqlite::Keys() {
    std::vector<long long> keys;
    sqlite3_stmt* statement = Prepare("select FItemID from t_ravlen");
    while (sqlite3_step(statement) == SQLITE_ROW)
        keys.push_back(sqlite3_column_int64(statement, 0));
    sqlite3_finalize(statement);
    return keys;
}

void BareSqlite::CalculationStatements(const std::vector<long long>& keys) {
    sqlite3_stmt* read = Prepare("select * from t_ravlen where FItemID=?");
    sqlite3_stmt* layers = Prepare("update t_ravlen set FCS=? where FItemID=?");
    sqlite3_stmt* turns = Prepare("update t_ravlen set FQS=? where FItemID=?");
    sqlite3_stmt* conservative = Prepare("update t_ravlen set FQtyBS=? where FItemID=?");
    sqlite3_stmt* nested = Prepare("update t_ravlen set FQtyQR=? where FItemID=?");
    double sink = 0;
    auto readReel = [&](long long key) {
        sqlite3_bind_int64(read, 1, key);
        if (sqlite3_step(read) == SQLITE_ROW) {
            for (int column = 2; column <= 6; ++column)
                sink += sqlite3_column_double(read, column);
        }
        sqlite3_reset(read);
    };
    auto write = [&](sqlite3_stmt* statement, long long value, long long key) {
        sqlite3_bind_int64(statement, 1, value);
        sqlite3_bind_int64(statement, 2, key);
        if (sqlite3_step(statement) != SQLITE_DONE)
            qFatal("update failed: %s", sqlite3_errmsg(m_db));
        sqlite3_reset(statement);
    };
    Exec("begin");
    for (long long key : keys) {
        readReel(key);
        write(layers, 6, key);
        readReel(key);
        write(turns, 16, key);
        readReel(key);
        write(conservative, 277, key);
        readReel(key);
        write(layers, 6, key);
        readReel(key);
        write(conservative, 277, key);
        write(nested, 307, key);
    }
    Exec("commit");
    for (sqlite3_stmt* statement : {read, layers, turns, conservative, nested})
        sqlite3_finalize(statement);
    if (sink < 0)
        qFatal("impossible");
}

long long BareSqlite::IterateAll() {
    sqlite3_stmt* statement = Prepare("select * from t_ravlen");
    long long touched = 0;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        touched += sqlite3_column_int64(statement, 0);
        touched += sqlite3_column_bytes(statement, 1) > 0;
        for (int column = 2; column <= 6; ++column)
            touched += sqlite3_column_double(statement, column) > 0;
    }
    sqlite3_finalize(statement);
    return touched;
}

long long BareSqlite::SelectByNestedLength(double length) {
    sqlite3_stmt* statement = Prepare("select FItemID,FQtyBS,FQtyQR from t_ravlen order by FQtyQR ASC");
    long long key = 0;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        if (sqlite3_column_double(statement, 2) >= length) {
            key = sqlite3_column_int64(statement, 0);
            break;
        }
    }
    sqlite3_finalize(statement);
    return key;
}
