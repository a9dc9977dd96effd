#pragma once

#include <QString>

#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// The catalogue worked directly through SQLite's C interface with prepared
// statements: the floor the program's own runs are measured against.
class BareSqlite {
public:
    explicit BareSqlite(const QString& path);
    ~BareSqlite();

    std::vector<long long> Keys();
    // What a calculation run sends, per reel 5 reads and 6 updates, in one
    // transaction; the values written are fixed.
    void CalculationStatements(const std::vector<long long>& keys);
    // Steps through every row of "select * from t_ravlen" reading the columns
    // the grid shows.
    long long IterateAll();
    // Steps through the reels ordered by nested length up to the first that
    // holds `length`.
    long long SelectByNestedLength(double length);

private:
    sqlite3_stmt* Prepare(const char* sql);
    void Exec(const char* sql);

    sqlite3* m_db = nullptr;
};
