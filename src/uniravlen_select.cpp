// The main window's reel selection: the smallest reel that holds a cable of
// the given length.

#include "uniravlen.h"

#include "BgrColor.h"
#include "CellGrid.h"
#include "CheckedFloat.h"
#include "DecimalNumber.h"
#include "Notices.h"
#include "ReelGridColumns.h"
#include "RegionalSettings.h"
#include "TrimmedText.h"
#include "uniData.h"

#include <QLineEdit>
#include <QRadioButton>

qint64 TfrmRavlen::SelectReelForLength(double x) {
    CatalogueQuery& Q1 = m_data.Q1;
    Q1.Close();
    Q1.Clear();
    if (rbbs->isChecked())
        Q1.Add(ReelSql::kSelectByLengthConservative);
    else if (rbqr->isChecked())
        Q1.Add(ReelSql::kSelectByLengthNested);
    Q1.Open();
    for (; !Q1.Eof(); Q1.Next()) {
        const bool holds = (rbbs->isChecked() && Q1.FieldAsFloat("FQtyBS") >= x) ||
                           (rbqr->isChecked() && Q1.FieldAsFloat("FQtyQR") >= x);
        if (holds) {
            const qint64 key = Q1.FieldAsInteger("FItemID");
            Q1.Close();
            return key;
        }
    }
    Q1.Close();
    return 0;
}

void TfrmRavlen::btnCDSELECTClick() {
    Notices::RunAction([this] { SelectReel(); });
}

void TfrmRavlen::SelectReel() {
    using namespace ReelGridColumns;
    const QChar separator = RegionalSettings::DecimalSeparator();
    const QString diameter = TrimmedText(edWJ->text());
    if (diameter.isEmpty())
        return RefuseInput(edWJ, QStringLiteral("请录入电缆外径！"));
    if (!IsDecimalNumber(diameter, separator))
        return RefuseInput(edWJ, QStringLiteral("电缆外径录入错误！"));
    const QString length = TrimmedText(edCD->text());
    if (length.isEmpty())
        return RefuseInput(edCD, QStringLiteral("请录入电缆长度！"));
    if (!IsDecimalNumber(length, separator))
        return RefuseInput(edCD, QStringLiteral("电缆长度录入错误！"));

    // the stored lengths must belong to the diameter now typed
    if (!CalculateAllReels())
        return;

    const double x = CheckedFloat::ToDouble(ParseDecimalOrThrow(length, separator));
    const QString key = QString::number(SelectReelForLength(x));

    CellGrid& grid = *AdvGrid;
    CellGrid::UpdateHold hold(grid);
    const QColor white = BgrColor(0xFFFFFF);
    const QColor grey = BgrColor(0xEEEEEE);
    for (int row = 1; row < grid.RowCount(); ++row) {
        grid.SetCellColorTo(Name, row, white);
        grid.SetCellColorTo(LengthConservative, row, grey);
        grid.SetCellColorTo(LengthNested, row, grey);
    }
    if (key == QLatin1String("0")) {
        Notices::MessageNotice(QStringLiteral("没有找到合适的电缆盘装载此电缆！\r请更新线盘参数或者增加新的线盘。"));
        return;
    }
    const QColor red = BgrColor(0x0000FF);
    for (int row = 1; row < grid.RowCount(); ++row) {
        if (grid.Cell(Key, row) != key)
            continue;
        grid.SetCellColorTo(Name, row, red);
        if (rbbs->isChecked())
            grid.SetCellColorTo(LengthConservative, row, red);
        else if (rbqr->isChecked())
            grid.SetCellColorTo(LengthNested, row, red);
        break;
    }
}
