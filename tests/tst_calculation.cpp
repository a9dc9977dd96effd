// The calculation run behind the calculate button, end to end through the
// main window: cells, colours, stored figures, statements, failures.

#include "BgrColor.h"
#include "CatalogueFixture.h"
#include "MainWindowHarness.h"
#include "uniData.h"

#include <QApplication>
#include <QTest>

namespace {

const QColor kGrey = BgrColor(0xEEEEEE);

// The statements one reel costs, in order.
QStringList StatementsPerReel() {
    using namespace ReelSql;
    return {kSelectReel,       kStoreLayers,
            kSelectReel,       kStoreTurns,
            kSelectReel,       kStoreLengthConservative,
            kSelectReel,       kStoreLayers,
            kSelectReel,       kStoreLengthConservative,
            kStoreLengthNested};
}

QVariantList StoredFigures(CatalogueFixture& fixture, qint64 key) {
    const QVariantMap row = fixture.ReadReel(key);
    return {row.value("FCS"), row.value("FQS"), row.value("FQtyBS"), row.value("FQtyQR")};
}

} // namespace

class TestCalculation : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setApplicationName(QStringLiteral("电缆Kelvoro")); }
    void workedExampleEndToEnd();
    void diameterRefused_data();
    void diameterRefused();
    void blanksAroundDiameterAccepted();
    void statementOrderPerReel();
    void emptyCatalogueRunsNoStatement();
    void runFails_data();
    void runFails();
    void stoppedRunKeepsRowsAboveAndBelow_data();
    void stoppedRunKeepsRowsAboveAndBelow();
    void zeroLayerReelDoesNotStopTheRun();
    void reelDeletedElsewhere();
    void figuresBeyond1E18();
    void changingDiameterAloneChangesNothing();
};

void TestCalculation::workedExampleEndToEnd() {
    CatalogueFixture fixture;
    const qint64 key = fixture.AddReel(QStringLiteral("φ1200"), 1200, 600, 700, 50, 0.95);
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    QTest::keyClicks(&h.Field("edWJ"), QStringLiteral("40"));
    QTest::mouseClick(&h.Button("btnCALC"), Qt::LeftButton);

    QVERIFY(h.notices.All().isEmpty());
    QCOMPARE(h.RowTexts(1).mid(8), (QStringList{"6", "16", "277m", "307m"}));
    const CellGrid& grid = h.Grid();
    for (int col = 8; col <= 11; ++col) {
        QCOMPARE(grid.CellColor(col, 1), kGrey);
        QVERIFY(!grid.CellColorTo(col, 1).isValid());
        QCOMPARE(grid.CellBold(col, 1), col >= 10);
    }
    QVERIFY(!grid.CellColor(7, 1).isValid());
    QCOMPARE(StoredFigures(fixture, key), (QVariantList{6.0, 16.0, 277.0, 307.0}));
}

void TestCalculation::diameterRefused_data() {
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("notice");
    QTest::newRow("empty") << ""
                           << "请录入电缆外径！";
    QTest::newRow("blanks only") << "   "
                                 << "请录入电缆外径！";
    QTest::newRow("letters") << "abc"
                             << "电缆外径录入错误！";
    QTest::newRow("unit typed along") << "40mm"
                                      << "电缆外径录入错误！";
    QTest::newRow("comma where the separator is a point") << "12,5"
                                                          << "电缆外径录入错误！";
    QTest::newRow("exponent too long") << "1e5000"
                                       << "电缆外径录入错误！";
}

void TestCalculation::diameterRefused() {
    QFETCH(QString, diameter);
    QFETCH(QString, notice);
    CatalogueFixture fixture;
    fixture.AddReel(QStringLiteral("φ1200"), 1200, 600, 700, 50, 0.95);
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    h.window->show();
    QApplication::setActiveWindow(h.window.get());
    QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
    QStringList trace;
    h.data.Q1.SetTrace([&](const QString& text) { trace << text; });
    h.Field("edWJ").setText(diameter);
    h.Field("edCD").setFocus();
    QTest::mouseClick(&h.Button("btnCALC"), Qt::LeftButton);

    QCOMPARE(h.notices.Notices(), QStringList{notice});
    QVERIFY(h.notices.Errors().isEmpty());
    QCOMPARE(QApplication::focusWidget(), &h.Field("edWJ"));
    QVERIFY(trace.isEmpty());
    QVERIFY(h.Grid().Cell(8, 1).isEmpty());
    QCOMPARE(h.Field("edWJ").text(), diameter);
}

void TestCalculation::blanksAroundDiameterAccepted() {
    CatalogueFixture fixture;
    fixture.AddReel(QStringLiteral("φ1200"), 1200, 600, 700, 50, 0.95);
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    h.Field("edWJ").setText(QStringLiteral("  40 "));
    h.window->btnCALCClick();
    QVERIFY(h.notices.All().isEmpty());
    QCOMPARE(h.RowTexts(1).mid(8), (QStringList{"6", "16", "277m", "307m"}));
}

