// The main window's winding calculation: layers, turns per layer and the
// conservative and nested lengths of every listed reel.

#include "uniravlen.h"

#include "ActionError.h"
#include "BgrColor.h"
#include "CellGrid.h"
#include "CheckedFloat.h"
#include "CutDecimals.h"
#include "DecimalNumber.h"
#include "Notices.h"
#include "PlainInteger.h"
#include "ReelGridColumns.h"
#include "RegionalSettings.h"
#include "TrimmedText.h"
#include "Winding.h"
#include "uniData.h"

#include <QLineEdit>

#include <vector>

namespace {

const QColor kFigureFill = BgrColor(0xEEEEEE);
const QString kMetres = QStringLiteral("m");
const QString kNoUnit;

// The number a figure's text stands for. Figures are integer texts but for
// the very large ones, which are in the general format.
long double FigureNumber(const QString& figure) {
    if (const auto integer = PlainInteger(figure))
        return static_cast<long double>(*integer);
    return ParseDecimalOrThrow(figure, RegionalSettings::DecimalSeparator());
}

// A figure's text as the number stored for it; a figure beyond the double
// range cannot be stored and overflows.
CatalogueQuery::Value FigureValue(const QString& figure) {
    if (const auto integer = PlainInteger(figure))
        return *integer;
    return CheckedFloat::ToDouble(ParseDecimalOrThrow(figure, RegionalSettings::DecimalSeparator()));
}

} // namespace

struct TfrmRavlen::ReelInputs {
    double D = 0; // flange diameter
    double B = 0; // barrel diameter
    double W = 0; // barrel width
    double m = 0; // winding margin
    double k = 0; // width coefficient
    double d = 0; // cable outer diameter
};

// Reads the reel's row (every field of a missing reel reads as 0) and the cable
// diameter. The diameter is held as a double-precision number.
TfrmRavlen::ReelInputs TfrmRavlen::ReadReelAndDiameter(const QString& key) {
    CatalogueQuery& Q1 = m_data.Q1;
    Q1.Close();
    Q1.Clear();
    Q1.Add(ReelSql::kSelectReel);
    Q1.Bind(":key", ReelSql::KeyValue(key));
    Q1.Open();
    ReelInputs in;
    in.D = Q1.FieldAsFloat("FWJ");
    in.B = Q1.FieldAsFloat("FNJ");
    in.W = Q1.FieldAsFloat("FKD");
    in.m = Q1.FieldAsFloat("FYL");
    in.k = Q1.FieldAsFloat("FXS");
    in.d = CheckedFloat::ToDouble(CableDiameter());
    Q1.Close();
    return in;
}

// The diameter text read by the decimal-number rule; every routine reads it
// afresh, and the same text always reads the same, so it is read only once
// while it stays unchanged.
long double TfrmRavlen::CableDiameter() {
    const QString text = edWJ->text();
    const QChar separator = RegionalSettings::DecimalSeparator();
    if (!m_diameterRead || text != m_diameterText || separator != m_diameterSeparator) {
        m_diameter = ParseDecimalOrThrow(text, separator);
        m_diameterText = text;
        m_diameterSeparator = separator;
        m_diameterRead = true;
    }
    return m_diameter;
}

void TfrmRavlen::StoreFigure(const QString& statement, const QString& figure, const QString& key) {
    CatalogueQuery& Q1 = m_data.Q1;
    Q1.Close();
    Q1.Clear();
    Q1.Add(statement);
    Q1.Bind(":value", FigureValue(figure));
    Q1.Bind(":key", ReelSql::KeyValue(key));
    Q1.ExecSQL();
    Q1.Close();
}

QString TfrmRavlen::CalcLayers(const QString& key) {
    const ReelInputs in = ReadReelAndDiameter(key);
    const QString layers = CutDecimals(CheckedFloat::Finite(Winding::Layers(in.D, in.B, in.m, in.d)),
                                       RegionalSettings::DecimalSeparator());
    StoreFigure(ReelSql::kStoreLayers, layers, key);
    return layers;
}

QString TfrmRavlen::CalcTurns(const QString& key) {
    const ReelInputs in = ReadReelAndDiameter(key);
    const QString turns =
        CutDecimals(CheckedFloat::Finite(Winding::Turns(in.W, in.k, in.d)), RegionalSettings::DecimalSeparator());
    StoreFigure(ReelSql::kStoreTurns, turns, key);
    return turns;
}

