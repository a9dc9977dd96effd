#include "CellGrid.h"

#include "BgrColor.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace {

QRgb Lerp(QRgb from, QRgb to, int step, int steps) {
    auto channel = [&](int a, int b) { return a + (b - a) * step / steps; };
    return qRgb(channel(qRed(from), qRed(to)), channel(qGreen(from), qGreen(to)), channel(qBlue(from), qBlue(to)));
}

// A vertical gradient in min(64, height - 1) + 1 bands whose channels step
// linearly: the top pixel row is `from`, the bottom pixel row is `to`.
void PaintBands(QPainter& painter, const QRect& rect, QRgb from, QRgb to) {
    const int height = rect.height();
    const int bands = std::min(64, height - 1) + 1;
    if (bands <= 1) {
        painter.fillRect(rect, QColor(from));
        return;
    }
    for (int i = 0; i < bands; ++i) {
        const int top = rect.top() + i * height / bands;
        const int bottom = rect.top() + (i + 1) * height / bands;
        painter.fillRect(QRect(rect.left(), top, rect.width(), bottom - top), QColor(Lerp(from, to, i, bands - 1)));
    }
}

} // namespace

CellGrid::CellGrid(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::StyledPanel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    verticalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setSingleStep(1);
}

QColor CellGrid::DataLineColor() {
    return BgrColor(0xC0C0C0);
}

QColor CellGrid::FixedLineColor() {
    return BgrColor(0x808080);
}

QColor CellGrid::SelectionColor() {
    return BgrColor(0xEACAB6);
}

void CellGrid::SetColCount(int count) {
    count = std::max(count, kFixedCols + 1);
    std::vector<CellData> cells(static_cast<size_t>(count) * static_cast<size_t>(m_rowCount));
    for (int r = 0; r < m_rowCount; ++r) {
        for (int c = 0; c < std::min(count, m_colCount); ++c)
            cells[static_cast<size_t>(r * count + c)] = std::move(At(c, r));
    }
    m_cells = std::move(cells);
    m_colWidths.resize(static_cast<size_t>(count), 64);
    m_colCount = count;
    m_col = std::min(m_col, count - 1);
    m_anchorCol = std::min(m_anchorCol, count - 1);
    UpdateScrollRanges();
    viewport()->update();
}

void CellGrid::SetRowCount(int count) {
    count = std::max(count, kFixedRows + 1);
    m_cells.resize(static_cast<size_t>(count) * static_cast<size_t>(m_colCount));
    m_rowCount = count;
    m_row = std::min(m_row, count - 1);
    m_anchorRow = std::min(m_anchorRow, count - 1);
    UpdateScrollRanges();
    if (m_updateDepth == 0)
        viewport()->update();
}

void CellGrid::AddRow() {
    SetRowCount(m_rowCount + 1);
}

void CellGrid::SetColWidth(int col, int width) {
    m_colWidths[static_cast<size_t>(col)] = std::max(0, width);
    UpdateScrollRanges();
    viewport()->update();
}

void CellGrid::SetRowHeight(int height) {
    m_rowHeight = std::max(1, height);
    UpdateScrollRanges();
    viewport()->update();
}

CellGrid::CellData& CellGrid::At(int col, int row) {
    return m_cells[static_cast<size_t>(row) * static_cast<size_t>(m_colCount) + static_cast<size_t>(col)];
}

const CellGrid::CellData* CellGrid::Find(int col, int row) const {
    if (col < 0 || col >= m_colCount || row < 0 || row >= m_rowCount)
        return nullptr;
    return &m_cells[static_cast<size_t>(row) * static_cast<size_t>(m_colCount) + static_cast<size_t>(col)];
}

QString CellGrid::ShownText(const CellData& cell) const {
    if (cell.content != Content::Text && !cell.written) {
        if (cell.content == Content::Integer)
            cell.text = QString::number(cell.integer);
        else
            cell.text = m_formatter ? m_formatter(cell.number) : QString::number(cell.number, 'g', 15);
        cell.written = true;
    }
    return cell.suffix == 0 ? cell.text : cell.text + m_suffixes[cell.suffix];
}

