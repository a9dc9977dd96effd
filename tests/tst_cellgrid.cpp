// The grid's painting and handling: per-cell fills and gradients, the
// selection colour, grid lines, current cell, dragging, keys and scrolling.

#include "BgrColor.h"
#include "CellGrid.h"

#include <QApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

namespace {

// A small grid like the reel grid: row numbers, a hidden key column, three
// data columns.
std::unique_ptr<CellGrid> MakeGrid(int rows = 4) {
    auto grid = std::make_unique<CellGrid>();
    grid->SetColCount(5);
    grid->SetRowCount(rows);
    grid->SetRowHeight(22);
    const int widths[] = {30, 0, 71, 70, 96};
    for (int col = 0; col < 5; ++col)
        grid->SetColWidth(col, widths[col]);
    grid->SetCurrentCell(1, 1);
    grid->resize(320, 200);
    grid->show();
    return grid;
}

QImage Shot(CellGrid& grid) {
    return grid.viewport()->grab().toImage();
}

QColor Pixel(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

int DarkPixels(const QImage& image, const QRect& rect) {
    int dark = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            dark += qGray(image.pixel(x, y)) < 128;
    return dark;
}

} // namespace

class TestCellGrid : public QObject {
    Q_OBJECT

private slots:
    void fills_data();
    void fills();
    void gradientStepsLinearly();
    void selectionPaintsOverEverything();
    void gridLines();
    void boldText();
    void clickAndDragSelect();
    void fixedCellsAreNotSelectable();
    void keyboardMovesCurrentCell_data();
    void keyboardMovesCurrentCell();
    void doubleClickAnywhere();
    void scrollingKeepsHeaderAndFollowsCurrentRow();
    void highlightDoesNotMoveCurrentCellOrScroll();
};

void TestCellGrid::fills_data() {
    QTest::addColumn<QColor>("fill");
    QTest::addColumn<QColor>("end");
    QTest::addColumn<QColor>("top");
    QTest::addColumn<QColor>("bottom");
    const QColor white = QApplication::palette().color(QPalette::Base);
    const QColor grey = BgrColor(0xEEEEEE);
    const QColor red = BgrColor(0x0000FF);
    QTest::newRow("nothing: window colour") << QColor() << QColor() << white << white;
    QTest::newRow("background only: plain") << grey << QColor() << grey << grey;
    QTest::newRow("end colour only: from the window colour") << QColor() << red << white << red;
    QTest::newRow("background and end colour") << grey << red << grey << red;
    QTest::newRow("end colour equal to fill looks plain") << grey << grey << grey << grey;
}

void TestCellGrid::fills() {
    QFETCH(QColor, fill);
    QFETCH(QColor, end);
    QFETCH(QColor, top);
    QFETCH(QColor, bottom);
    auto grid = MakeGrid();
    grid->SetCellColor(3, 2, fill);
    grid->SetCellColorTo(3, 2, end);
    const QRect rect = grid->CellRect(3, 2);
    QVERIFY(!rect.isEmpty());
    QCOMPARE(rect.height(), 22);
    const QImage image = Shot(*grid);
    for (int x : {rect.left(), rect.center().x(), rect.right()}) {
        QCOMPARE(Pixel(image, x, rect.top()), top);
        QCOMPARE(Pixel(image, x, rect.bottom()), bottom);
    }
}

void TestCellGrid::gradientStepsLinearly() {
    auto grid = MakeGrid();
    grid->SetCellColor(4, 1, BgrColor(0xEEEEEE));
    grid->SetCellColorTo(4, 1, BgrColor(0x0000FF));
    const QRect rect = grid->CellRect(4, 1);
    const QImage image = Shot(*grid);
    const int x = rect.center().x();
    for (int y = rect.top() + 1; y <= rect.bottom(); ++y) {
        const QColor above = Pixel(image, x, y - 1);
        const QColor here = Pixel(image, x, y);
        QVERIFY2(here.green() < above.green(), qPrintable(QStringLiteral("row %1").arg(y - rect.top())));
        QVERIFY(here.red() >= above.red());
    }
    // halfway down the channels are halfway between
    const QColor middle = Pixel(image, x, rect.top() + 11);
    QVERIFY(qAbs(middle.green() - 238 / 2) <= 12);
}

void TestCellGrid::selectionPaintsOverEverything() {
    auto grid = MakeGrid();
    grid->SetCellColor(2, 1, BgrColor(0xEEEEEE));
    grid->SetCellColorTo(2, 1, BgrColor(0x0000FF));
    grid->SetCurrentCell(2, 1);
    const QRect rect = grid->CellRect(2, 1);
    const QImage image = Shot(*grid);
    QCOMPARE(Pixel(image, rect.left() + 1, rect.top()), CellGrid::SelectionColor());
    QCOMPARE(Pixel(image, rect.left() + 1, rect.bottom()), CellGrid::SelectionColor());
    QCOMPARE(CellGrid::SelectionColor(), QColor(0xB6, 0xCA, 0xEA));
}

void TestCellGrid::gridLines() {
    auto grid = MakeGrid();
    const QImage image = Shot(*grid);
    const QRect data = grid->CellRect(3, 2);
    QCOMPARE(Pixel(image, data.right() + 1, data.center().y()), QColor(0xC0, 0xC0, 0xC0));
    QCOMPARE(Pixel(image, data.center().x(), data.bottom() + 1), QColor(0xC0, 0xC0, 0xC0));
    const QRect header = grid->CellRect(3, 0);
    QCOMPARE(Pixel(image, header.right() + 1, header.center().y()), QColor(0x80, 0x80, 0x80));
    const QRect rowNumber = grid->CellRect(0, 2);
    QCOMPARE(Pixel(image, rowNumber.right() + 1, rowNumber.center().y()), QColor(0x80, 0x80, 0x80));
}

void TestCellGrid::boldText() {
    auto grid = MakeGrid();
    grid->SetCell(2, 1, QStringLiteral("277m"));
    grid->SetCell(2, 2, QStringLiteral("277m"));
    grid->SetCellBold(2, 2, true);
    const QImage image = Shot(*grid);
    const int plain = DarkPixels(image, grid->CellRect(2, 1));
    const int bold = DarkPixels(image, grid->CellRect(2, 2));
    QVERIFY(plain > 0);
    QVERIFY2(bold > plain, qPrintable(QStringLiteral("%1 vs %2").arg(bold).arg(plain)));
}

void TestCellGrid::clickAndDragSelect() {
    auto grid = MakeGrid();
    QSignalSpy changed(grid.get(), &CellGrid::CurrentCellChanged);
    QWidget* port = grid->viewport();
    QTest::mousePress(port, Qt::LeftButton, {}, grid->CellRect(2, 1).center());
    QCOMPARE(grid->Col(), 2);
    QCOMPARE(grid->Row(), 1);
    QMouseEvent move(QEvent::MouseMove, grid->CellRect(3, 3).center(), port->mapToGlobal(grid->CellRect(3, 3).center()),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(port, &move);
    QTest::mouseRelease(port, Qt::LeftButton, {}, grid->CellRect(3, 3).center());
    QCOMPARE(grid->Selection(), QRect(QPoint(2, 1), QPoint(3, 3)));
    QCOMPARE(grid->Row(), 3);
    QVERIFY(changed.count() >= 2);
    const QImage image = Shot(*grid);
    QCOMPARE(Pixel(image, grid->CellRect(3, 2).left() + 1, grid->CellRect(3, 2).top()), CellGrid::SelectionColor());
    QCOMPARE(Pixel(image, grid->CellRect(4, 2).left() + 1, grid->CellRect(4, 2).top()),
             QApplication::palette().color(QPalette::Base));
}

void TestCellGrid::fixedCellsAreNotSelectable() {
    auto grid = MakeGrid();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(3, 0).center());
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(0, 2).center());
    QCOMPARE(grid->Col(), 1);
    QCOMPARE(grid->Row(), 1);
}

