// Choosing a reel for a cable length: the smallest stored length that holds
// the cable, under the chosen winding, highlighted in the grid.

#include "BgrColor.h"
#include "CatalogueFixture.h"
#include "MainWindowHarness.h"
#include "uniData.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>

namespace {

const QColor kRed = BgrColor(0x0000FF);
const QColor kGrey = BgrColor(0xEEEEEE);
const QColor kWhite = BgrColor(0xFFFFFF);
const QString kNoReel = QStringLiteral("没有找到合适的电缆盘装载此电缆！\r请更新线盘参数或者增加新的线盘。");

// For a 40 mm cable these reels hold (conservative / nested):
//   row 1 φ1400 396 / 441, row 2 φ1200 277 / 307, row 3 φ1600 650 / 726, row 4 φ1000 156 / 172
void AddFourReels(CatalogueFixture& fixture) {
    fixture.AddReel(QStringLiteral("φ1400"), 1400, 710, 750, 60, 0.95);
    fixture.AddReel(QStringLiteral("φ1200"), 1200, 600, 700, 50, 0.95);
    fixture.AddReel(QStringLiteral("φ1600"), 1600, 800, 900, 60, 0.95);
    fixture.AddReel(QStringLiteral("φ1000"), 1000, 500, 600, 50, 0.95);
}

// The rows whose name cell ends in red.
QList<int> HighlightedRows(const CellGrid& grid) {
    QList<int> rows;
    for (int row = 1; row < grid.RowCount(); ++row) {
        if (grid.CellColorTo(2, row) == kRed)
            rows << row;
    }
    return rows;
}

struct Run {
    MainWindowHarness& h;
    void Select(const QString& diameter, const QString& length, bool conservative) {
        h.Field("edWJ").setText(diameter);
        h.Field("edCD").setText(length);
        h.Radio(conservative ? "rbbs" : "rbqr").click();
        QTest::mouseClick(&h.Button("btnCDSELECT"), Qt::LeftButton);
    }
};

} // namespace

class TestSelection : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setApplicationName(QStringLiteral("电缆Kelvoro")); }
    void smallestReelThatHolds_data();
    void smallestReelThatHolds();
    void highlightPainted();
    void secondSelectionReplacesFirst();
    void emptyCatalogue();
    void inputsRefused_data();
    void inputsRefused();
    void lengthBeyondDoubleRange();
    void calculationFailureSelectsNothing();
    void nullLengthReadsAsZero();
    void reelAddedElsewhereCompetes();
    void highlightKeepsCurrentCellAndScroll();
};

void TestSelection::smallestReelThatHolds_data() {
    QTest::addColumn<bool>("conservative");
    QTest::addColumn<QString>("length");
    QTest::addColumn<int>("row"); // 0: none holds it
    QTest::newRow("nested: equal length counts") << false << "307" << 2;
    QTest::newRow("nested: 307.5 does not fit 307") << false << "307.5" << 1;
    QTest::newRow("nested: the largest") << false << "726" << 3;
    QTest::newRow("nested: longer than every reel") << false << "727" << 0;
    QTest::newRow("nested: zero takes the smallest") << false << "0" << 4;
    QTest::newRow("nested: negative length") << false << "-5" << 4;
    QTest::newRow("nested: blanks around") << false << " 400 " << 1;
    QTest::newRow("conservative: equal length counts") << true << "277" << 2;
    QTest::newRow("conservative: the next larger") << true << "278" << 1;
    QTest::newRow("conservative: 307 needs φ1400") << true << "307" << 1;
    QTest::newRow("conservative: longer than every reel") << true << "651" << 0;
    QTest::newRow("exponent form") << true << "6.5e2" << 3;
}

