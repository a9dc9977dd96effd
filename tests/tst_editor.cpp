// Keeping the catalogue: the editor dialog, and adding, editing and deleting
// reels through the main window, checked in the catalogue file.

#include "BgrColor.h"
#include "CatalogueFixture.h"
#include "MainWindowHarness.h"
#include "ModalDriver.h"
#include "RegionalSettings.h"
#include "TypeText.h"
#include "uniravlen_edit.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QTest>
#include <QToolButton>

namespace {

const char* const kFieldNames[] = {"edName", "edWJ", "edNJ", "edKD", "edYL", "edXS"};

QLineEdit& FieldOf(QDialog& dialog, const char* name) {
    auto* field = dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
    if (!field)
        qFatal("no field %s", name);
    return *field;
}

QPushButton& ButtonOf(QDialog& dialog, const char* name) {
    return *dialog.findChild<QPushButton*>(QString::fromLatin1(name));
}

QStringList FieldTexts(QDialog& dialog) {
    QStringList texts;
    for (const char* name : kFieldNames)
        texts << FieldOf(dialog, name).text();
    return texts;
}

// Types the texts into the six fields as a user would: select all, type.
void Fill(QDialog& dialog, const QStringList& texts) {
    for (int i = 0; i < 6; ++i) {
        QLineEdit& field = FieldOf(dialog, kFieldNames[i]);
        field.selectAll();
        QTest::keyClick(&field, Qt::Key_Backspace);
        TypeText(&field, texts[i]);
    }
}

QVariantList StoredValues(CatalogueFixture& fixture, qint64 key) {
    const QVariantMap row = fixture.ReadReel(key);
    return {row.value("FName"), row.value("FWJ"), row.value("FNJ"),     row.value("FKD"),
            row.value("FYL"),   row.value("FXS"), row.value("FModelID")};
}

void ClickNew(MainWindowHarness& h) {
    QTest::mouseClick(h.window->findChild<QToolButton*>(QStringLiteral("btnnewpan")), Qt::LeftButton);
}

void ClickDelete(MainWindowHarness& h) {
    QTest::mouseClick(h.window->findChild<QToolButton*>(QStringLiteral("btndelpan")), Qt::LeftButton);
}

void DoubleClickRow(MainWindowHarness& h, int row) {
    QTest::mouseDClick(h.Grid().viewport(), Qt::LeftButton, {}, h.Grid().CellRect(3, row).center());
}

} // namespace

class TestEditor : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setApplicationName(QStringLiteral("电缆Kelvoro")); }
    void cleanup() { RegionalSettings::SetDecimalSeparator(u'.'); }
    void dialogLayout();
    void tabOrderEnterAndEscape();
    void addReel();
    void addReelValuesConverted_data();
    void addReelValuesConverted();
    void saveRefused_data();
    void saveRefused();
    void editReel();
    void editReelDeletedElsewhere();
    void exitAndCloseBoxStillReload();
    void failingStatementKeepsDialogOpen();
    void deleteAsksAndNoKeepsEverything();
    void deleteFifthReelLeavesRowOne();
    void emptyCatalogueRowDoesNothing();
};

