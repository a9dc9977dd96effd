// What the program does when the catalogue file misbehaves or the input is
// hostile: it says so plainly, carries on, and never loses or damages a reel.

#include "CatalogueFixture.h"
#include "MainWindowHarness.h"
#include "ModalDriver.h"
#include "ReadOnlyFile.h"
#include "TypeText.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QToolButton>

#include <cmath>
#include <limits>
#include <random>

namespace {

const char* const kFieldNames[] = {"edName", "edWJ", "edNJ", "edKD", "edYL", "edXS"};

QLineEdit& FieldOf(QDialog& dialog, const char* name) {
    return *dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
}

QPushButton& ButtonOf(QDialog& dialog, const char* name) {
    return *dialog.findChild<QPushButton*>(QString::fromLatin1(name));
}

// Fills the dialog as if pasted, then saves; returns whether it stayed open.
bool PasteAndSave(QDialog& dialog, const QStringList& texts) {
    for (int i = 0; i < 6; ++i)
        FieldOf(dialog, kFieldNames[i]).setText(texts[i]);
    QTest::mouseClick(&ButtonOf(dialog, "Button1"), Qt::LeftButton);
    const bool open = dialog.isVisible();
    if (open)
        QTest::mouseClick(&ButtonOf(dialog, "Button2"), Qt::LeftButton);
    return open;
}

// What a fresh connection finds in the file: the integrity check and every
// reel as name and five dimensions, plus the figures.
struct FileState {
    QString integrity;
    QList<QVariantList> reels;
    QList<QVariantList> figures;
    bool operator==(const FileState&) const = default;
};

FileState ReadFile(const QString& path) {
    FileState state;
    const QString name = QStringLiteral("reliability-check");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery query(db);
            query.exec(QStringLiteral("PRAGMA integrity_check"));
            if (query.next())
                state.integrity = query.value(0).toString();
            query.exec(QStringLiteral("select FName,FWJ,FNJ,FKD,FYL,FXS,FCS,FQS,FQtyBS,FQtyQR from t_ravlen"));
            while (query.next()) {
                state.reels << QVariantList{query.value(0), query.value(1), query.value(2),
                                            query.value(3), query.value(4), query.value(5)};
                state.figures << QVariantList{query.value(6), query.value(7), query.value(8), query.value(9)};
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return state;
}

void AddThreeReels(CatalogueFixture& fixture) {
    fixture.AddReel(QStringLiteral("φ1000"), 1000, 500, 600, 50, 0.95);
    fixture.AddReel(QStringLiteral("φ1200"), 1200, 600, 700, 50, 0.95);
    fixture.AddReel(QStringLiteral("φ1600"), 1600, 800, 900, 60, 0.95);
}

// The store's own words for a write it refused, with the report's full stop.
const QStringList kRefusedWrite{QStringLiteral("disk I/O error."),
                                QStringLiteral("attempt to write a readonly database."),
                                QStringLiteral("unable to open database file.")};

} // namespace

class TestReliability : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setApplicationName(QStringLiteral("电缆Kelvoro")); }
    void readOnlyAfterStartUp();
    void lockedByAnotherProgram_data();
    void lockedByAnotherProgram();
    void damagedBeforeStartUp_data();
    void damagedBeforeStartUp();
    void tableDroppedWhileRunning();
    void fileDeletedWhileRunning();
    void hostileNames_data();
    void hostileNames();
    void reelValuesAtTheEdges_data();
    void reelValuesAtTheEdges();
    void diameterAtTheEdges_data();
    void diameterAtTheEdges();
};