void TestSelection::smallestReelThatHolds() {
    QFETCH(bool, conservative);
    QFETCH(QString, length);
    QFETCH(int, row);
    CatalogueFixture fixture;
    AddFourReels(fixture);
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    Run{h}.Select(QStringLiteral("40"), length, conservative);

    const CellGrid& grid = h.Grid();
    QCOMPARE(grid.Cell(10, 2), QStringLiteral("277m"));
    QCOMPARE(grid.Cell(11, 2), QStringLiteral("307m"));
    QVERIFY(h.notices.Errors().isEmpty());
    if (row == 0) {
        QCOMPARE(h.notices.Notices(), QStringList{kNoReel});
        QVERIFY(HighlightedRows(grid).isEmpty());
    } else {
        QVERIFY(h.notices.All().isEmpty());
        QCOMPARE(HighlightedRows(grid), QList<int>{row});
    }
    const int chosenCol = conservative ? 10 : 11;
    const int otherCol = conservative ? 11 : 10;
    for (int r = 1; r <= 4; ++r) {
        QCOMPARE(grid.CellColorTo(chosenCol, r), r == row ? kRed : kGrey);
        QCOMPARE(grid.CellColorTo(otherCol, r), kGrey);
        if (r != row)
            QCOMPARE(grid.CellColorTo(2, r), kWhite);
    }
}

void TestSelection::highlightPainted() {
    CatalogueFixture fixture;
    AddFourReels(fixture);
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    h.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
    Run{h}.Select(QStringLiteral("40"), QStringLiteral("300"), false);
    CellGrid& grid = h.Grid();
    const QImage image = grid.viewport()->grab().toImage();
    const QRect name = grid.CellRect(2, 2);
    const QRect length = grid.CellRect(11, 2);
    const QColor base = QApplication::palette().color(QPalette::Base);
    QCOMPARE(image.pixelColor(name.right() - 1, name.top()), base);
    QCOMPARE(image.pixelColor(name.right() - 1, name.bottom()), kRed);
    QCOMPARE(image.pixelColor(length.left() + 1, length.top()), kGrey);
    QCOMPARE(image.pixelColor(length.left() + 1, length.bottom()), kRed);
    // a row not chosen stays plain
    const QRect other = grid.CellRect(11, 1);
    QCOMPARE(image.pixelColor(other.left() + 1, other.bottom()), kGrey);
}

void TestSelection::secondSelectionReplacesFirst() {
    CatalogueFixture fixture;
    AddFourReels(fixture);
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    Run{h}.Select(QStringLiteral("40"), QStringLiteral("100"), false);
    QCOMPARE(HighlightedRows(h.Grid()), QList<int>{4});
    Run{h}.Select(QStringLiteral("40"), QStringLiteral("700"), false);
    QCOMPARE(HighlightedRows(h.Grid()), QList<int>{3});
    QCOMPARE(h.Grid().CellColorTo(11, 4), kGrey);
    // and a run that finds nothing clears the earlier highlight too
    Run{h}.Select(QStringLiteral("40"), QStringLiteral("5000"), false);
    QVERIFY(HighlightedRows(h.Grid()).isEmpty());
}

void TestSelection::emptyCatalogue() {
    CatalogueFixture fixture;
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    h.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
    Run{h}.Select(QStringLiteral("40"), QStringLiteral("100"), false);
    QCOMPARE(h.notices.Notices(), QStringList{kNoReel});
    // the empty row's length cells have no fill of their own: white fading to grey
    CellGrid& grid = h.Grid();
    const QImage image = grid.viewport()->grab().toImage();
    for (int col : {10, 11}) {
        const QRect rect = grid.CellRect(col, 1);
        QCOMPARE(image.pixelColor(rect.center().x(), rect.top()), QApplication::palette().color(QPalette::Base));
        QCOMPARE(image.pixelColor(rect.center().x(), rect.bottom()), kGrey);
    }
}

void TestSelection::inputsRefused_data() {
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("notice");
    QTest::addColumn<QString>("focus");
    QTest::newRow("no diameter") << ""
                                 << "100"
                                 << "请录入电缆外径！"
                                 << "edWJ";
    QTest::newRow("diameter not a number") << "4o"
                                           << "100"
                                           << "电缆外径录入错误！"
                                           << "edWJ";
    QTest::newRow("no length") << "40"
                               << " "
                               << "请录入电缆长度！"
                               << "edCD";
    QTest::newRow("length not a number") << "40"
                                         << "100m"
                                         << "电缆长度录入错误！"
                                         << "edCD";
    QTest::newRow("diameter is checked first") << ""
                                               << ""
                                               << "请录入电缆外径！"
                                               << "edWJ";
}