void TestEditor::dialogLayout() {
    TfrmData data;
    Tfrmravlen_edit dialog(data);
    QCOMPARE(dialog.size(), QSize(307, 244));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QCOMPARE(dialog.ItemKey, QStringLiteral("0"));
    const struct {
        const char* name;
        QRect rect;
        QString text;
    } fields[] = {
        {"edName", {84, 15, 180, 21}, "φ"},  {"edWJ", {84, 40, 180, 21}, ""},  {"edNJ", {84, 65, 180, 21}, ""},
        {"edKD", {84, 90, 180, 21}, ""},     {"edYL", {84, 115, 180, 21}, ""}, {"edXS", {84, 140, 180, 21}, "0.95"},
        {"edModel", {84, 172, 180, 21}, ""},
    };
    for (const auto& field : fields) {
        QLineEdit& edit = FieldOf(dialog, field.name);
        QCOMPARE(edit.geometry(), field.rect);
        QCOMPARE(edit.text(), field.text);
        QCOMPARE(edit.maxLength(), 32767); // no limit of our own
    }
    QVERIFY(!FieldOf(dialog, "edModel").isEnabled());
    QCOMPARE(FieldOf(dialog, "edModel").palette().color(QPalette::Disabled, QPalette::Base), QColor(192, 192, 192));

    QMap<QString, QList<QPoint>> labels; // text -> places
    for (QLabel* label : dialog.findChildren<QLabel*>())
        labels[label->text()] << label->pos();
    const QStringList captions{
        "线盘规格:", "线盘直径:", "内胆直径:", "内胆宽度:", "装盘余量:", "宽度系数:", "对应物料:"};
    const QList<int> tops{15, 40, 65, 90, 115, 140, 172};
    for (int i = 0; i < captions.size(); ++i) {
        QCOMPARE(labels.value(captions[i]).size(), 1);
        const QPoint at = labels.value(captions[i]).first();
        QCOMPARE(at.x(), 28);
        QVERIFY(at.y() - tops[i] >= 2 && at.y() - tops[i] <= 4);
    }
    QList<QPoint> units = labels.value(QStringLiteral("mm"));
    std::sort(units.begin(), units.end(), [](QPoint a, QPoint b) { return a.y() < b.y(); });
    QCOMPARE(units.size(), 4);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(units[i].x(), 266);
        QCOMPARE(units[i].y(), tops[i + 1] + 3);
    }
    QCOMPARE(dialog.findChild<QFrame*>(QStringLiteral("Bevel1"))->geometry(), QRect(2, 200, 300, 2));
    QPushButton& save = ButtonOf(dialog, "Button1");
    QPushButton& exit = ButtonOf(dialog, "Button2");
    QCOMPARE(save.geometry(), QRect(40, 208, 91, 25));
    QCOMPARE(save.text(), QStringLiteral("保存"));
    QCOMPARE(exit.geometry(), QRect(192, 208, 91, 25));
    QCOMPARE(exit.text(), QStringLiteral("退出"));
    for (QPushButton* button : {&save, &exit}) {
        QVERIFY(!button->isDefault());
        QVERIFY(!button->autoDefault());
    }
}

void TestEditor::tabOrderEnterAndEscape() {
    CatalogueFixture fixture;
    TfrmData data;
    Tfrmravlen_edit dialog(data);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.focusWidget()->objectName(), QStringLiteral("edName"));
    QStringList order;
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
        order << dialog.focusWidget()->objectName();
    }
    QCOMPARE(order, (QStringList{"edWJ", "edNJ", "edKD", "edYL", "edXS", "Button1", "Button2", "edName"}));

    // Enter in a field moves on and types nothing
    order.clear();
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
        order << dialog.focusWidget()->objectName();
    }
    QCOMPARE(order, (QStringList{"edWJ", "edNJ", "edKD", "edYL", "edXS", "Button1"}));
    QCOMPARE(FieldTexts(dialog), (QStringList{"φ", "", "", "", "", "0.95"}));
    QVERIFY(dialog.isVisible());

    QTest::keyClick(dialog.focusWidget(), Qt::Key_Escape);
    QVERIFY(dialog.isVisible());

    // Enter on the exit button presses it
    ButtonOf(dialog, "Button2").setFocus();
    QTest::keyClick(&ButtonOf(dialog, "Button2"), Qt::Key_Enter);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

void TestEditor::addReel() {
    CatalogueFixture fixture;
    fixture.AddReel(QStringLiteral("φ800"), 800, 400, 500, 40, 0.95);
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    // figures and a highlight that the reload must clear
    h.Field("edWJ").setText(QStringLiteral("40"));
    h.Field("edCD").setText(QStringLiteral("10"));
    h.window->btnCDSELECTClick();
    QCOMPARE(h.Grid().CellColorTo(2, 1), BgrColor(0x0000FF));

    QStringList initial;
    QString caption;
    ModalDriver driver([&](QDialog& dialog) {
        caption = dialog.windowTitle();
        initial = FieldTexts(dialog);
        Fill(dialog, {"φ1200", "1200", "600", "700", "50", "0.95"});
        QTest::mouseClick(&ButtonOf(dialog, "Button1"), Qt::LeftButton);
    });
    ClickNew(h);
    QVERIFY(driver.Ran());
    QCOMPARE(caption, QStringLiteral("线盘参数 - 新增"));
    QCOMPARE(initial, (QStringList{"φ", "", "", "", "", "0.95"}));
    QVERIFY(h.notices.Notices().isEmpty());

    const QList<qint64> keys = fixture.Keys();
    QCOMPARE(keys.size(), 2);
    QCOMPARE(StoredValues(fixture, keys[1]), (QVariantList{"φ1200", 1200.0, 600.0, 700.0, 50.0, 0.95, "0"}));
    QVERIFY(fixture.ReadReel(keys[1]).value("FQtyQR").isNull());
    QCOMPARE(h.Grid().RowCount(), 3);
    QCOMPARE(h.RowTexts(2).mid(1, 7),
             (QStringList{QString::number(keys[1]), "φ1200", "1200mm", "600mm", "700mm", "50mm", "0.95"}));
    for (int row = 1; row <= 2; ++row) {
        for (int col = 8; col <= 11; ++col)
            QVERIFY(h.Grid().Cell(col, row).isEmpty());
        QVERIFY(!h.Grid().CellColorTo(2, row).isValid());
    }
}