// Units are few ("mm", "m"); each gets a number once.
quint8 CellGrid::SuffixIndex(const QString& suffix) {
    if (suffix.isEmpty())
        return 0;
    for (size_t i = 1; i < m_suffixes.size(); ++i) {
        if (m_suffixes[i].constData() == suffix.constData() || m_suffixes[i] == suffix)
            return static_cast<quint8>(i);
    }
    if (m_suffixes.size() > 255)
        qFatal("CellGrid: too many different suffixes");
    m_suffixes.push_back(suffix);
    return static_cast<quint8>(m_suffixes.size() - 1);
}

void CellGrid::RefreshNumbers() {
    for (const CellData& cell : m_cells)
        cell.written = false;
    viewport()->update();
}

QString CellGrid::Cell(int col, int row) const {
    const CellData* cell = Find(col, row);
    return cell ? ShownText(*cell) : QString();
}

template <typename Change> void CellGrid::Update(int col, int row, Change change) {
    if (!Find(col, row))
        return;
    change(At(col, row));
    Changed(col, row);
}

void CellGrid::SetCell(int col, int row, const QString& text, const QString& suffix) {
    Update(col, row, [&](CellData& cell) {
        cell.text = text;
        cell.suffix = SuffixIndex(suffix);
        cell.content = Content::Text;
    });
}

void CellGrid::SetNumberCell(int col, int row, double value, const QString& suffix) {
    Update(col, row, [&](CellData& cell) {
        cell.text.clear();
        cell.suffix = SuffixIndex(suffix);
        cell.number = value;
        cell.content = Content::Number;
        cell.written = false;
    });
}

void CellGrid::SetIntegerCell(int col, int row, qint64 value, const QString& suffix) {
    Update(col, row, [&](CellData& cell) {
        cell.text.clear();
        cell.suffix = SuffixIndex(suffix);
        cell.integer = value;
        cell.content = Content::Integer;
        cell.written = false;
    });
}

void CellGrid::SetNumberFormatter(NumberFormatter formatter) {
    m_formatter = std::move(formatter);
    viewport()->update();
}

QColor CellGrid::CellColor(int col, int row) const {
    const CellData* cell = Find(col, row);
    return cell && cell->hasColor ? QColor(cell->color) : QColor();
}

void CellGrid::SetCellColor(int col, int row, const QColor& color) {
    Update(col, row, [&](CellData& cell) {
        cell.hasColor = color.isValid();
        cell.color = color.rgb();
    });
}

QColor CellGrid::CellColorTo(int col, int row) const {
    const CellData* cell = Find(col, row);
    return cell && cell->hasColorTo ? QColor(cell->colorTo) : QColor();
}

void CellGrid::SetCellColorTo(int col, int row, const QColor& color) {
    Update(col, row, [&](CellData& cell) {
        cell.hasColorTo = color.isValid();
        cell.colorTo = color.rgb();
    });
}

bool CellGrid::CellBold(int col, int row) const {
    const CellData* cell = Find(col, row);
    return cell && cell->bold;
}

void CellGrid::SetCellBold(int col, int row, bool bold) {
    Update(col, row, [&](CellData& cell) { cell.bold = bold; });
}

void CellGrid::SetCellLook(int col, int row, const QColor& color, bool bold) {
    Update(col, row, [&](CellData& cell) {
        cell.hasColor = color.isValid();
        cell.color = color.rgb();
        cell.bold = bold;
    });
}

void CellGrid::ClearRows(int firstRow, int count) {
    const int first = std::clamp(firstRow, 0, m_rowCount);
    const int last = std::clamp(firstRow + count, first, m_rowCount);
    std::fill(m_cells.begin() + static_cast<ptrdiff_t>(first) * m_colCount,
              m_cells.begin() + static_cast<ptrdiff_t>(last) * m_colCount, CellData{});
    if (m_updateDepth == 0)
        viewport()->update();
}