QString TfrmRavlen::CalcLengthConservative(const QString& key) {
    const ReelInputs in = ReadReelAndDiameter(key);
    const long double N = Winding::Layers(in.D, in.B, in.m, in.d);
    const long double T = Winding::Turns(in.W, in.k, in.d);
    const QString length = CutDecimals(CheckedFloat::Finite(Winding::LengthConservative(N, T, in.B, in.d)),
                                       RegionalSettings::DecimalSeparator());
    StoreFigure(ReelSql::kStoreLengthConservative, length, key);
    return length;
}

// Builds on the cut layer count and conservative length, never on the
// unrounded values.
QString TfrmRavlen::CalcLengthNested(const QString& key) {
    const long double n = FigureNumber(CalcLayers(key));
    const long double Lc = FigureNumber(CalcLengthConservative(key));
    const QString length =
        CutDecimals(CheckedFloat::Finite(Winding::LengthNested(n, Lc)), RegionalSettings::DecimalSeparator());
    StoreFigure(ReelSql::kStoreLengthNested, length, key);
    return length;
}

void TfrmRavlen::btnCALCClick() {
    Notices::RunAction([this] { CalculateAllReels(); });
}

namespace {

// The figures of a run, shown once the store has taken them: the grid never
// shows figures the catalogue does not hold. A reel's figures are collected
// as they are worked out, so a run that stops part-way through a reel still
// shows what that reel stored before the failure.
class PendingFigures {
public:
    explicit PendingFigures(CellGrid& grid, int rows) : m_grid(grid) { m_cells.reserve(static_cast<size_t>(rows) * 4); }

    void Add(int col, int row, QString figure) { m_cells.push_back({col, row, std::move(figure)}); }

    void Show() {
        using namespace ReelGridColumns;
        for (Cell& cell : m_cells) {
            const bool length = cell.col == LengthConservative || cell.col == LengthNested;
            const QString& unit = length ? kMetres : kNoUnit;
            // a plain integer figure is kept as a number (it reads back as the
            // same text); "-0" and the very large ones stay text
            const auto integer = PlainInteger(cell.figure);
            if (integer && !(*integer == 0 && cell.figure.startsWith(u'-')))
                m_grid.SetIntegerCell(cell.col, cell.row, *integer, unit);
            else
                m_grid.SetCell(cell.col, cell.row, cell.figure, unit);
            m_grid.SetCellLook(cell.col, cell.row, kFigureFill, length); // the lengths in bold
        }
        m_cells.clear();
    }

private:
    struct Cell {
        int col;
        int row;
        QString figure;
    };
    CellGrid& m_grid;
    std::vector<Cell> m_cells;
};

} // namespace

bool TfrmRavlen::CalculateAllReels() {
    using namespace ReelGridColumns;
    const QString diameter = TrimmedText(edWJ->text());
    if (diameter.isEmpty()) {
        RefuseInput(edWJ, QStringLiteral("请录入电缆外径！"));
        return false;
    }
    if (!IsDecimalNumber(diameter, RegionalSettings::DecimalSeparator())) {
        RefuseInput(edWJ, QStringLiteral("电缆外径录入错误！"));
        return false;
    }

    CellGrid& grid = *AdvGrid;
    CatalogueConnection& connection = m_data.CONN;
    CellGrid::UpdateHold hold(grid);
    PendingFigures figures(grid, grid.RowCount());
    try {
        for (int row = 1; row < grid.RowCount(); ++row) {
            const QString key = TrimmedText(grid.Cell(Key, row));
            if (key.isEmpty())
                continue;
            // One transaction for the whole run: the figures of every reel
            // land together, and far faster than statement by statement.
            if (!connection.InTransaction())
                connection.BeginTransaction();
            figures.Add(Layers, row, CalcLayers(key));
            figures.Add(Turns, row, CalcTurns(key));
            figures.Add(LengthConservative, row, CalcLengthConservative(key));
            figures.Add(LengthNested, row, CalcLengthNested(key));
        }
    } catch (const ActionError& error) {
        m_data.Q1.Close();
        if (!connection.InTransaction())
            throw;
        // The reels before the failing one keep the figures they got, if the
        // store keeps them.
        try {
            if (connection.Commit())
                figures.Show();
        } catch (const ActionError&) {
            Notices::ReportError(error.text());
            throw;
        }
        throw;
    }
    if (connection.InTransaction() && connection.Commit())
        figures.Show();
    return true;
}