void TestEditor::addReelValuesConverted_data() {
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QVariantList>("stored");
    QTest::newRow("name left as φ, blanks trimmed")
        << QChar(u'.') << QStringList{"φ", " 1200 ", "600", "700", "50", "0.95"}
        << QVariantList{"φ", 1200.0, 600.0, 700.0, 50.0, 0.95, "0"};
    QTest::newRow("exponent and lone separator forms")
        << QChar(u'.') << QStringList{"钢盘", "1e3", ".5", "5.", "+.e1", "-0.5"}
        << QVariantList{"钢盘", 1000.0, 0.5, 5.0, 0.0, -0.5, "0"};
    QTest::newRow("comma separator") << QChar(u',') << QStringList{"φ12,5", "12,5", "6", "7", "0,5", "0,95"}
                                     << QVariantList{"φ12,5", 12.5, 6.0, 7.0, 0.5, 0.95, "0"};
    QTest::newRow("zero and negative accepted") << QChar(u'.') << QStringList{"x", "0", "-600", "700", "0", "2"}
                                                << QVariantList{"x", 0.0, -600.0, 700.0, 0.0, 2.0, "0"};
    QTest::newRow("quotes and backslashes as typed")
        << QChar(u'.') << QStringList{"φ12'00 \"B\" C:\\", "1", "2", "3", "4", "5"}
        << QVariantList{"φ12'00 \"B\" C:\\", 1.0, 2.0, 3.0, 4.0, 5.0, "0"};
}

void TestEditor::addReelValuesConverted() {
    QFETCH(QChar, separator);
    QFETCH(QStringList, typed);
    QFETCH(QVariantList, stored);
    RegionalSettings::SetDecimalSeparator(separator);
    CatalogueFixture fixture;
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    ModalDriver driver([&](QDialog& dialog) {
        Fill(dialog, typed);
        QTest::mouseClick(&ButtonOf(dialog, "Button1"), Qt::LeftButton);
    });
    ClickNew(h);
    QVERIFY(driver.Ran());
    QVERIFY(h.notices.All().isEmpty());
    QCOMPARE(fixture.Keys().size(), 1);
    QCOMPARE(StoredValues(fixture, fixture.Keys().first()), stored);
}

void TestEditor::saveRefused_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("notice");
    QTest::newRow("name empty") << 0 << ""
                                << "请录入线盘规格！";
    QTest::newRow("name blanks") << 0 << "   "
                                 << "请录入线盘规格！";
    QTest::newRow("flange empty") << 1 << ""
                                  << "请录入线盘直径！";
    QTest::newRow("flange not a number") << 1 << "1200mm"
                                         << "线盘直径录入错误！";
    QTest::newRow("flange beyond the double range") << 1 << "1e400"
                                                    << "线盘直径录入错误！";
    QTest::newRow("barrel empty") << 2 << " "
                                  << "请录入内胆直径！";
    QTest::newRow("barrel comma where point") << 2 << "12,5"
                                              << "内胆直径录入错误！";
    QTest::newRow("width empty") << 3 << ""
                                 << "请录入内胆宽度！";
    QTest::newRow("width thousands separator") << 3 << "1,000"
                                               << "内胆宽度录入错误！";
    QTest::newRow("margin empty") << 4 << ""
                                  << "请录入装盘余量！";
    QTest::newRow("margin two signs") << 4 << "--5"
                                      << "装盘余量录入错误！";
    QTest::newRow("coefficient empty") << 5 << ""
                                       << "请录入宽度系数！";
    QTest::newRow("coefficient percent") << 5 << "95%"
                                         << "宽度系数录入错误！";
}

