// Start-up and the reel grid: finding and opening the catalogue, and listing
// its reels.

#include "ActionError.h"
#include "CatalogueFixture.h"
#include "MainWindowHarness.h"
#include "ReelGridColumns.h"
#include "RegionalSettings.h"

#include <QApplication>
#include <QDir>
#include <QTest>

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setApplicationName(QStringLiteral("电缆Kelvoro")); }
    void startUpEnds_data();
    void startUpEnds();
    void tableMissingIsReportedAndProgramGoesOn();
    void emptyCatalogueShowsOneEmptyRow();
    void reelsListedInStoreOrder();
    void valuesInTheirTextForms();
    void nameListedAsTyped();
    void gridShape();
    void alignment_data();
    void alignment();
    void reloadClearsFiguresAndHighlights();
    void reloadAfterFailureKeepsRowsFilled();
    void commaSeparatorFromRegionalSettings();
};

void TestStartup::startUpEnds_data() {
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("notice");
    QTest::newRow("no catalogue file") << "missing" << QStringLiteral("数据库文件丢失【coil.mdb】！");
    QTest::newRow("damaged file") << "garbage" << QStringLiteral("数据库打开失败！");
    QTest::newRow("empty-named folder instead of a file") << "folder" << QStringLiteral("数据库打开失败！");
}

void TestStartup::startUpEnds() {
    QFETCH(QString, setup);
    QFETCH(QString, notice);
    CatalogueFixture fixture(false);
    if (setup == QLatin1String("garbage"))
        fixture.WriteRawFile(QByteArray("PK\x03\x04 not a database at all").repeated(100));
    else if (setup == QLatin1String("folder"))
        QVERIFY(QDir(fixture.Dir()).mkdir(QStringLiteral("coil.mdb")));

    MainWindowHarness h(fixture);
    QVERIFY(!h.Start());
    QCOMPARE(h.notices.Notices(), QStringList{notice});
    QCOMPARE(h.notices.All().first().caption, QStringLiteral("Tolvane软件"));
    QVERIFY(h.notices.Errors().isEmpty());
    QVERIFY(!h.window->isVisible());
    QVERIFY(!QFileInfo(fixture.DbPath()).isFile() || setup != QLatin1String("missing"));
}

void TestStartup::tableMissingIsReportedAndProgramGoesOn() {
    CatalogueFixture fixture;
    fixture.Exec(QStringLiteral("drop table t_ravlen"));
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    QCOMPARE(h.notices.Errors(), QStringList{QStringLiteral("no such table: t_ravlen.")});
    QCOMPARE(h.notices.All().first().caption, QStringLiteral("电缆Kelvoro"));
    QCOMPARE(h.Grid().RowCount(), 2);
    QCOMPARE(h.RowTexts(1), QStringList(12, QString()));
}

void TestStartup::emptyCatalogueShowsOneEmptyRow() {
    CatalogueFixture fixture;
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    QVERIFY(h.notices.All().isEmpty());
    QCOMPARE(h.Grid().RowCount(), 2);
    QCOMPARE(h.RowTexts(1), QStringList(12, QString()));
}

void TestStartup::reelsListedInStoreOrder() {
    CatalogueFixture fixture;
    QList<qint64> keys;
    for (int i = 1; i <= 5; ++i)
        keys << fixture.AddReel(QStringLiteral("φ%1").arg(i * 200), i * 200, i * 100, 300, 20, 0.9);
    // a gap in the keys: the row numbers count rows, not keys
    fixture.Exec(QStringLiteral("delete from t_ravlen where FItemID=%1").arg(keys[1]));
    keys.removeAt(1);
    keys << fixture.AddReel(QStringLiteral("φ1200"), 1200, 600, 700, 50, 0.95);

    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    QVERIFY(h.notices.All().isEmpty());
    QCOMPARE(h.Grid().RowCount(), 6);
    for (int row = 1; row <= 5; ++row) {
        QCOMPARE(h.Grid().Cell(0, row), QString::number(row));
        QCOMPARE(h.Grid().Cell(1, row), QString::number(keys[row - 1]));
    }
    QCOMPARE(h.RowTexts(5), (QStringList{"5", QString::number(keys[4]), "φ1200", "1200mm", "600mm", "700mm", "50mm",
                                         "0.95", "", "", "", ""}));
    QCOMPARE(h.Grid().Row(), 1);
}

void TestStartup::valuesInTheirTextForms() {
    CatalogueFixture fixture;
    fixture.AddReel(CatalogueFixture::Reel{QStringLiteral("no diameter"), QVariant(), 0.5, 1e-5, -0.0, 1.5e15});
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    QCOMPARE(h.RowTexts(1).mid(2, 6), (QStringList{"no diameter", "mm", "0.5mm", "1E-5mm", "0mm", "1.5E15"}));
}

void TestStartup::nameListedAsTyped() {
    CatalogueFixture fixture;
    const QString name = QStringLiteral("φ12'00 \"B\"");
    fixture.AddReel(name, 1200, 600, 700, 50, 0.95);
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    QCOMPARE(h.Grid().Cell(2, 1), name);
}