void TestReliability::readOnlyAfterStartUp() {
    CatalogueFixture fixture;
    AddThreeReels(fixture);
    const FileState before = ReadFile(fixture.DbPath());
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    {
        ReadOnlyFile readOnly(fixture.DbPath());
        if (!readOnly.Works())
            QSKIP("this file system lets us write to the catalogue whatever we do");

        h.Field("edWJ").setText(QStringLiteral("40"));
        h.window->btnCALCClick();
        QCOMPARE(h.notices.Errors().size(), 1);
        QVERIFY2(kRefusedWrite.contains(h.notices.Errors().first()), qPrintable(h.notices.Errors().first()));
        for (int row = 1; row <= 3; ++row)
            QVERIFY(h.Grid().Cell(8, row).isEmpty());

        h.notices.Clear();
        h.notices.SetNextAnswer(true);
        h.Grid().SetRow(2);
        h.window->btndelpanClick();
        QCOMPARE(h.notices.Questions(), QStringList{QStringLiteral("确实要删除线缆【φ1200】吗？")});
        QCOMPARE(h.notices.Errors().size(), 1);
        QVERIFY2(kRefusedWrite.contains(h.notices.Errors().first()), qPrintable(h.notices.Errors().first()));
        QCOMPARE(h.Grid().Cell(2, 2), QStringLiteral("φ1200"));

        h.notices.Clear();
        bool stayedOpen = false;
        ModalDriver save([&](QDialog& dialog) {
            stayedOpen = PasteAndSave(dialog, {"φ2000", "2000", "1000", "1120", "80", "0.92"});
        });
        h.window->btnnewpanClick();
        QVERIFY(save.Ran());
        QVERIFY(stayedOpen);
        // the save is refused; the reload after the dialog may be refused too,
        // as the store cannot tidy up a file it may not write
        QVERIFY(!h.notices.Errors().isEmpty());
        for (const QString& error : h.notices.Errors())
            QVERIFY2(kRefusedWrite.contains(error), qPrintable(error));
    }
    // writable again: the file is as it was, and the program carries on
    const FileState after = ReadFile(fixture.DbPath());
    QCOMPARE(after.integrity, QStringLiteral("ok"));
    QCOMPARE(after, before);
    h.notices.Clear();
    h.window->LoadReelGrid();
    QCOMPARE(h.Grid().RowCount(), 4);
    h.window->btnCALCClick();
    QVERIFY(h.notices.All().isEmpty());
    QCOMPARE(h.Grid().Cell(11, 2), QStringLiteral("307m"));
}

void TestReliability::lockedByAnotherProgram_data() {
    QTest::addColumn<QString>("lock");
    QTest::newRow("another program writing") << "BEGIN IMMEDIATE";
    QTest::newRow("another program holding the file") << "BEGIN EXCLUSIVE";
}

void TestReliability::lockedByAnotherProgram() {
    QFETCH(QString, lock);
    CatalogueFixture fixture;
    AddThreeReels(fixture);
    const FileState before = ReadFile(fixture.DbPath());
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    fixture.Exec(lock);

    h.Field("edWJ").setText(QStringLiteral("40"));
    QElapsedTimer clock;
    clock.start();
    h.window->btnCALCClick();
    const qint64 waited = clock.elapsed();
    QCOMPARE(h.notices.Errors(), QStringList{QStringLiteral("database is locked.")});
    QVERIFY2(waited >= 1000 && waited < 10000, qPrintable(QString::number(waited)));
    for (int row = 1; row <= 3; ++row)
        QVERIFY(h.Grid().Cell(8, row).isEmpty());

    fixture.Exec(QStringLiteral("ROLLBACK"));
    QCOMPARE(ReadFile(fixture.DbPath()), before); // nothing half-written
    h.notices.Clear();
    h.window->btnCALCClick();
    QVERIFY(h.notices.All().isEmpty());
    QCOMPARE(h.Grid().Cell(11, 2), QStringLiteral("307m"));
}

void TestReliability::damagedBeforeStartUp_data() {
    QTest::addColumn<QString>("damage");
    QTest::newRow("random bytes") << "random";
    QTest::newRow("valid header, schema page overwritten") << "schema";
    QTest::newRow("empty header page") << "zeros";
}