void CellGrid::SetCurrentCell(int col, int row) {
    col = std::clamp(col, kFixedCols, m_colCount - 1);
    row = std::clamp(row, kFixedRows, m_rowCount - 1);
    m_anchorCol = m_col = col;
    m_anchorRow = m_row = row;
    if (m_updateDepth == 0)
        viewport()->update();
    emit CurrentCellChanged(m_col, m_row);
}

QRect CellGrid::Selection() const {
    return QRect(QPoint(std::min(m_col, m_anchorCol), std::min(m_row, m_anchorRow)),
                 QPoint(std::max(m_col, m_anchorCol), std::max(m_row, m_anchorRow)));
}

void CellGrid::SetAlignmentCallback(AlignmentCallback callback) {
    m_alignment = std::move(callback);
    viewport()->update();
}

void CellGrid::BeginUpdate() {
    ++m_updateDepth;
}

void CellGrid::EndUpdate() {
    if (m_updateDepth == 0 || --m_updateDepth > 0)
        return;
    if (m_rangesDirty)
        UpdateScrollRanges();
    viewport()->update();
}

void CellGrid::Changed(int col, int row) {
    if (m_updateDepth > 0)
        return;
    const QRect rect = CellRect(col, row);
    if (!rect.isEmpty())
        viewport()->update(rect);
}

int CellGrid::TopRow() const {
    return kFixedRows + verticalScrollBar()->value();
}

int CellGrid::LeftCol() const {
    return kFixedCols + horizontalScrollBar()->value();
}

int CellGrid::VisibleDataRows() const {
    const int pitch = m_rowHeight + 1;
    return std::max(1, (viewport()->height() - kFixedRows * pitch) / pitch);
}

void CellGrid::UpdateScrollRanges() {
    if (m_updateDepth > 0) {
        m_rangesDirty = true;
        return;
    }
    m_rangesDirty = false;
    const int dataRows = m_rowCount - kFixedRows;
    verticalScrollBar()->setRange(0, std::max(0, dataRows - VisibleDataRows()));
    verticalScrollBar()->setPageStep(VisibleDataRows());

    int fixedWidth = 0;
    for (int c = 0; c < kFixedCols && c < m_colCount; ++c)
        fixedWidth += m_colWidths[static_cast<size_t>(c)] + 1;
    const int room = viewport()->width() - fixedWidth;
    // the smallest first column from which every remaining column fits
    int first = m_colCount;
    int used = 0;
    while (first > kFixedCols) {
        const int width = m_colWidths[static_cast<size_t>(first - 1)];
        const int pitch = width > 0 ? width + 1 : 0;
        if (used + pitch > room)
            break;
        used += pitch;
        --first;
    }
    horizontalScrollBar()->setRange(0, std::max(0, first - kFixedCols));
    horizontalScrollBar()->setPageStep(1);
}

int CellGrid::ColLeft(int col) const {
    int x = 0;
    if (col < kFixedCols) {
        for (int c = 0; c < col; ++c)
            x += m_colWidths[static_cast<size_t>(c)] + 1;
        return x;
    }
    if (col < LeftCol())
        return -1;
    for (int c = 0; c < kFixedCols; ++c)
        x += m_colWidths[static_cast<size_t>(c)] + 1;
    for (int c = LeftCol(); c < col; ++c) {
        const int width = m_colWidths[static_cast<size_t>(c)];
        x += width > 0 ? width + 1 : 0;
    }
    return x;
}

int CellGrid::RowTop(int row) const {
    const int pitch = m_rowHeight + 1;
    if (row < kFixedRows)
        return row * pitch;
    if (row < TopRow())
        return -1;
    return kFixedRows * pitch + (row - TopRow()) * pitch;
}

QRect CellGrid::CellRect(int col, int row) const {
    if (col < 0 || col >= m_colCount || row < 0 || row >= m_rowCount)
        return {};
    const int width = m_colWidths[static_cast<size_t>(col)];
    const int x = ColLeft(col);
    const int y = RowTop(row);
    if (width == 0 || x < 0 || y < 0)
        return {};
    const QRect rect(x, y, width, m_rowHeight);
    return rect.intersects(viewport()->rect()) ? rect : QRect();
}