void TestCalculation::statementOrderPerReel() {
    CatalogueFixture fixture;
    const qint64 a = fixture.AddReel(QStringLiteral("a"), 1200, 600, 700, 50, 0.95);
    const qint64 b = fixture.AddReel(QStringLiteral("b"), 1000, 500, 600, 50, 0.95);
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    QStringList trace;
    QStringList transactions;
    h.data.Q1.SetTrace([&](const QString& text) { trace << text; });
    h.data.CONN.SetTrace([&](const QString& step) { transactions << step; });
    h.Field("edWJ").setText(QStringLiteral("40"));
    h.window->btnCALCClick();
    QCOMPARE(trace, StatementsPerReel() + StatementsPerReel());
    QCOMPARE(transactions, (QStringList{"begin", "commit"}));
    QCOMPARE(StoredFigures(fixture, a), (QVariantList{6.0, 16.0, 277.0, 307.0}));
    QCOMPARE(StoredFigures(fixture, b).size(), 4);
    QVERIFY(!StoredFigures(fixture, b).first().isNull());
}

void TestCalculation::emptyCatalogueRunsNoStatement() {
    CatalogueFixture fixture;
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    QStringList trace;
    h.data.Q1.SetTrace([&](const QString& text) { trace << text; });
    h.data.CONN.SetTrace([&](const QString& step) { trace << step; });
    h.Field("edWJ").setText(QStringLiteral("40"));
    h.window->btnCALCClick();
    QVERIFY(trace.isEmpty());
    QVERIFY(h.notices.All().isEmpty());
    QCOMPARE(h.RowTexts(1), QStringList(12, QString()));
}

// A run that stops at the first reel: the error report, and nothing of that
// reel written or shown.
void TestCalculation::runFails_data() {
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<double>("flange");
    QTest::addColumn<QString>("report");
    QTest::newRow("diameter 0") << "0" << 1200.0 << "Floating point division by zero.";
    QTest::newRow("diameter 0, no room") << "0" << 700.0 << "Invalid floating point operation.";
    QTest::newRow("beyond the double range") << "1e400" << 1200.0 << "Floating point overflow.";
    QTest::newRow("control character at the end")
        << "40\x01" << 1200.0 << "'40\x01' is not a valid floating point value.";
    QTest::newRow("tab at the start") << "\t40" << 1200.0 << "'\t40' is not a valid floating point value.";
}

void TestCalculation::runFails() {
    QFETCH(QString, diameter);
    QFETCH(double, flange);
    QFETCH(QString, report);
    CatalogueFixture fixture;
    const qint64 key = fixture.AddReel(QStringLiteral("a"), flange, 600, 700, 50, 0.95);
    fixture.AddReel(QStringLiteral("b"), 1200, 600, 700, 50, 0.95);
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    QStringList trace;
    QStringList transactions;
    h.data.Q1.SetTrace([&](const QString& text) { trace << text; });
    h.data.CONN.SetTrace([&](const QString& step) { transactions << step; });
    h.Field("edWJ").setText(diameter);
    h.window->btnCALCClick();

    QCOMPARE(h.notices.Errors(), QStringList{report});
    QCOMPARE(h.notices.All().first().caption, QStringLiteral("电缆Kelvoro"));
    QVERIFY(h.notices.Notices().isEmpty());
    QCOMPARE(trace, QStringList{ReelSql::kSelectReel});
    QCOMPARE(transactions, (QStringList{"begin", "commit"}));
    for (int row = 1; row <= 2; ++row) {
        for (int col = 8; col <= 11; ++col) {
            QVERIFY(h.Grid().Cell(col, row).isEmpty());
            QVERIFY(!h.Grid().CellColor(col, row).isValid());
        }
    }
    for (const QVariant& figure : StoredFigures(fixture, key))
        QVERIFY(figure.isNull());
    // the program goes on: the next run with a good diameter works
    h.notices.Clear();
    h.Field("edWJ").setText(QStringLiteral("40"));
    h.window->btnCALCClick();
    QVERIFY(h.notices.All().isEmpty());
    QCOMPARE(h.Grid().Cell(8, 2), QStringLiteral("6"));
}

void TestCalculation::stoppedRunKeepsRowsAboveAndBelow_data() {
    QTest::addColumn<QString>("spoil");
    QTest::addColumn<QString>("report");
    QTest::newRow("flange kept as text by another program") << "update t_ravlen set FWJ='abc' where FName='b'"
                                                            << "'abc' is not a valid floating point value.";
    QTest::newRow("infinite flange") << "update t_ravlen set FWJ=9e999 where FName='b'"
                                     << "Floating point overflow.";
    QTest::newRow("layer count too large to store")
        << "update t_ravlen set FWJ=1e308, FNJ=-1e308, FYL=0 where FName='b'"
        << "Floating point overflow.";
}

