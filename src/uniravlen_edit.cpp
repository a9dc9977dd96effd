#include "uniravlen_edit.h"

#include "BgrColor.h"
#include "CheckedFloat.h"
#include "DecimalNumber.h"
#include "EditorDialogLayout.h"
#include "Notices.h"
#include "RegionalSettings.h"
#include "TrimmedText.h"
#include "WindowFont.h"
#include "uniData.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

namespace {

QString Text(const char16_t* text) {
    return QString::fromUtf16(text);
}

// The bound placeholders of the five reel values, in field order after the name.
const char* const kValuePlaceholders[] = {":wj", ":nj", ":kd", ":yl", ":xs"};
const char* const kColumns[] = {"FName", "FWJ", "FNJ", "FKD", "FYL", "FXS"};

} // namespace

Tfrmravlen_edit::Tfrmravlen_edit(TfrmData& data, QWidget* parent) : QDialog(parent), m_data(data) {
    setObjectName(QStringLiteral("frmravlen_edit"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(WindowFont());
    setFixedSize(EditorDialogLayout::kClientWidth, EditorDialogLayout::kClientHeight);
    CreateControls();
    FormCreate();
}

void Tfrmravlen_edit::FormCreate() {
    ItemKey = QStringLiteral("0");
}

void Tfrmravlen_edit::CreateControls() {
    using namespace EditorDialogLayout;
    QLineEdit** fields[] = {&edName, &edWJ, &edNJ, &edKD, &edYL, &edXS};
    int labelNumber = 1;
    auto addLabel = [&](const QString& text, int x, int y) {
        auto* label = new QLabel(text, this);
        label->setObjectName(QStringLiteral("Label%1").arg(labelNumber++));
        label->adjustSize();
        label->move(x, y);
    };
    for (int i = 0; i < 6; ++i) {
        const Field& field = kFields[i];
        auto* edit = new QLineEdit(Text(field.initialText), this);
        edit->setObjectName(QString::fromLatin1(field.name));
        edit->setGeometry(kFieldX, field.y, kFieldWidth, kFieldHeight);
        *fields[i] = edit;
        addLabel(Text(field.caption), kCaptionX, field.y + kCaptionBelowFieldTop);
    }
    edModel = new QLineEdit(this);
    edModel->setObjectName(QStringLiteral("edModel"));
    edModel->setGeometry(kFieldX, kModelY, kFieldWidth, kFieldHeight);
    edModel->setEnabled(false);
    QPalette silver = edModel->palette();
    silver.setColor(QPalette::Disabled, QPalette::Base, BgrColor(0xC0C0C0));
    edModel->setPalette(silver);
    addLabel(Text(kModelCaption), kCaptionX, kModelY + kCaptionBelowFieldTop);
    for (const Field& field : kFields) {
        if (field.millimetres)
            addLabel(QStringLiteral("mm"), kUnitX, field.y + kCaptionBelowFieldTop);
    }

    auto* bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setGeometry(kBevelX, kBevelY, kBevelWidth, kBevelHeight);

    auto makeButton = [&](const char* name, const QString& text, int x) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(x, kButtonY, kButtonWidth, kButtonHeight);
        // neither is pressed by Enter elsewhere in the dialog
        button->setAutoDefault(false);
        button->setDefault(false);
        return button;
    };
    Button1 = makeButton("Button1", QStringLiteral("保存"), kSaveX);
    Button2 = makeButton("Button2", QStringLiteral("退出"), kExitX);
    connect(Button1, &QPushButton::clicked, this, &Tfrmravlen_edit::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &Tfrmravlen_edit::Button2Click);

    QWidget* order[] = {edName, edWJ, edNJ, edKD, edYL, edXS, Button1, Button2};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
    for (QWidget* control : order)
        control->installEventFilter(this);
    edName->setFocus();
}

void Tfrmravlen_edit::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    Notices::RunAction([this] { FormShow(); });
    edName->setFocus();
}

void Tfrmravlen_edit::FormShow() {
    if (ItemKey == QLatin1String("0"))
        return;
    CatalogueQuery& Q1 = m_data.Q1;
    Q1.Close();
    Q1.Clear();
    Q1.Add(ReelSql::kSelectReel);
    Q1.Bind(":key", ReelSql::KeyValue(ItemKey));
    Q1.Open();
    QLineEdit* fields[] = {edName, edWJ, edNJ, edKD, edYL, edXS};
    for (int i = 0; i < 6; ++i)
        fields[i]->setText(Q1.FieldAsText(kColumns[i]));
    Q1.Close();
}

// Enter in a field moves on to the next control; Enter on a button presses
// it. Escape does nothing: the dialog closes only by its buttons or close box.
bool Tfrmravlen_edit::FormKeyPress(QWidget* target, QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto* button = qobject_cast<QPushButton*>(target))
            button->click();
        else
            focusNextChild();
        return true;
    case Qt::Key_Escape:
        return true;
    default:
        return false;
    }
}

bool Tfrmravlen_edit::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType())
        return FormKeyPress(static_cast<QWidget*>(watched), static_cast<QKeyEvent*>(event));
    return QDialog::eventFilter(watched, event);
}

void Tfrmravlen_edit::keyPressEvent(QKeyEvent* event) {
    if (!FormKeyPress(focusWidget(), event))
        QDialog::keyPressEvent(event);
}

std::optional<double> Tfrmravlen_edit::CheckedNumber(int index) {
    const EditorDialogLayout::Field& field = EditorDialogLayout::kFields[index];
    QLineEdit* edit = findChild<QLineEdit*>(QString::fromLatin1(field.name));
    const QString text = TrimmedText(edit->text());
    if (text.isEmpty()) {
        Notices::MessageNotice(Text(field.emptyNotice));
        edit->setFocus();
        return std::nullopt;
    }
    // the same rule that accepted the text turns it into the stored number;
    // one the store cannot hold as a double is refused like any non-number
    const auto value = ParseDecimal(text, RegionalSettings::DecimalSeparator());
    if (!value || std::isinf(static_cast<double>(*value))) {
        Notices::MessageNotice(Text(field.notANumberNotice));
        edit->setFocus();
        return std::nullopt;
    }
    return static_cast<double>(*value);
}

void Tfrmravlen_edit::Button1Click() {
    Notices::RunAction([this] { Save(); });
}

void Tfrmravlen_edit::Save() {
    const QString name = TrimmedText(edName->text());
    if (name.isEmpty()) {
        Notices::MessageNotice(Text(EditorDialogLayout::kFields[0].emptyNotice));
        edName->setFocus();
        return;
    }
    double values[5];
    for (int i = 1; i <= 5; ++i) {
        const auto value = CheckedNumber(i);
        if (!value)
            return;
        values[i - 1] = *value;
    }

    const bool isNew = ItemKey == QLatin1String("0");
    CatalogueQuery& Q1 = m_data.Q1;
    Q1.Close();
    Q1.Clear();
    Q1.Add(isNew ? ReelSql::kInsertReel : ReelSql::kUpdateReel);
    Q1.Bind(":name", name);
    for (int i = 0; i < 5; ++i)
        Q1.Bind(kValuePlaceholders[i], values[i]);
    if (!isNew)
        Q1.Bind(":key", ReelSql::KeyValue(ItemKey));
    const int changed = Q1.ExecSQL();
    Q1.Close();
    if (!isNew && changed == 0) {
        // deleted by other means since the grid was loaded: saving changed nothing
        Notices::MessageNotice(QStringLiteral("该线盘已不存在！"));
        return;
    }
    accept();
}

void Tfrmravlen_edit::Button2Click() {
    reject();
}