void TestEditor::saveRefused() {
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(QString, notice);
    CatalogueFixture fixture;
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    QStringList typed{"φ1200", "1200", "600", "700", "50", "0.95"};
    typed[field] = text;
    QString focus;
    bool stillOpen = false;
    QStringList kept;
    ModalDriver driver([&](QDialog& dialog) {
        Fill(dialog, typed);
        QTest::mouseClick(&ButtonOf(dialog, "Button1"), Qt::LeftButton);
        stillOpen = dialog.isVisible();
        focus = dialog.focusWidget()->objectName();
        kept = FieldTexts(dialog);
        QTest::mouseClick(&ButtonOf(dialog, "Button2"), Qt::LeftButton);
    });
    ClickNew(h);
    QVERIFY(driver.Ran());
    QCOMPARE(h.notices.Notices(), QStringList{notice});
    QVERIFY(stillOpen);
    QCOMPARE(focus, QString::fromLatin1(kFieldNames[field]));
    QCOMPARE(kept, typed);
    QCOMPARE(fixture.ReelCount(), 0);
}

void TestEditor::editReel() {
    CatalogueFixture fixture;
    fixture.AddReel(QStringLiteral("φ1000"), 1000, 500, 600, 50, 0.95);
    const qint64 key = fixture.AddReel(QStringLiteral("φ1200"), 1200, 600, 700, 50, 0.95);
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    h.show();
    h.Field("edWJ").setText(QStringLiteral("40"));
    h.window->btnCALCClick();

    QString caption;
    QStringList loaded;
    ModalDriver driver([&](QDialog& dialog) {
        caption = dialog.windowTitle();
        loaded = FieldTexts(dialog);
        Fill(dialog, {"φ1200 宽", "1200", "600", "750", "50", "0.95"});
        QTest::keyClick(&ButtonOf(dialog, "Button1"), Qt::Key_Return);
    });
    DoubleClickRow(h, 2);
    QVERIFY(driver.Ran());
    QCOMPARE(caption, QStringLiteral("线盘参数 - 编辑"));
    QCOMPARE(loaded, (QStringList{"φ1200", "1200", "600", "700", "50", "0.95"}));
    QVERIFY(h.notices.All().isEmpty());
    QCOMPARE(fixture.Keys().size(), 2);
    QCOMPARE(StoredValues(fixture, key), (QVariantList{"φ1200 宽", 1200.0, 600.0, 750.0, 50.0, 0.95, "0"}));
    QCOMPARE(h.Grid().Cell(5, 2), QStringLiteral("750mm"));
    for (int row = 1; row <= 2; ++row) {
        for (int col = 8; col <= 11; ++col) {
            QVERIFY(h.Grid().Cell(col, row).isEmpty());
            QVERIFY(!h.Grid().CellColor(col, row).isValid());
        }
    }
}

void TestEditor::editReelDeletedElsewhere() {
    CatalogueFixture fixture;
    const qint64 key = fixture.AddReel(QStringLiteral("φ1200"), 1200, 600, 700, 50, 0.95);
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    h.show();
    fixture.Exec(QStringLiteral("delete from t_ravlen where FItemID=%1").arg(key));

    QStringList loaded;
    bool stillOpen = false;
    ModalDriver driver([&](QDialog& dialog) {
        loaded = FieldTexts(dialog);
        Fill(dialog, {"φ1400", "1400", "710", "750", "60", "0.95"});
        QTest::mouseClick(&ButtonOf(dialog, "Button1"), Qt::LeftButton);
        stillOpen = dialog.isVisible();
        QTest::mouseClick(&ButtonOf(dialog, "Button2"), Qt::LeftButton);
    });
    DoubleClickRow(h, 1);
    QVERIFY(driver.Ran());
    QCOMPARE(loaded, QStringList(6, QString()));
    QCOMPARE(h.notices.Notices(), QStringList{QStringLiteral("该线盘已不存在！")});
    QVERIFY(stillOpen);
    QCOMPARE(fixture.ReelCount(), 0);
    QCOMPARE(h.Grid().RowCount(), 2);
    QVERIFY(h.Grid().Cell(1, 1).isEmpty());
}