void TestCellGrid::keyboardMovesCurrentCell_data() {
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QPoint>("current");
    QTest::newRow("right leaves the hidden key column") << QList<int>{Qt::Key_Right} << QPoint(2, 1);
    QTest::newRow("left skips the hidden key column") << QList<int>{Qt::Key_Right, Qt::Key_Left} << QPoint(2, 1);
    QTest::newRow("down") << QList<int>{Qt::Key_Down, Qt::Key_Down} << QPoint(1, 3);
    QTest::newRow("not past the last row")
        << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down} << QPoint(1, 3);
    QTest::newRow("not into the header") << QList<int>{Qt::Key_Up} << QPoint(1, 1);
    QTest::newRow("end goes to the last column") << QList<int>{Qt::Key_End} << QPoint(4, 1);
    QTest::newRow("home goes to the first visible column") << QList<int>{Qt::Key_End, Qt::Key_Home} << QPoint(2, 1);
}

void TestCellGrid::keyboardMovesCurrentCell() {
    QFETCH(QList<int>, keys);
    QFETCH(QPoint, current);
    auto grid = MakeGrid();
    for (int key : keys)
        QTest::keyClick(grid.get(), Qt::Key(key));
    QCOMPARE(QPoint(grid->Col(), grid->Row()), current);
}

void TestCellGrid::doubleClickAnywhere() {
    auto grid = MakeGrid();
    QSignalSpy doubleClicked(grid.get(), &CellGrid::DoubleClicked);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(3, 2).center());
    QCOMPARE(QPoint(grid->Col(), grid->Row()), QPoint(3, 2));
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, QPoint(300, 190)); // below the last row
    QCOMPARE(doubleClicked.count(), 2);
    QCOMPARE(QPoint(grid->Col(), grid->Row()), QPoint(3, 2));
}

void TestCellGrid::scrollingKeepsHeaderAndFollowsCurrentRow() {
    auto grid = MakeGrid(200);
    for (int row = 1; row < 200; ++row)
        grid->SetCell(2, row, QString::number(row));
    grid->SetCurrentCell(2, 1);
    QTest::keyClick(grid.get(), Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(grid->Row(), 199);
    QVERIFY(!grid->CellRect(2, 199).isEmpty());
    QVERIFY(grid->CellRect(2, 1).isEmpty());
    QCOMPARE(grid->CellRect(2, 0).top(), 0);
    QVERIFY(grid->verticalScrollBar()->value() > 0);
    QTest::keyClick(grid.get(), Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(grid->verticalScrollBar()->value(), 0);
}

void TestCellGrid::highlightDoesNotMoveCurrentCellOrScroll() {
    auto grid = MakeGrid(200);
    grid->SetCurrentCell(3, 5);
    grid->SetCellColorTo(2, 150, Qt::red);
    grid->SetCellColorTo(4, 150, Qt::red);
    QCOMPARE(QPoint(grid->Col(), grid->Row()), QPoint(3, 5));
    QCOMPARE(grid->verticalScrollBar()->value(), 0);
}

QTEST_MAIN(TestCellGrid)
#include "tst_cellgrid.moc"
