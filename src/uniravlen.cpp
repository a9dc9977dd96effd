#include "uniravlen.h"

#include "ActionError.h"
#include "AppIdentity.h"
#include "BgrColor.h"
#include "CellGrid.h"
#include "GeneralFormat.h"
#include "MainWindowLayout.h"
#include "NoteLabel.h"
#include "Notices.h"
#include "ReelGridColumns.h"
#include "RegionalSettings.h"
#include "ShadedPanel.h"
#include "StatusPanels.h"
#include "TrimmedText.h"
#include "WebPage.h"
#include "WindowFont.h"
#include "uniData.h"
#include "uniravlen_edit.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QToolButton>
#include <QUrl>

namespace {

// the line pitch of 8 pt Tahoma, for which the note's box was drawn
constexpr int kNoteLinePitch = 13;

const QString kCatalogueFileName = QStringLiteral("coil.mdb");
const QString kMillimetres = QStringLiteral("mm");

const QString kBendingRadiusNote = QStringLiteral("单芯电缆：\n"
                                                  "        铠装型: 线盘内胆直径大于20倍的电缆直径\n"
                                                  "        非铠装: 线盘内胆直径大于15倍的电缆直径\n"
                                                  "\n"
                                                  "多芯电缆：\n"
                                                  "        铠装型: 线盘内胆直径大于15倍的电缆直径\n"
                                                  "        非铠装: 线盘内胆直径大于12倍的电缆直径");

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QColor& color = QColor(),
                  bool bold = false) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    if (color.isValid()) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, color);
        label->setPalette(palette);
    }
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

QFrame* MakeBevel(QWidget* parent, const char* name) {
    auto* bevel = new QFrame(parent);
    bevel->setObjectName(QString::fromLatin1(name));
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);
    return bevel;
}

template <typename T> T* Named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

TfrmRavlen::TfrmRavlen(TfrmData& data, const QString& exeDir, QWidget* parent) : QWidget(parent), m_data(data) {
    m_exeDir = QDir::toNativeSeparators(QDir::cleanPath(exeDir));
    if (!m_exeDir.endsWith(QDir::separator()))
        m_exeDir += QDir::separator();
    setObjectName(QStringLiteral("frmRavlen"));
    setWindowTitle(AppIdentity::kWindowCaption);
    setFont(WindowFont());
    QPalette face = palette();
    face.setColor(QPalette::Window, palette().color(QPalette::Button));
    setPalette(face);
    setAutoFillBackground(true);

    CreateControls();
    resize(MainWindowLayout::kClientWidth, MainWindowLayout::kClientHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), QSize(MainWindowLayout::kOuterWidth, MainWindowLayout::kOuterHeight));
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    ArrangeControls();
    SetTabOrder();
    edWJ->setFocus();
}

TfrmRavlen::~TfrmRavlen() = default;