void TestCalculation::stoppedRunKeepsRowsAboveAndBelow() {
    QFETCH(QString, spoil);
    QFETCH(QString, report);
    CatalogueFixture fixture;
    const qint64 a = fixture.AddReel(QStringLiteral("a"), 1200, 600, 700, 50, 0.95);
    const qint64 b = fixture.AddReel(QStringLiteral("b"), 1000, 500, 600, 50, 0.95);
    const qint64 c = fixture.AddReel(QStringLiteral("c"), 1600, 800, 900, 60, 0.95);
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    h.Field("edWJ").setText(QStringLiteral("40"));
    h.window->btnCALCClick();
    QVERIFY(h.notices.All().isEmpty());
    const QStringList rowBBefore = h.RowTexts(2);
    const QStringList rowCBefore = h.RowTexts(3);
    const QVariantList storedB = StoredFigures(fixture, b);
    const QVariantList storedC = StoredFigures(fixture, c);

    fixture.Exec(spoil);
    h.Field("edWJ").setText(QStringLiteral("1e-10"));
    h.window->btnCALCClick();

    QCOMPARE(h.notices.Errors(), QStringList{report});
    // the row above: new figures, shown and stored
    QCOMPARE(h.Grid().Cell(8, 1), QStringLiteral("2500000000000"));
    QCOMPARE(StoredFigures(fixture, a).first(), QVariant(2.5e12));
    // the failing row and the one below: as they were
    QCOMPARE(h.RowTexts(2), rowBBefore);
    QCOMPARE(h.RowTexts(3), rowCBefore);
    QCOMPARE(StoredFigures(fixture, b), storedB);
    QCOMPARE(StoredFigures(fixture, c), storedC);
    QVERIFY(!h.data.CONN.InTransaction());
}

void TestCalculation::zeroLayerReelDoesNotStopTheRun() {
    CatalogueFixture fixture;
    const qint64 small = fixture.AddReel(QStringLiteral("φ630"), 630, 315, 355, 30, 0.95);
    fixture.AddReel(QStringLiteral("φ1200"), 1200, 600, 700, 50, 0.95);
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    h.Field("edWJ").setText(QStringLiteral("200"));
    h.window->btnCALCClick();
    QVERIFY(h.notices.All().isEmpty());
    QCOMPARE(h.RowTexts(1).mid(8), (QStringList{"0", "1", "1m", "1m"}));
    QCOMPARE(h.RowTexts(2).mid(8), (QStringList{"1", "3", "11m", "11m"}));
    QCOMPARE(StoredFigures(fixture, small), (QVariantList{0.0, 1.0, 1.0, 1.0}));
}

void TestCalculation::reelDeletedElsewhere() {
    CatalogueFixture fixture;
    const qint64 gone = fixture.AddReel(QStringLiteral("gone"), 1200, 600, 700, 50, 0.95);
    fixture.AddReel(QStringLiteral("φ1200"), 1200, 600, 700, 50, 0.95);
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    fixture.Exec(QStringLiteral("delete from t_ravlen where FItemID=%1").arg(gone));
    h.Field("edWJ").setText(QStringLiteral("40"));
    h.window->btnCALCClick();
    QVERIFY(h.notices.All().isEmpty());
    QCOMPARE(h.RowTexts(1).mid(8), (QStringList{"0", "0", "0m", "0m"}));
    QCOMPARE(h.RowTexts(2).mid(8), (QStringList{"6", "16", "277m", "307m"}));
    QCOMPARE(fixture.ReelCount(), 1);
}

void TestCalculation::figuresBeyond1E18() {
    CatalogueFixture fixture;
    const qint64 key = fixture.AddReel(QStringLiteral("φ1200"), 1200, 600, 700, 50, 0.95);
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    h.Field("edWJ").setText(QStringLiteral("1e-16"));
    h.window->btnCALCClick();
    QVERIFY(h.notices.All().isEmpty());
    QCOMPARE(h.RowTexts(1).mid(8), (QStringList{"2.5E18", "6.65E18", "4.43946311860408E37m", "5.03435117649703E37m"}));
    QCOMPARE(StoredFigures(fixture, key), (QVariantList{2.5e18, 6.65e18, 4.43946311860408e37, 5.03435117649703e37}));
}

void TestCalculation::changingDiameterAloneChangesNothing() {
    CatalogueFixture fixture;
    fixture.AddReel(QStringLiteral("φ1200"), 1200, 600, 700, 50, 0.95);
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    h.Field("edWJ").setText(QStringLiteral("40"));
    h.window->btnCALCClick();
    QTest::keyClicks(&h.Field("edWJ"), QStringLiteral("0"));
    QCOMPARE(h.Field("edWJ").text(), QStringLiteral("400"));
    QCOMPARE(h.RowTexts(1).mid(8), (QStringList{"6", "16", "277m", "307m"}));
}

QTEST_MAIN(TestCalculation)
#include "tst_calculation.moc"