void TestReliability::damagedBeforeStartUp() {
    QFETCH(QString, damage);
    CatalogueFixture fixture;
    AddThreeReels(fixture);
    QFile file(fixture.DbPath());
    QVERIFY(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    std::mt19937 random(7);
    if (damage == QLatin1String("random")) {
        for (char& byte : bytes)
            byte = static_cast<char>(random());
    } else if (damage == QLatin1String("schema")) {
        for (qsizetype i = 100; i < 4096 && i < bytes.size(); ++i)
            bytes[i] = static_cast<char>(random());
    } else {
        bytes.fill('\0', std::min<qsizetype>(bytes.size(), 4096));
    }
    file.seek(0);
    file.write(bytes);
    file.close();

    MainWindowHarness h(fixture);
    QVERIFY(!h.Start());
    QCOMPARE(h.notices.Notices(), QStringList{QStringLiteral("数据库打开失败！")});
}

void TestReliability::tableDroppedWhileRunning() {
    CatalogueFixture fixture;
    AddThreeReels(fixture);
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    fixture.Exec(QStringLiteral("drop table t_ravlen"));
    ModalDriver leave([](QDialog& dialog) { QTest::mouseClick(&ButtonOf(dialog, "Button2"), Qt::LeftButton); });
    h.window->btnnewpanClick(); // the reload after the dialog finds no table
    QVERIFY(leave.Ran());
    QCOMPARE(h.notices.Errors(), QStringList{QStringLiteral("no such table: t_ravlen.")});
    QCOMPARE(h.Grid().RowCount(), 2);
    QCOMPARE(h.RowTexts(1), QStringList(12, QString()));
    h.Field("edWJ").setText(QStringLiteral("40"));
    h.window->btnCALCClick(); // nothing listed, nothing to do
    QCOMPARE(h.notices.All().size(), 1);
}

void TestReliability::fileDeletedWhileRunning() {
    CatalogueFixture fixture;
    AddThreeReels(fixture);
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    QVERIFY(QFile::remove(fixture.DbPath()));

    h.Field("edWJ").setText(QStringLiteral("40"));
    h.window->btnCALCClick();
    QCOMPARE(h.notices.Errors(), QStringList{QStringLiteral("attempt to write a readonly database.")});
    h.notices.Clear();
    h.notices.SetNextAnswer(true);
    h.window->btndelpanClick();
    QCOMPARE(h.notices.Errors(), QStringList{QStringLiteral("attempt to write a readonly database.")});
    QVERIFY(!QFile::exists(fixture.DbPath())); // nothing made in its place

    // the next start says the catalogue is missing
    TfrmData data;
    RecordingNotices notices;
    TfrmRavlen again(data, fixture.Dir());
    QVERIFY(!again.FormShow());
    QCOMPARE(notices.Notices(), QStringList{QStringLiteral("数据库文件丢失【coil.mdb】！")});
}

void TestReliability::hostileNames_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("single quote") << QStringLiteral("'");
    QTest::newRow("quotes") << QStringLiteral("O'Brien's \"drum\"");
    QTest::newRow("backslashes") << QStringLiteral("C:\\reels\\new\\");
    QTest::newRow("like wildcards") << QStringLiteral("100%_reel");
    QTest::newRow("comment") << QStringLiteral("x';--");
    QTest::newRow("statement") << QStringLiteral("a'); delete from t_ravlen;--");
    QTest::newRow("control characters inside") << QString::fromUtf16(u"a\u0001b\u001fc\u007fd");
    QTest::newRow("CJK") << QStringLiteral("钢制线盘（加强型）");
    QTest::newRow("emoji") << QStringLiteral("🧵 reel 🎯");
    QTest::newRow("right-to-left and combining") << QString::fromUtf16(u"\u05d0\u05d1 e\u0301");
    QTest::newRow("10,000 characters") << QStringLiteral("φ") + QString(9999, QChar(u'盘'));
}