void TfrmRavlen::CreateControls() {
    using namespace ReelGridColumns;
    const QColor yellow = BgrColor(0x00FFFF);

    AdvPanel1 = Named(new ShadedPanel(BgrColor(0xC0C0C0), BgrColor(0x000040), this), "AdvPanel1");
    AdvPanel2 = Named(new ShadedPanel(BgrColor(0xC0C0C0), BgrColor(0x000040), AdvPanel1), "AdvPanel2");
    AdvPanel3 = Named(new QWidget(this), "AdvPanel3");
    AdvGrid = Named(new CellGrid(this), "AdvGrid");
    SB = Named(new StatusPanels(this), "SB");

    Label1 = MakeLabel(AdvPanel1, "Label1", QStringLiteral("电缆外径:"), yellow, true);
    edWJ = Named(new QLineEdit(AdvPanel1), "edWJ");
    QFont big = WindowFont();
    big.setPixelSize(16);
    big.setBold(true);
    edWJ->setFont(big);
    Label2 = MakeLabel(AdvPanel1, "Label2", QStringLiteral("mm"), yellow);

    auto makeFlatButton = [&](const char* name, const QString& text) {
        auto* button = Named(new QToolButton(AdvPanel2), name);
        button->setText(text);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        QPalette palette = button->palette();
        palette.setColor(QPalette::ButtonText, Qt::white);
        button->setPalette(palette);
        QFont font = button->font();
        font.setBold(true);
        button->setFont(font);
        return button;
    };
    btnnewpan = makeFlatButton("btnnewpan", QStringLiteral("新增线盘"));
    btndelpan = makeFlatButton("btndelpan", QStringLiteral("删除线盘"));

    btnCALC = Named(new QPushButton(QStringLiteral("计算装盘长度(所有线盘)"), AdvPanel3), "btnCALC");
    Bevel1 = MakeBevel(AdvPanel3, "Bevel1");
    Label3 = MakeLabel(AdvPanel3, "Label3", QStringLiteral("依据电缆长度选择电缆盘:"), BgrColor(0x408000));
    Label4 = MakeLabel(AdvPanel3, "Label4", QStringLiteral("电缆长度:"), QColor(), true);
    edCD = Named(new QLineEdit(AdvPanel3), "edCD");
    QFont boldFont = WindowFont();
    boldFont.setBold(true);
    edCD->setFont(boldFont);
    Label5 = MakeLabel(AdvPanel3, "Label5", QStringLiteral("m"));
    rbbs = Named(new QRadioButton(QStringLiteral("【保守】"), AdvPanel3), "rbbs");
    rbqr = Named(new QRadioButton(QStringLiteral("【嵌入】"), AdvPanel3), "rbqr");
    rbqr->setChecked(true);
    btnCDSELECT = Named(new QPushButton(QStringLiteral("计算可使用的电缆盘"), AdvPanel3), "btnCDSELECT");
    Bevel2 = MakeBevel(AdvPanel3, "Bevel2");
    Label6 = MakeLabel(AdvPanel3, "Label6", QStringLiteral("电缆装盘弯曲半径要求:"), BgrColor(0x000080));
    Label7 = Named(new NoteLabel(kBendingRadiusNote, kNoteLinePitch, AdvPanel3), "Label7");

    for (QLabel* label : {Label1, Label2, Label3, Label4, Label5, Label6, Label7})
        label->setFocusPolicy(Qt::NoFocus);

    AdvGrid->SetColCount(Count);
    AdvGrid->SetRowCount(2);
    AdvGrid->SetRowHeight(kRowHeight);
    for (int col = 0; col < Count; ++col) {
        AdvGrid->SetColWidth(col, kHeaders[col].width);
        AdvGrid->SetCell(col, 0, QString::fromUtf16(kHeaders[col].text));
    }
    AdvGrid->SetCurrentCell(Key, 1);
    AdvGrid->SetAlignmentCallback([this](int col, int row) { return AdvGridGetAlignment(col, row); });
    AdvGrid->SetNumberFormatter(
        [](double value) { return FormatGeneral(value, RegionalSettings::DecimalSeparator()); });

    SB->SetPanels(
        {{250, AppIdentity::kSlogan, true}, {450, AppIdentity::kGreeting, true}, {100, AppIdentity::kContact, false}});
    SB->setFocusPolicy(Qt::NoFocus);
    connect(SB, &StatusPanels::Clicked, this, &TfrmRavlen::SBClick);

    connect(btnCALC, &QPushButton::clicked, this, &TfrmRavlen::btnCALCClick);
    connect(btnCDSELECT, &QPushButton::clicked, this, &TfrmRavlen::btnCDSELECTClick);
    connect(btnnewpan, &QToolButton::clicked, this, &TfrmRavlen::btnnewpanClick);
    connect(btndelpan, &QToolButton::clicked, this, &TfrmRavlen::btndelpanClick);
    connect(AdvGrid, &CellGrid::DoubleClicked, this, &TfrmRavlen::AdvGridDblClick);
    connect(rbbs, &QRadioButton::toggled, this, &TfrmRavlen::UpdateRadioTabStops);
    connect(rbqr, &QRadioButton::toggled, this, &TfrmRavlen::UpdateRadioTabStops);
    UpdateRadioTabStops();
}

void TfrmRavlen::ArrangeControls() {
    for (const MainWindowLayout::Place& place : MainWindowLayout::kPlaces) {
        auto* widget = findChild<QWidget*>(QString::fromLatin1(place.name));
        Q_ASSERT(widget);
        if (place.width == 0) {
            widget->adjustSize();
            widget->move(place.x, place.y);
        } else {
            widget->setGeometry(place.x, place.y, place.width, place.height);
        }
    }
}

void TfrmRavlen::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const MainWindowLayout::Regions regions = MainWindowLayout::RegionsFor(size());
    AdvPanel1->setGeometry(regions.topBar);
    AdvPanel2->setGeometry(regions.topBarButtons);
    AdvGrid->setGeometry(regions.grid);
    AdvPanel3->setGeometry(regions.rightPanel);
    SB->setGeometry(regions.statusBar);
}

void TfrmRavlen::SetTabOrder() {
    QWidget::setTabOrder(edWJ, AdvGrid);
    QWidget::setTabOrder(AdvGrid, btnCALC);
    QWidget::setTabOrder(btnCALC, edCD);
    QWidget::setTabOrder(edCD, btnCDSELECT);
    QWidget::setTabOrder(btnCDSELECT, rbbs);
    QWidget::setTabOrder(rbbs, rbqr);
}

// Of the two radio buttons only the checked one is reached with Tab.
void TfrmRavlen::UpdateRadioTabStops() {
    for (QRadioButton* radio : {rbbs, rbqr})
        radio->setFocusPolicy(radio->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

void TfrmRavlen::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LocaleChange) {
        RegionalSettings::ReadFromSystem();
        AdvGrid->RefreshNumbers();
    }
    QWidget::changeEvent(event);
}

void TfrmRavlen::SBClick() {
    WebPage::Open(QUrl(AppIdentity::kMakerUrl));
}

