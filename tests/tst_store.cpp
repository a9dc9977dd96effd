// The catalogue store: the connection, the statement object and reading
// fields as text, number or integer.

#include "ActionError.h"
#include "CatalogueFixture.h"
#include "RegionalSettings.h"
#include "uniData.h"

#include <QFile>
#include <QTest>

class TestStore : public QObject {
    Q_OBJECT

private slots:
    void opensOnlyARealDatabase_data();
    void opensOnlyARealDatabase();
    void neverCreatesTheFile();
    void fieldsReadAsTextNumberAndInteger();
    void missingKeyReadsAsNull();
    void boundValuesRoundTrip_data();
    void boundValuesRoundTrip();
    void failingStatementRaisesStoreText();
    void statementsRunInOrderThroughOneObject();
    void separatorOfTheRegionalSettings();

private:
    void Open(TfrmData& data, const CatalogueFixture& fixture) {
        data.CONN.SetConnectionText(CatalogueConnection::ConnectionTextFor(fixture.DbPath()));
        data.CONN.Open();
    }
};

void TestStore::opensOnlyARealDatabase_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("opens");
    QTest::newRow("text file") << QByteArray("this is not a catalogue\n") << false;
    QTest::newRow("garbage") << QByteArray(4096, '\x5a') << false;
    QTest::newRow("truncated header") << QByteArray("SQLite format 3\0", 16) << false;
}

void TestStore::opensOnlyARealDatabase() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, opens);
    CatalogueFixture fixture(false);
    fixture.WriteRawFile(bytes);
    TfrmData data;
    data.CONN.SetConnectionText(CatalogueConnection::ConnectionTextFor(fixture.DbPath()));
    bool opened = true;
    try {
        data.CONN.Open();
    } catch (const ActionError&) {
        opened = false;
    }
    QCOMPARE(opened, opens);
    QCOMPARE(data.CONN.IsOpen(), opens);
}

void TestStore::neverCreatesTheFile() {
    CatalogueFixture fixture(false);
    TfrmData data;
    data.CONN.SetConnectionText(CatalogueConnection::ConnectionTextFor(fixture.DbPath()));
    QVERIFY_THROWS_EXCEPTION(ActionError, data.CONN.Open());
    QVERIFY(!QFile::exists(fixture.DbPath()));
}

void TestStore::fieldsReadAsTextNumberAndInteger() {
    CatalogueFixture fixture;
    const qint64 key = fixture.AddReel(QStringLiteral("φ1200"), 1200, 600, 700, 50, 0.95);
    fixture.Exec(QStringLiteral("update t_ravlen set FCS=0.00001, FQS=1.5e15, FQtyBS=-0.0 where FItemID=%1").arg(key));
    TfrmData data;
    Open(data, fixture);
    CatalogueQuery& q = data.Q1;
    q.Close();
    q.Clear();
    q.Add(ReelSql::kSelectReel);
    q.Bind(":key", key);
    q.Open();
    QVERIFY(!q.Eof());
    QCOMPARE(q.FieldAsText("FItemID"), QString::number(key));
    QCOMPARE(q.FieldAsText("FName"), QStringLiteral("φ1200"));
    QCOMPARE(q.FieldAsText("FWJ"), QStringLiteral("1200"));
    QCOMPARE(q.FieldAsText("FXS"), QStringLiteral("0.95"));
    QCOMPARE(q.FieldAsText("FModelID"), QStringLiteral("0"));
    QCOMPARE(q.FieldAsText("FCS"), QStringLiteral("1E-5"));
    QCOMPARE(q.FieldAsText("FQS"), QStringLiteral("1.5E15"));
    QCOMPARE(q.FieldAsText("FQtyBS"), QStringLiteral("0"));
    QCOMPARE(q.FieldAsText("FQtyQR"), QString());
    QCOMPARE(q.FieldAsFloat("FQtyQR"), 0.0);
    QCOMPARE(q.FieldAsFloat("FXS"), 0.95);
    QCOMPARE(q.FieldAsInteger("FItemID"), key);
    QCOMPARE(q.FieldAsText("fwj"), QStringLiteral("1200")); // names are not case-sensitive
    QVERIFY_THROWS_EXCEPTION(ActionError, q.FieldAsText("FNoSuchField"));
    q.Next();
    QVERIFY(q.Eof());
    q.Close();
}