bool CellGrid::CellAt(const QPoint& pos, int& col, int& row) const {
    const int pitch = m_rowHeight + 1;
    if (pos.y() < 0 || pos.x() < 0)
        return false;
    if (pos.y() < kFixedRows * pitch) {
        row = pos.y() / pitch;
    } else {
        row = TopRow() + (pos.y() - kFixedRows * pitch) / pitch;
    }
    if (row >= m_rowCount)
        return false;
    for (int c = 0; c < m_colCount; ++c) {
        if (c >= kFixedCols && c < LeftCol())
            continue;
        const int width = m_colWidths[static_cast<size_t>(c)];
        if (width == 0)
            continue;
        const int x = ColLeft(c);
        if (pos.x() >= x && pos.x() <= x + width) {
            col = c;
            return true;
        }
    }
    return false;
}

void CellGrid::MoveCurrent(int col, int row, bool extend) {
    col = std::clamp(col, kFixedCols, m_colCount - 1);
    row = std::clamp(row, kFixedRows, m_rowCount - 1);
    if (col == m_col && row == m_row && (extend || (col == m_anchorCol && row == m_anchorRow)))
        return;
    m_col = col;
    m_row = row;
    if (!extend) {
        m_anchorCol = col;
        m_anchorRow = row;
    }
    EnsureVisible(col, row);
    viewport()->update();
    emit CurrentCellChanged(m_col, m_row);
}

void CellGrid::EnsureVisible(int col, int row) {
    QScrollBar* vertical = verticalScrollBar();
    if (row < TopRow())
        vertical->setValue(row - kFixedRows);
    else if (row >= TopRow() + VisibleDataRows())
        vertical->setValue(row - kFixedRows - VisibleDataRows() + 1);

    QScrollBar* horizontal = horizontalScrollBar();
    if (col < LeftCol()) {
        horizontal->setValue(col - kFixedCols);
        return;
    }
    while (horizontal->value() < horizontal->maximum() &&
           ColLeft(col) + m_colWidths[static_cast<size_t>(col)] > viewport()->width())
        horizontal->setValue(horizontal->value() + 1);
}

int CellGrid::NextVisibleCol(int col, int step) const {
    for (int c = col + step; c >= kFixedCols && c < m_colCount; c += step) {
        if (m_colWidths[static_cast<size_t>(c)] > 0)
            return c;
    }
    return col;
}

void CellGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    int col = 0;
    int row = 0;
    if (!CellAt(event->position().toPoint(), col, row) || col < kFixedCols || row < kFixedRows)
        return;
    MoveCurrent(col, row, event->modifiers() & Qt::ShiftModifier);
}

void CellGrid::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton))
        return;
    QPoint pos = event->position().toPoint();
    pos.setX(std::clamp(pos.x(), ColLeft(kFixedCols < m_colCount ? LeftCol() : 0), viewport()->width() - 1));
    pos.setY(std::clamp(pos.y(), (m_rowHeight + 1) * kFixedRows, viewport()->height() - 1));
    int col = 0;
    int row = 0;
    if (CellAt(pos, col, row) && col >= kFixedCols && row >= kFixedRows)
        MoveCurrent(col, row, true);
}

void CellGrid::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

// The second press of a double-click arrives as the double-click itself; it
// makes the cell under the mouse current like any press before the command.
void CellGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    int col = 0;
    int row = 0;
    if (CellAt(event->position().toPoint(), col, row) && col >= kFixedCols && row >= kFixedRows)
        MoveCurrent(col, row, false);
    emit DoubleClicked();
}