void TfrmRavlen::RefuseInput(QLineEdit* field, const QString& notice) {
    Notices::MessageNotice(notice);
    field->setFocus();
}

bool TfrmRavlen::FormShow() {
    m_dbPath = m_exeDir + kCatalogueFileName;
    if (!QFileInfo::exists(m_dbPath)) {
        Notices::MessageNotice(QStringLiteral("数据库文件丢失【coil.mdb】！"));
        return false;
    }
    m_connText = CatalogueConnection::ConnectionTextFor(m_dbPath);
    try {
        m_data.CONN.Close();
        m_data.CONN.SetConnectionText(m_connText);
        m_data.CONN.Open();
    } catch (const ActionError&) {
        Notices::MessageNotice(QStringLiteral("数据库打开失败！"));
        return false;
    }
    AdvGrid->SetColWidth(ReelGridColumns::RowNumber, 30);
    AdvGrid->SetColWidth(ReelGridColumns::Key, 0);
    Notices::RunAction([this] { LoadReelGrid(); });
    return true;
}

void TfrmRavlen::LoadReelGrid() {
    using namespace ReelGridColumns;
    CellGrid& grid = *AdvGrid;
    CatalogueQuery& Q1 = m_data.Q1;

    CellGrid::UpdateHold hold(grid);

    // rows past the first go anyway; clearing them before would be wasted
    grid.SetRowCount(2);
    grid.ClearRows(1, 1);
    grid.SetRow(1);

    Q1.Close();
    Q1.Clear();
    Q1.Add(ReelSql::kSelectAllReels);
    Q1.Open();
    int n = 0;
    while (!Q1.Eof()) {
        ++n;
        if (n > 1)
            grid.AddRow();
        grid.SetIntegerCell(RowNumber, n, n);
        ShowField(Key, n, "FItemID");
        ShowField(Name, n, "FName");
        ShowField(FlangeDiameter, n, "FWJ", kMillimetres);
        ShowField(BarrelDiameter, n, "FNJ", kMillimetres);
        ShowField(BarrelWidth, n, "FKD", kMillimetres);
        ShowField(Margin, n, "FYL", kMillimetres);
        ShowField(Coefficient, n, "FXS");
        Q1.Next();
    }
    Q1.Close();
}

// A field of the current row in a grid cell, in its text form followed by the
// suffix; numbers keep their value until the cell is shown.
void TfrmRavlen::ShowField(int col, int row, const char* field, const QString& suffix) {
    const CatalogueQuery::Value value = m_data.Q1.Field(field);
    switch (value.type()) {
    case CatalogueQuery::Value::Type::Integer:
        AdvGrid->SetIntegerCell(col, row, value.integer(), suffix);
        break;
    case CatalogueQuery::Value::Type::Float:
        AdvGrid->SetNumberCell(col, row, value.number(), suffix);
        break;
    case CatalogueQuery::Value::Type::Text:
        AdvGrid->SetCell(col, row, value.text(), suffix);
        break;
    case CatalogueQuery::Value::Type::Null:
        AdvGrid->SetCell(col, row, QString(), suffix);
        break;
    }
}

QString TfrmRavlen::CurrentKey() const {
    return TrimmedText(AdvGrid->Cell(ReelGridColumns::Key, AdvGrid->Row()));
}

void TfrmRavlen::EditReel(const QString& key, const QString& caption) {
    Tfrmravlen_edit frmravlen_edit(m_data, this);
    frmravlen_edit.ItemKey = key;
    frmravlen_edit.setWindowTitle(caption);
    frmravlen_edit.exec();
    Notices::RunAction([this] { LoadReelGrid(); });
}

void TfrmRavlen::btnnewpanClick() {
    EditReel(QStringLiteral("0"), QStringLiteral("线盘参数 - 新增"));
}

void TfrmRavlen::AdvGridDblClick() {
    const QString key = CurrentKey();
    if (key.isEmpty())
        return;
    EditReel(key, QStringLiteral("线盘参数 - 编辑"));
}

void TfrmRavlen::btndelpanClick() {
    const QString key = CurrentKey();
    if (key.isEmpty())
        return;
    const QString name = TrimmedText(AdvGrid->Cell(ReelGridColumns::Name, AdvGrid->Row()));
    if (!Notices::AskYesNo(QStringLiteral("确实要删除线缆【") + name + QStringLiteral("】吗？")))
        return;
    Notices::RunAction([&] {
        CatalogueQuery& Q1 = m_data.Q1;
        Q1.Close();
        Q1.Clear();
        Q1.Add(ReelSql::kDeleteReel);
        Q1.Bind(":key", ReelSql::KeyValue(key));
        Q1.ExecSQL();
        Q1.Close();
        LoadReelGrid();
    });
}

Qt::Alignment TfrmRavlen::AdvGridGetAlignment(int col, int row) const {
    if (row == 0)
        return Qt::AlignHCenter;
    if (col >= ReelGridColumns::FlangeDiameter && col <= ReelGridColumns::LengthNested)
        return Qt::AlignRight;
    return Qt::AlignLeft;
}