void TestSelection::inputsRefused() {
    QFETCH(QString, diameter);
    QFETCH(QString, length);
    QFETCH(QString, notice);
    QFETCH(QString, focus);
    CatalogueFixture fixture;
    AddFourReels(fixture);
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    h.window->show();
    QApplication::setActiveWindow(h.window.get());
    QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
    QStringList trace;
    h.data.Q1.SetTrace([&](const QString& text) { trace << text; });
    h.Field("edWJ").setText(diameter);
    h.Field("edCD").setText(length);
    h.Button("btnCDSELECT").setFocus();
    h.window->btnCDSELECTClick();
    QCOMPARE(h.notices.Notices(), QStringList{notice});
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    QVERIFY(trace.isEmpty());
}

void TestSelection::lengthBeyondDoubleRange() {
    CatalogueFixture fixture;
    AddFourReels(fixture);
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    Run{h}.Select(QStringLiteral("40"), QStringLiteral("300"), false);
    QCOMPARE(HighlightedRows(h.Grid()), QList<int>{2});
    QStringList trace;
    h.data.Q1.SetTrace([&](const QString& text) { trace << text; });
    Run{h}.Select(QStringLiteral("40"), QStringLiteral("1e400"), false);
    QCOMPARE(h.notices.Errors(), QStringList{QStringLiteral("Floating point overflow.")});
    QVERIFY(!trace.isEmpty()); // the calculation ran
    QVERIFY(!trace.contains(ReelSql::kSelectByLengthNested));
    QCOMPARE(HighlightedRows(h.Grid()), QList<int>{2}); // nothing reset, nothing selected
}

void TestSelection::calculationFailureSelectsNothing() {
    CatalogueFixture fixture;
    AddFourReels(fixture);
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    Run{h}.Select(QStringLiteral("40"), QStringLiteral("300"), true);
    QCOMPARE(HighlightedRows(h.Grid()), QList<int>{1});
    Run{h}.Select(QStringLiteral("0"), QStringLiteral("300"), true);
    QCOMPARE(h.notices.Errors(), QStringList{QStringLiteral("Floating point division by zero.")});
    QVERIFY(h.notices.Notices().isEmpty());
    QCOMPARE(HighlightedRows(h.Grid()), QList<int>{1});
}

// A length the store holds as null reads as 0 and holds a cable of 0 m;
// the reel added elsewhere is not in the grid, so nothing is highlighted.
void TestSelection::nullLengthReadsAsZero() {
    CatalogueFixture fixture;
    AddFourReels(fixture);
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    fixture.AddReel(QStringLiteral("added elsewhere"), 500, 400, 100, 0, 0.9);
    Run{h}.Select(QStringLiteral("40"), QStringLiteral("0"), false);
    QVERIFY(h.notices.All().isEmpty());
    QVERIFY(HighlightedRows(h.Grid()).isEmpty());
}

void TestSelection::reelAddedElsewhereCompetes() {
    CatalogueFixture fixture;
    AddFourReels(fixture);
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    const qint64 added = fixture.AddReel(QStringLiteral("added elsewhere"), 500, 400, 100, 0, 0.9);
    fixture.Exec(QStringLiteral("update t_ravlen set FQtyQR=200 where FItemID=%1").arg(added));
    Run{h}.Select(QStringLiteral("40"), QStringLiteral("180"), false);
    QVERIFY(h.notices.All().isEmpty());
    QVERIFY(HighlightedRows(h.Grid()).isEmpty());
    Run{h}.Select(QStringLiteral("40"), QStringLiteral("201"), false);
    QCOMPARE(HighlightedRows(h.Grid()), QList<int>{2});
}

void TestSelection::highlightKeepsCurrentCellAndScroll() {
    CatalogueFixture fixture;
    for (int i = 0; i < 60; ++i)
        fixture.AddReel(QStringLiteral("r%1").arg(i), 1000 + i * 10, 500, 600, 50, 0.95);
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    h.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
    h.Grid().SetCurrentCell(3, 2);
    Run{h}.Select(QStringLiteral("40"), QStringLiteral("500"), false);
    const QList<int> rows = HighlightedRows(h.Grid());
    QCOMPARE(rows.size(), 1);
    QVERIFY(h.Grid().CellRect(2, rows.first()).isEmpty()); // below the visible rows
    QCOMPARE(h.Grid().Row(), 2);
    QCOMPARE(h.Grid().Col(), 3);
    QCOMPARE(h.Grid().verticalScrollBar()->value(), 0);
}

QTEST_MAIN(TestSelection)
#include "tst_selection.moc"