void CellGrid::keyPressEvent(QKeyEvent* event) {
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    const bool control = event->modifiers() & Qt::ControlModifier;
    int col = m_col;
    int row = m_row;
    switch (event->key()) {
    case Qt::Key_Up:
        --row;
        break;
    case Qt::Key_Down:
        ++row;
        break;
    case Qt::Key_Left:
        col = NextVisibleCol(col, -1);
        break;
    case Qt::Key_Right:
        col = NextVisibleCol(col, +1);
        break;
    case Qt::Key_PageUp:
        row -= VisibleDataRows();
        break;
    case Qt::Key_PageDown:
        row += VisibleDataRows();
        break;
    case Qt::Key_Home:
        if (control)
            row = kFixedRows;
        else
            col = NextVisibleCol(kFixedCols - 1, +1);
        break;
    case Qt::Key_End:
        if (control)
            row = m_rowCount - 1;
        else
            col = NextVisibleCol(m_colCount, -1);
        break;
    default:
        event->ignore();
        return;
    }
    MoveCurrent(col, row, extend);
}

void CellGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRanges();
}

void CellGrid::scrollContentsBy(int, int) {
    viewport()->update();
}

void CellGrid::PaintCell(QPainter& painter, int col, int row, const QRect& rect) const {
    const CellData& cell =
        m_cells[static_cast<size_t>(row) * static_cast<size_t>(m_colCount) + static_cast<size_t>(col)];
    const bool fixed = col < kFixedCols || row < kFixedRows;
    QColor textColor = palette().color(QPalette::Text);
    if (fixed) {
        QLinearGradient shade(rect.topLeft(), rect.bottomLeft());
        const QColor face = palette().color(QPalette::Button);
        shade.setColorAt(0, face.lighter(106));
        shade.setColorAt(1, face.darker(108));
        painter.fillRect(rect, shade);
        textColor = palette().color(QPalette::ButtonText);
    } else if (Selection().contains(col, row)) {
        painter.fillRect(rect, SelectionColor());
        textColor = Qt::black;
    } else {
        const QRgb fill = cell.hasColor ? cell.color : palette().color(QPalette::Base).rgb();
        if (cell.hasColorTo)
            PaintBands(painter, rect, fill, cell.colorTo);
        else
            painter.fillRect(rect, QColor(fill));
    }
    const QString text = ShownText(cell);
    if (text.isEmpty())
        return;
    QFont font = painter.font();
    font.setBold(fixed || cell.bold);
    painter.setFont(font);
    painter.setPen(textColor);
    const Qt::Alignment horizontal = m_alignment ? m_alignment(col, row) & Qt::AlignHorizontal_Mask : Qt::AlignLeft;
    painter.drawText(rect.adjusted(2, 0, -2, 0), int(horizontal | Qt::AlignVCenter | Qt::TextSingleLine), text);
}

void CellGrid::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.setClipRegion(event->region());
    painter.fillRect(viewport()->rect(), palette().color(QPalette::Base));
    const QFont baseFont = font();
    const int width = viewport()->width();
    const int height = viewport()->height();

    auto paintRow = [&](int row) {
        const int y = RowTop(row);
        if (y < 0 || y >= height)
            return false;
        auto paintCol = [&](int col) {
            const int cellWidth = m_colWidths[static_cast<size_t>(col)];
            const int x = ColLeft(col);
            if (cellWidth == 0 || x < 0)
                return x < width;
            const QRect rect(x, y, cellWidth, m_rowHeight);
            if (event->region().intersects(rect.adjusted(0, 0, 1, 1))) {
                painter.setFont(baseFont);
                PaintCell(painter, col, row, rect);
                const bool fixed = col < kFixedCols || row < kFixedRows;
                painter.setPen(fixed ? FixedLineColor() : DataLineColor());
                painter.drawLine(rect.right() + 1, rect.top(), rect.right() + 1, rect.bottom() + 1);
                painter.drawLine(rect.left(), rect.bottom() + 1, rect.right() + 1, rect.bottom() + 1);
            }
            return x + cellWidth < width;
        };
        for (int col = 0; col < kFixedCols && col < m_colCount; ++col)
            paintCol(col);
        for (int col = LeftCol(); col < m_colCount; ++col) {
            if (!paintCol(col))
                break;
        }
        return true;
    };
    for (int row = 0; row < kFixedRows; ++row)
        paintRow(row);
    for (int row = TopRow(); row < m_rowCount; ++row) {
        if (!paintRow(row))
            break;
    }
}