void TestStartup::gridShape() {
    CatalogueFixture fixture;
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    const CellGrid& grid = h.Grid();
    const QStringList headers{"",         "FItemID",  "线盘规格", "线盘直径", "内胆直径",       "内胆宽度",
                              "装盘余量", "宽度系数", "装盘层数", "每层圈数", "装盘长度(保守)", "装盘长度(嵌入)"};
    const QList<int> widths{30, 0, 71, 70, 70, 70, 70, 70, 70, 70, 96, 97};
    QCOMPARE(grid.ColCount(), 12);
    for (int col = 0; col < 12; ++col) {
        QCOMPARE(grid.Cell(col, 0), headers[col]);
        QCOMPARE(grid.ColWidth(col), widths[col]);
    }
    QCOMPARE(grid.RowHeight(), 22);
    QCOMPARE(grid.Col(), 1);
    QCOMPARE(grid.Row(), 1);
    QVERIFY(grid.CellRect(1, 1).isEmpty()); // the key column is never painted
}

void TestStartup::alignment_data() {
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("alignment");
    QTest::newRow("header of a number column") << 5 << 0 << int(Qt::AlignHCenter);
    QTest::newRow("header of the name column") << 2 << 0 << int(Qt::AlignHCenter);
    QTest::newRow("header of the row numbers") << 0 << 0 << int(Qt::AlignHCenter);
    QTest::newRow("row number") << 0 << 3 << int(Qt::AlignLeft);
    QTest::newRow("name") << 2 << 1 << int(Qt::AlignLeft);
    QTest::newRow("first number column") << 3 << 1 << int(Qt::AlignRight);
    QTest::newRow("coefficient") << 7 << 2 << int(Qt::AlignRight);
    QTest::newRow("nested length") << 11 << 9 << int(Qt::AlignRight);
}

void TestStartup::alignment() {
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(int, alignment);
    CatalogueFixture fixture;
    MainWindowHarness h(fixture);
    QCOMPARE(int(h.window->AdvGridGetAlignment(col, row)), alignment);
}

void TestStartup::reloadClearsFiguresAndHighlights() {
    CatalogueFixture fixture;
    for (int i = 0; i < 3; ++i)
        fixture.AddReel(QStringLiteral("r%1").arg(i), 1000, 500, 600, 50, 0.95);
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    CellGrid& grid = h.Grid();
    for (int row = 1; row <= 3; ++row) {
        for (int col = 8; col <= 11; ++col) {
            grid.SetCell(col, row, QStringLiteral("7"));
            grid.SetCellColor(col, row, Qt::lightGray);
            grid.SetCellColorTo(col, row, Qt::red);
            grid.SetCellBold(col, row, true);
        }
        grid.SetCellColorTo(2, row, Qt::red);
    }
    grid.SetCurrentCell(4, 3);
    fixture.Exec(QStringLiteral("delete from t_ravlen where FName='r2'"));

    h.window->LoadReelGrid();
    QCOMPARE(grid.RowCount(), 3);
    QCOMPARE(grid.Row(), 1);
    QCOMPARE(grid.Col(), 4);
    for (int row = 1; row < grid.RowCount(); ++row) {
        for (int col = 2; col <= 11; ++col) {
            QVERIFY(!grid.CellColor(col, row).isValid());
            QVERIFY(!grid.CellColorTo(col, row).isValid());
            QVERIFY(!grid.CellBold(col, row));
            if (col >= 8)
                QVERIFY(grid.Cell(col, row).isEmpty());
        }
    }
    // the row that went away is cleared as well
    QVERIFY(grid.Cell(8, 3).isEmpty());
    QVERIFY(!grid.CellColorTo(2, 3).isValid());
}

void TestStartup::reloadAfterFailureKeepsRowsFilled() {
    CatalogueFixture fixture;
    fixture.AddReel(QStringLiteral("a"), 1000, 500, 600, 50, 0.95);
    fixture.AddReel(QStringLiteral("b"), 1000, 500, 600, 50, 0.95);
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    fixture.Exec(QStringLiteral("drop table t_ravlen"));
    QVERIFY_THROWS_EXCEPTION(ActionError, h.window->LoadReelGrid());
    QCOMPARE(h.Grid().RowCount(), 2);
    QCOMPARE(h.RowTexts(1), QStringList(12, QString()));
}

void TestStartup::commaSeparatorFromRegionalSettings() {
    CatalogueFixture fixture;
    fixture.AddReel(QStringLiteral("a"), 1000.5, 500, 600, 50, 0.95);
    RegionalSettings::SetDecimalSeparator(u',');
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    const QString flange = h.Grid().Cell(3, 1);
    const QString coefficient = h.Grid().Cell(7, 1);
    // the user switches back to a point: every number follows, none is left behind
    RegionalSettings::SetDecimalSeparator(u'.');
    h.Grid().RefreshNumbers();
    const QStringList after{h.Grid().Cell(3, 1), h.Grid().Cell(7, 1)};
    QCOMPARE(flange, QStringLiteral("1000,5mm"));
    QCOMPARE(coefficient, QStringLiteral("0,95"));
    QCOMPARE(after, (QStringList{"1000.5mm", "0.95"}));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
