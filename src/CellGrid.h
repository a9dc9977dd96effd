#pragma once

#include <QAbstractScrollArea>
#include <QColor>
#include <QRect>
#include <QString>

#include <functional>
#include <vector>

// A read-only grid of text cells with one fixed header row and one fixed
// column on the left, both part of the cell numbering (cell (col, row), row 0
// the headers, column 0 the row numbers). Each data cell may carry a
// background colour, a gradient end colour (painted as a vertical gradient
// from the fill at the top to the end colour at the bottom) and bold text.
// The current cell and any range dragged over are painted in the selection
// colour with black text, over every per-cell colour.
//
// Column widths and the row height exclude the one-pixel grid line drawn to
// the right of and below every cell; a column of width 0 is hidden entirely.
class CellGrid : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit CellGrid(QWidget* parent = nullptr);

    static constexpr int kFixedRows = 1;
    static constexpr int kFixedCols = 1;

    void SetColCount(int count);
    int ColCount() const { return m_colCount; }
    // Total rows, the header row included; at least one data row is kept.
    void SetRowCount(int count);
    int RowCount() const { return m_rowCount; }
    void AddRow();

    void SetColWidth(int col, int width);
    int ColWidth(int col) const { return m_colWidths[static_cast<size_t>(col)]; }
    void SetRowHeight(int height);
    int RowHeight() const { return m_rowHeight; }

    // A cell's text is its own text or number followed by its suffix (a
    // unit such as "mm").
    QString Cell(int col, int row) const;
    void SetCell(int col, int row, const QString& text, const QString& suffix = QString());
    // Numbers are turned into text only when a cell is shown or read, so
    // that filling thousands of rows costs no formatting.
    void SetNumberCell(int col, int row, double value, const QString& suffix = QString());
    void SetIntegerCell(int col, int row, qint64 value, const QString& suffix = QString());
    using NumberFormatter = std::function<QString(double value)>;
    void SetNumberFormatter(NumberFormatter formatter);
    // Numbers are written anew, e.g. after the decimal separator changed.
    void RefreshNumbers();

    // An invalid colour means the cell has none of its own.
    QColor CellColor(int col, int row) const;
    void SetCellColor(int col, int row, const QColor& color);
    QColor CellColorTo(int col, int row) const;
    void SetCellColorTo(int col, int row, const QColor& color);
    bool CellBold(int col, int row) const;
    void SetCellBold(int col, int row, bool bold);
    // Background colour and bold at once, for cells filled by the thousand.
    void SetCellLook(int col, int row, const QColor& color, bool bold);

    // Empties `count` rows from `firstRow` on: texts and every per-cell property.
    void ClearRows(int firstRow, int count);

    int Col() const { return m_col; }
    int Row() const { return m_row; }
    // Makes a cell current and collapses any dragged range onto it; does not scroll.
    void SetCurrentCell(int col, int row);
    void SetRow(int row) { SetCurrentCell(m_col, row); }
    // The selected range (current cell and anchor), in cells.
    QRect Selection() const;

    using AlignmentCallback = std::function<Qt::Alignment(int col, int row)>;
    void SetAlignmentCallback(AlignmentCallback callback);

    // Where a cell is painted, in viewport coordinates; empty when it is hidden
    // or scrolled out of view.
    QRect CellRect(int col, int row) const;

    // Hold painting and scroll-range updates during a long run of changes.
    void BeginUpdate();
    void EndUpdate();

    // Holds updates for its lifetime, also when an error ends the run early.
    class UpdateHold {
    public:
        explicit UpdateHold(CellGrid& grid) : m_grid(grid) { m_grid.BeginUpdate(); }
        ~UpdateHold() { m_grid.EndUpdate(); }
        UpdateHold(const UpdateHold&) = delete;
        UpdateHold& operator=(const UpdateHold&) = delete;

    private:
        CellGrid& m_grid;
    };

    static QColor DataLineColor();
    static QColor FixedLineColor();
    static QColor SelectionColor();

signals:
    void DoubleClicked();
    void CurrentCellChanged(int col, int row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    enum class Content : quint8 { Text, Number, Integer };
    // Kept small: a reel grid holds twelve of these per reel.
    struct CellData {
        // for a number or integer, the text it was last shown as
        mutable QString text;
        union {
            double number = 0;
            qint64 integer;
        };
        QRgb color = 0;
        QRgb colorTo = 0;
        Content content = Content::Text;
        quint8 suffix = 0; // index into m_suffixes; 0 is none
        mutable bool written = false;
        bool hasColor : 1 = false;
        bool hasColorTo : 1 = false;
        bool bold : 1 = false;
    };

    CellData& At(int col, int row);
    // Changes a cell in place and repaints it; cells outside the grid are ignored.
    template <typename Change> void Update(int col, int row, Change change);
    QString ShownText(const CellData& cell) const;
    quint8 SuffixIndex(const QString& suffix);
    const CellData* Find(int col, int row) const;
    void Changed(int col, int row);
    void UpdateScrollRanges();
    int TopRow() const;  // first data row shown below the header row
    int LeftCol() const; // first data column shown right of the fixed column
    int ColLeft(int col) const;
    int RowTop(int row) const;
    bool CellAt(const QPoint& pos, int& col, int& row) const;
    void MoveCurrent(int col, int row, bool extend);
    void EnsureVisible(int col, int row);
    int VisibleDataRows() const;
    int NextVisibleCol(int col, int step) const;
    void PaintCell(QPainter& painter, int col, int row, const QRect& rect) const;

    int m_colCount = 0;
    int m_rowCount = kFixedRows + 1;
    int m_rowHeight = 22;
    std::vector<int> m_colWidths;
    std::vector<CellData> m_cells; // row-major, m_colCount per row
    int m_col = 1;
    int m_row = 1;
    int m_anchorCol = 1;
    int m_anchorRow = 1;
    bool m_dragging = false;
    int m_updateDepth = 0;
    bool m_rangesDirty = false;
    AlignmentCallback m_alignment;
    NumberFormatter m_formatter;
    std::vector<QString> m_suffixes{QString()};
};
