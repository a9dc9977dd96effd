// Makes a catalogue file from SQL scripts:
//   mkcatalogue <catalogue file> <script.sql>...
// The file is written beside the target and moved into place only when every
// script ran, so a failed run never leaves half a catalogue. A catalogue that
// is replaced is kept as <catalogue file>.bak.

#include "SqlScript.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    if (args.size() < 3) {
        err << "usage: mkcatalogue <catalogue file> <script.sql>...\n";
        return 2;
    }
    const QString target = args[1];
    const QString scratch = target + QStringLiteral(".new");
    QFile::remove(scratch);

    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("mkcatalogue"));
        db.setDatabaseName(scratch);
        if (!db.open()) {
            err << "cannot create " << scratch << "\n";
            ok = false;
        }
        for (int i = 2; ok && i < args.size(); ++i) {
            QString error;
            if (!RunSqlScriptFile(db, args[i], &error)) {
                err << args[i] << ": " << error << "\n";
                ok = false;
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("mkcatalogue"));
    if (!ok) {
        QFile::remove(scratch);
        return 1;
    }
    if (QFile::exists(target)) {
        QFile::remove(target + QStringLiteral(".bak"));
        QFile::rename(target, target + QStringLiteral(".bak"));
    }
    if (!QFile::rename(scratch, target)) {
        err << "cannot move " << scratch << " to " << target << "\n";
        return 1;
    }
    return 0;
}