void TestStore::missingKeyReadsAsNull() {
    CatalogueFixture fixture;
    fixture.AddReel(QStringLiteral("φ800"), 800, 400, 500, 40, 0.95);
    TfrmData data;
    Open(data, fixture);
    CatalogueQuery& q = data.Q1;
    q.Close();
    q.Clear();
    q.Add(ReelSql::kSelectReel);
    q.Bind(":key", 999);
    q.Open();
    QVERIFY(q.Eof());
    QCOMPARE(q.FieldAsText("FName"), QString());
    QCOMPARE(q.FieldAsFloat("FWJ"), 0.0);
    QCOMPARE(q.FieldAsInteger("FItemID"), 0);
    q.Close();
}

void TestStore::boundValuesRoundTrip_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("quotes") << QStringLiteral("φ12'00 \"B\"");
    QTest::newRow("statement breaker") << QStringLiteral("x');drop table t_ravlen;--");
    QTest::newRow("backslash and percent") << QStringLiteral("C:\\reels\\50%_");
    QTest::newRow("CJK and emoji") << QStringLiteral("钢制线盘 🧵");
}

// A reel name goes in and comes back exactly as typed, whatever it holds.
void TestStore::boundValuesRoundTrip() {
    QFETCH(QString, name);
    CatalogueFixture fixture;
    TfrmData data;
    Open(data, fixture);
    CatalogueQuery& q = data.Q1;
    q.Close();
    q.Clear();
    q.Add(QStringLiteral("insert into t_ravlen(FName,FWJ,FModelID) values(:name,:wj,'0')"));
    q.Bind(":name", name);
    q.Bind(":wj", 1200.0);
    QCOMPARE(q.ExecSQL(), 1);
    q.Close();
    q.Clear();
    q.Add(ReelSql::kSelectAllReels);
    q.Open();
    QVERIFY(!q.Eof());
    QCOMPARE(q.FieldAsText("FName"), name);
    q.Close();
    QCOMPARE(fixture.ReelCount(), 1);
}

void TestStore::failingStatementRaisesStoreText() {
    CatalogueFixture fixture;
    fixture.Exec(QStringLiteral("drop table t_ravlen"));
    TfrmData data;
    Open(data, fixture);
    CatalogueQuery& q = data.Q1;
    q.Close();
    q.Clear();
    q.Add(ReelSql::kSelectAllReels);
    try {
        q.Open();
        QFAIL("the table is gone");
    } catch (const ActionError& error) {
        QCOMPARE(error.text(), QStringLiteral("no such table: t_ravlen"));
    }
    QVERIFY(q.Eof());
}

void TestStore::statementsRunInOrderThroughOneObject() {
    CatalogueFixture fixture;
    const qint64 first = fixture.AddReel(QStringLiteral("a"), 1, 2, 3, 4, 5);
    fixture.AddReel(QStringLiteral("b"), 6, 7, 8, 9, 10);
    TfrmData data;
    Open(data, fixture);
    QStringList trace;
    data.Q1.SetTrace([&](const QString& text) { trace << text; });
    CatalogueQuery& q = data.Q1;
    for (int round = 0; round < 3; ++round) { // the same statement text again and again
        q.Close();
        q.Clear();
        q.Add(ReelSql::kSelectReel);
        q.Bind(":key", first);
        q.Open();
        QCOMPARE(q.FieldAsText("FName"), QStringLiteral("a"));
        q.Close();
        q.Clear();
        q.Add(ReelSql::kSelectAllReels);
        q.Open();
        int rows = 0;
        for (; !q.Eof(); q.Next())
            ++rows;
        QCOMPARE(rows, 2);
    }
    q.Close();
    QCOMPARE(trace.size(), 6);
    QCOMPARE(trace.first(), ReelSql::kSelectReel);
    QCOMPARE(trace.last(), ReelSql::kSelectAllReels);
}

void TestStore::separatorOfTheRegionalSettings() {
    CatalogueFixture fixture;
    fixture.AddReel(QStringLiteral("a"), 1200.5, 600, 700, 50, 0.95);
    TfrmData data;
    Open(data, fixture);
    RegionalSettings::SetDecimalSeparator(u',');
    CatalogueQuery& q = data.Q1;
    q.Close();
    q.Clear();
    q.Add(ReelSql::kSelectAllReels);
    q.Open();
    const QString wj = q.FieldAsText("FWJ");
    const QString xs = q.FieldAsText("FXS");
    q.Close();
    RegionalSettings::SetDecimalSeparator(u'.');
    QCOMPARE(wj, QStringLiteral("1200,5"));
    QCOMPARE(xs, QStringLiteral("0,95"));
}

QTEST_GUILESS_MAIN(TestStore)
#include "tst_store.moc"