void TestEditor::exitAndCloseBoxStillReload() {
    CatalogueFixture fixture;
    fixture.AddReel(QStringLiteral("φ1200"), 1200, 600, 700, 50, 0.95);
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    h.Field("edWJ").setText(QStringLiteral("40"));
    h.window->btnCALCClick();
    QCOMPARE(h.Grid().Cell(8, 1), QStringLiteral("6"));
    ModalDriver byExit([&](QDialog& dialog) {
        FieldOf(dialog, "edWJ").setText(QStringLiteral("9999"));
        QTest::mouseClick(&ButtonOf(dialog, "Button2"), Qt::LeftButton);
    });
    h.window->AdvGridDblClick();
    QVERIFY(byExit.Ran());
    QVERIFY(h.Grid().Cell(8, 1).isEmpty()); // reloaded
    ModalDriver byCloseBox([&](QDialog& dialog) { dialog.close(); });
    h.window->btnnewpanClick();
    QVERIFY(byCloseBox.Ran());
    QCOMPARE(StoredValues(fixture, fixture.Keys().first())[1], QVariant(1200.0));
    QCOMPARE(fixture.ReelCount(), 1);
}

void TestEditor::failingStatementKeepsDialogOpen() {
    CatalogueFixture fixture;
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    fixture.Exec(QStringLiteral("drop table t_ravlen"));
    bool stillOpen = false;
    ModalDriver driver([&](QDialog& dialog) {
        Fill(dialog, {"φ1200", "1200", "600", "700", "50", "0.95"});
        QTest::mouseClick(&ButtonOf(dialog, "Button1"), Qt::LeftButton);
        stillOpen = dialog.isVisible();
        QTest::mouseClick(&ButtonOf(dialog, "Button2"), Qt::LeftButton);
    });
    ClickNew(h);
    QVERIFY(driver.Ran());
    QVERIFY(stillOpen);
    // the save and the reload after the dialog both report the missing table
    QCOMPARE(h.notices.Errors(), (QStringList(2, QStringLiteral("no such table: t_ravlen."))));
}

void TestEditor::deleteAsksAndNoKeepsEverything() {
    CatalogueFixture fixture;
    fixture.AddReel(QStringLiteral("φ1000"), 1000, 500, 600, 50, 0.95);
    fixture.AddReel(QStringLiteral("φ1200"), 1200, 600, 700, 50, 0.95);
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    h.Field("edWJ").setText(QStringLiteral("40"));
    h.Field("edCD").setText(QStringLiteral("300"));
    h.window->btnCDSELECTClick();
    h.Grid().SetCurrentCell(3, 2);
    const QStringList before = h.RowTexts(2);
    const QColor highlight = h.Grid().CellColorTo(11, 2);
    QCOMPARE(highlight, BgrColor(0x0000FF));

    h.notices.SetNextAnswer(false);
    ClickDelete(h);
    QCOMPARE(h.notices.Questions(), QStringList{QStringLiteral("确实要删除线缆【φ1200】吗？")});
    QCOMPARE(h.notices.All().last().caption, QStringLiteral("Tolvane软件"));
    QCOMPARE(fixture.ReelCount(), 2);
    QCOMPARE(h.RowTexts(2), before);
    QCOMPARE(h.Grid().CellColorTo(11, 2), highlight);

    h.notices.SetNextAnswer(true);
    ClickDelete(h);
    QCOMPARE(fixture.ReelCount(), 1);
    QCOMPARE(h.Grid().RowCount(), 2);
    QCOMPARE(h.Grid().Cell(2, 1), QStringLiteral("φ1000"));
    QVERIFY(h.Grid().Cell(8, 1).isEmpty());
}

void TestEditor::deleteFifthReelLeavesRowOne() {
    CatalogueFixture fixture;
    for (int i = 1; i <= 5; ++i)
        fixture.AddReel(QStringLiteral("φ%1").arg(i * 200), i * 200, i * 100, 300, 20, 0.9);
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    h.Grid().SetCurrentCell(2, 5);
    ClickDelete(h);
    QCOMPARE(fixture.ReelCount(), 4);
    QCOMPARE(h.Grid().Row(), 1);
    h.notices.SetNextAnswer(false);
    ClickDelete(h);
    QCOMPARE(h.notices.Questions(), (QStringList{QStringLiteral("确实要删除线缆【φ1000】吗？"),
                                                 QStringLiteral("确实要删除线缆【φ200】吗？")}));
    QCOMPARE(fixture.ReelCount(), 4);
}

void TestEditor::emptyCatalogueRowDoesNothing() {
    CatalogueFixture fixture;
    MainWindowHarness h(fixture);
    QVERIFY(h.Start());
    NoDialogExpected watch;
    DoubleClickRow(h, 1);
    ClickDelete(h);
    QVERIFY(watch.Seen().isEmpty());
    QVERIFY(h.notices.All().isEmpty());
}

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