// Saved, listed, edited and deleted through the dialog, checked in the file.
void TestReliability::hostileNames() {
    QFETCH(QString, name);
    CatalogueFixture fixture;
    fixture.AddReel(QStringLiteral("φ800"), 800, 400, 500, 40, 0.95);
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());

    ModalDriver add([&](QDialog& dialog) { PasteAndSave(dialog, {name, "1200", "600", "700", "50", "0.95"}); });
    h.window->btnnewpanClick();
    QVERIFY(add.Ran());
    QVERIFY(h.notices.All().isEmpty());
    const qint64 key = fixture.Keys().last();
    QCOMPARE(fixture.ReadReel(key).value("FName").toString(), name);
    QCOMPARE(h.Grid().Cell(2, 2), name);

    const QString renamed = name + QStringLiteral("'2");
    QString shown;
    h.Grid().SetRow(2);
    ModalDriver edit([&](QDialog& dialog) {
        shown = FieldOf(dialog, "edName").text();
        PasteAndSave(dialog, {renamed, "1200", "600", "750", "50", "0.95"});
    });
    h.window->AdvGridDblClick();
    QVERIFY(edit.Ran());
    QCOMPARE(shown, name);
    QCOMPARE(fixture.ReadReel(key).value("FName").toString(), renamed);
    QCOMPARE(fixture.ReadReel(key).value("FKD").toDouble(), 750.0);
    QCOMPARE(fixture.ReelCount(), 2);

    h.Grid().SetRow(2);
    h.notices.SetNextAnswer(true);
    h.window->btndelpanClick();
    QCOMPARE(h.notices.Questions(),
             QStringList{QStringLiteral("确实要删除线缆【") + renamed + QStringLiteral("】吗？")});
    QCOMPARE(fixture.Keys(), QList<qint64>{fixture.Keys().first()});
    QCOMPARE(fixture.ReadReel(fixture.Keys().first()).value("FName").toString(), QStringLiteral("φ800"));
}

void TestReliability::reelValuesAtTheEdges_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<double>("stored");
    QTest::newRow("beyond the double range") << "1e500" << false << 0.0;
    QTest::newRow("top of the extended range") << "1e4932" << false << 0.0;
    QTest::newRow("beyond the extended range") << "1.2e4932" << false << 0.0;
    QTest::newRow("largest double") << "1.7976931348623157e308" << true << std::numeric_limits<double>::max();
    QTest::newRow("smallest denormal") << "4.9e-324" << true << std::numeric_limits<double>::denorm_min();
    QTest::newRow("underflows to zero") << "1e-400" << true << 0.0;
    QTest::newRow("negative zero") << "-0" << true << 0.0;
    QTest::newRow("lone separator") << "." << true << 0.0;
    QTest::newRow("empty exponent") << "1e" << true << 1.0;
    QTest::newRow("sign, separator, exponent") << "+.e1" << true << 0.0;
    QTest::newRow("exponent digit after 500") << "1e5000" << false << 0.0;
}

void TestReliability::reelValuesAtTheEdges() {
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QFETCH(double, stored);
    CatalogueFixture fixture;
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    ModalDriver add([&](QDialog& dialog) { PasteAndSave(dialog, {"edge", "1200", "600", text, "50", "0.95"}); });
    h.window->btnnewpanClick();
    QVERIFY(add.Ran());
    if (!accepted) {
        QCOMPARE(h.notices.Notices(), QStringList{QStringLiteral("内胆宽度录入错误！")});
        QCOMPARE(fixture.ReelCount(), 0);
        return;
    }
    QVERIFY(h.notices.All().isEmpty());
    QCOMPARE(fixture.ReadReel(fixture.Keys().first()).value("FKD").toDouble(), stored);
}

void TestReliability::diameterAtTheEdges_data() {
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("report");
    QTest::addColumn<QString>("layers");
    QTest::newRow("top of the extended range") << "1e4932"
                                               << "Floating point overflow."
                                               << "";
    QTest::newRow("negative zero") << "-0"
                                   << "Floating point division by zero."
                                   << "";
    QTest::newRow("lone separator") << "."
                                    << "Floating point division by zero."
                                    << "";
    QTest::newRow("sign, separator, exponent") << "+.e1"
                                               << "Floating point division by zero."
                                               << "";
    QTest::newRow("empty exponent is 1 mm") << "1e"
                                            << ""
                                            << "250";
    QTest::newRow("smallest denormal") << "4.9e-324"
                                       << "Floating point overflow."
                                       << "";
}

void TestReliability::diameterAtTheEdges() {
    QFETCH(QString, diameter);
    QFETCH(QString, report);
    QFETCH(QString, layers);
    CatalogueFixture fixture;
    fixture.AddReel(QStringLiteral("φ1200"), 1200, 600, 700, 50, 0.95);
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    h.Field("edWJ").setText(diameter);
    h.window->btnCALCClick();
    QCOMPARE(h.notices.Errors(), report.isEmpty() ? QStringList() : QStringList{report});
    QCOMPARE(h.Grid().Cell(8, 1), layers);
}

QTEST_MAIN(TestReliability)
#include "tst_reliability.moc"
