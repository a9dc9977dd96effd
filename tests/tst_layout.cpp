// The main window's layout: places and sizes of every control, texts and
// colours, resizing, keyboard order, the radio group and the status bar.

#include "CatalogueFixture.h"
#include "MainWindowHarness.h"
#include "NoteLabel.h"
#include "StatusPanels.h"
#include "WebPage.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QRawFont>
#include <QTest>
#include <QToolButton>

namespace {

QRect WindowRect(const QWidget& window, const QWidget& widget) {
    return QRect(widget.mapTo(&window, QPoint(0, 0)), widget.size());
}

QString TextOf(const QWidget* widget) {
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->text();
    return {};
}

const QString kNote = QStringLiteral("单芯电缆：\n"
                                     "        铠装型: 线盘内胆直径大于20倍的电缆直径\n"
                                     "        非铠装: 线盘内胆直径大于15倍的电缆直径\n"
                                     "\n"
                                     "多芯电缆：\n"
                                     "        铠装型: 线盘内胆直径大于15倍的电缆直径\n"
                                     "        非铠装: 线盘内胆直径大于12倍的电缆直径");

} // namespace

class TestLayout : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void windowAndRegions();
    void controls_data();
    void controls();
    void labelColours();
    void noteFitsItsBox();
    void chineseTextsHaveGlyphs();
    void tabOrderAndStartFocus();
    void radioGroup();
    void statusBarOpensMakersPage();
    void enterInFieldsDoesNothing();

private:
    std::unique_ptr<CatalogueFixture> m_fixture;
    std::unique_ptr<MainWindowHarness> m_h;
};

void TestLayout::init() {
    m_fixture = std::make_unique<CatalogueFixture>();
    m_fixture->AddReel(QStringLiteral("φ1200"), 1200, 600, 700, 50, 0.95);
    m_h = std::make_unique<MainWindowHarness>(*m_fixture);
    QVERIFY(m_h->Start());
    m_h->window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_h->window.get()));
}

void TestLayout::cleanup() {
    m_h.reset();
    m_fixture.reset();
}

void TestLayout::windowAndRegions() {
    TfrmRavlen& w = *m_h->window;
    QCOMPARE(w.windowTitle(), QStringLiteral("电缆Kelvoro程序 - Tolvane软件 www.tolvane.example"));
    QCOMPARE(w.size(), QSize(1034, 637)); // 1050 x 675 with an 8 px frame and a 30 px caption
    QCOMPARE(w.minimumSize(), QSize(0, 0));
    QCOMPARE(w.font().pixelSize(), 11);
    QVERIFY(w.font().families().contains(QStringLiteral("Tahoma")));

    const struct {
        const char* name;
        QRect at1034x637;
        QRect at1400x900;
    } regions[] = {
        {"AdvPanel1", {0, 0, 1034, 51}, {0, 0, 1400, 51}},  {"AdvPanel2", {840, 0, 194, 51}, {1206, 0, 194, 51}},
        {"AdvGrid", {0, 51, 841, 568}, {0, 51, 1207, 831}}, {"AdvPanel3", {841, 51, 193, 568}, {1207, 51, 193, 831}},
        {"SB", {0, 619, 1034, 18}, {0, 882, 1400, 18}},
    };
    for (const auto& region : regions) {
        QWidget* widget = w.findChild<QWidget*>(QString::fromLatin1(region.name));
        QVERIFY2(widget, region.name);
        QCOMPARE(WindowRect(w, *widget), region.at1034x637);
    }
    w.resize(1400, 900);
    for (const auto& region : regions)
        QCOMPARE(WindowRect(w, *w.findChild<QWidget*>(QString::fromLatin1(region.name))), region.at1400x900);
}

void TestLayout::controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("position"); // window coordinates at 1034 x 637
    QTest::addColumn<QSize>("size");      // empty: the label's own size
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("rightShift"); // how far it moves when the window grows by 366 px

    const int right = 366;
    QTest::newRow("Label1") << "Label1" << QPoint(8, 20) << QSize() << "电缆外径:" << 0;
    QTest::newRow("edWJ") << "edWJ" << QPoint(66, 13) << QSize(119, 27) << "" << 0;
    QTest::newRow("Label2") << "Label2" << QPoint(189, 20) << QSize() << "mm" << 0;
    QTest::newRow("btnnewpan") << "btnnewpan" << QPoint(840 + 5, 2) << QSize(92, 44) << "新增线盘" << right;
    QTest::newRow("btndelpan") << "btndelpan" << QPoint(840 + 98, 2) << QSize(92, 44) << "删除线盘" << right;
    QTest::newRow("btnCALC") << "btnCALC" << QPoint(841 + 8, 51 + 15) << QSize(176, 53) << "计算装盘长度(所有线盘)"
                             << right;
    QTest::newRow("Bevel1") << "Bevel1" << QPoint(841 + 4, 51 + 89) << QSize(185, 2) << "" << right;
    QTest::newRow("Label3") << "Label3" << QPoint(841 + 5, 51 + 117) << QSize() << "依据电缆长度选择电缆盘:" << right;
    QTest::newRow("Label4") << "Label4" << QPoint(841 + 10, 51 + 155) << QSize() << "电缆长度:" << right;
    QTest::newRow("edCD") << "edCD" << QPoint(841 + 71, 51 + 152) << QSize(96, 21) << "" << right;
    QTest::newRow("Label5") << "Label5" << QPoint(841 + 169, 51 + 155) << QSize() << "m" << right;
    QTest::newRow("rbbs") << "rbbs" << QPoint(841 + 21, 51 + 185) << QSize(65, 17) << "【保守】" << right;
    QTest::newRow("rbqr") << "rbqr" << QPoint(841 + 103, 51 + 185) << QSize(68, 17) << "【嵌入】" << right;
    QTest::newRow("btnCDSELECT") << "btnCDSELECT" << QPoint(841 + 8, 51 + 207) << QSize(176, 53) << "计算可使用的电缆盘"
                                 << right;
    QTest::newRow("Bevel2") << "Bevel2" << QPoint(841 + 4, 51 + 298) << QSize(185, 2) << "" << right;
    QTest::newRow("Label6") << "Label6" << QPoint(841 + 1, 51 + 390) << QSize() << "电缆装盘弯曲半径要求:" << right;
    QTest::newRow("Label7") << "Label7" << QPoint(841 + 1, 51 + 424) << QSize(175, 143) << kNote << right;
}

void TestLayout::controls() {
    QFETCH(QString, name);
    QFETCH(QPoint, position);
    QFETCH(QSize, size);
    QFETCH(QString, text);
    QFETCH(int, rightShift);
    TfrmRavlen& w = *m_h->window;
    QWidget* widget = w.findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(TextOf(widget), text);
    QCOMPARE(WindowRect(w, *widget).topLeft(), position);
    if (size.isValid())
        QCOMPARE(widget->size(), size);
    const QSize before = widget->size();

    w.resize(1400, 900);
    QCOMPARE(WindowRect(w, *widget).topLeft(), position + QPoint(rightShift, 0));
    QCOMPARE(widget->size(), before);
}

void TestLayout::labelColours() {
    TfrmRavlen& w = *m_h->window;
    auto colour = [&](const char* name) {
        return w.findChild<QLabel*>(QString::fromLatin1(name))->palette().color(QPalette::WindowText);
    };
    auto bold = [&](const char* name) { return w.findChild<QWidget*>(QString::fromLatin1(name))->font().bold(); };
    QCOMPARE(colour("Label1"), QColor(255, 255, 0));
    QVERIFY(bold("Label1"));
    QCOMPARE(colour("Label2"), QColor(255, 255, 0));
    QCOMPARE(colour("Label3"), QColor(0, 128, 64));
    QVERIFY(bold("Label4"));
    QCOMPARE(colour("Label6"), QColor(128, 0, 0));
    QVERIFY(bold("edCD"));
    QVERIFY(bold("edWJ"));
    QCOMPARE(w.findChild<QWidget*>(QStringLiteral("edWJ"))->font().pixelSize(), 16);
    for (const char* flat : {"btnnewpan", "btndelpan"}) {
        auto* button = w.findChild<QToolButton*>(QString::fromLatin1(flat));
        QVERIFY(button->autoRaise());
        QCOMPARE(button->focusPolicy(), Qt::NoFocus);
    }
}

void TestLayout::noteFitsItsBox() {
    auto* note = m_h->window->findChild<NoteLabel*>(QStringLiteral("Label7"));
    QVERIFY(note);
    QVERIFY(note->wordWrap());
    QVERIFY2(note->LineCount() * note->LinePitch() <= note->height(),
             qPrintable(QStringLiteral("%1 lines").arg(note->LineCount())));
}

// Every Chinese character the window shows exists in a font the window's
// font falls back on, so none renders as an empty box.
void TestLayout::chineseTextsHaveGlyphs() {
    TfrmRavlen& w = *m_h->window;
    QString texts = w.windowTitle();
    for (QWidget* widget : w.findChildren<QWidget*>())
        texts += TextOf(widget);
    for (const auto& panel : w.findChild<StatusPanels*>(QStringLiteral("SB"))->Panels())
        texts += panel.text;
    QStringList families = w.font().families();
    QVERIFY(families.contains(QStringLiteral("Noto Sans CJK SC")));
    const QRawFont cjk = QRawFont::fromFont(QFont(QStringLiteral("Noto Sans CJK SC")));
    QVERIFY(cjk.isValid());
    QVERIFY(cjk.familyName().contains(QStringLiteral("CJK")));
    for (QChar c : texts) {
        if (c.unicode() > 0x2000)
            QVERIFY2(cjk.supportsCharacter(c), qPrintable(QString(c)));
    }
}

void TestLayout::tabOrderAndStartFocus() {
    TfrmRavlen& w = *m_h->window;
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("edWJ"));
    auto tabs = [&](int count) {
        QStringList visited;
        for (int i = 0; i < count; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        return visited;
    };
    QCOMPARE(tabs(6), (QStringList{"AdvGrid", "btnCALC", "edCD", "btnCDSELECT", "rbqr", "edWJ"}));
    m_h->Radio("rbbs").click();
    m_h->Field("edWJ").setFocus();
    QCOMPARE(tabs(6), (QStringList{"AdvGrid", "btnCALC", "edCD", "btnCDSELECT", "rbbs", "edWJ"}));
}

void TestLayout::radioGroup() {
    QRadioButton& rbbs = m_h->Radio("rbbs");
    QRadioButton& rbqr = m_h->Radio("rbqr");
    QVERIFY(rbqr.isChecked());
    QVERIFY(!rbbs.isChecked());
    QTest::mouseClick(&rbbs, Qt::LeftButton);
    QVERIFY(rbbs.isChecked());
    QVERIFY(!rbqr.isChecked());
    QTest::mouseClick(&rbbs, Qt::LeftButton); // clicking the checked one keeps it
    QVERIFY(rbbs.isChecked());
    QTest::mouseClick(&rbqr, Qt::LeftButton);
    QVERIFY(rbqr.isChecked());
    QVERIFY(!rbbs.isChecked());
}

void TestLayout::statusBarOpensMakersPage() {
    QList<QUrl> opened;
    WebPage::SetOpener([&](const QUrl& url) {
        opened << url;
        return false; // the desktop failing changes nothing
    });
    auto* bar = m_h->window->findChild<StatusPanels*>(QStringLiteral("SB"));
    QCOMPARE(bar->Panels().size(), size_t(3));
    QCOMPARE(bar->PanelRect(0).width(), 250);
    QCOMPARE(bar->PanelRect(1).width(), 450);
    QCOMPARE(bar->PanelRect(2).width(), 100);
    QVERIFY(!bar->Panels()[2].bevel);
    QVERIFY(bar->Panels()[1].text.contains(QStringLiteral("www.tolvane.example")));
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->PanelRect(1).center());
    WebPage::SetOpener({});
    QCOMPARE(opened, QList<QUrl>{QUrl(QStringLiteral("https://www.tolvane.example/"))});
    QVERIFY(m_h->notices.All().isEmpty());
}

void TestLayout::enterInFieldsDoesNothing() {
    for (const char* name : {"edWJ", "edCD"}) {
        QLineEdit& field = m_h->Field(name);
        field.setText(QStringLiteral("40"));
        QTest::keyClick(&field, Qt::Key_Return);
        QTest::keyClick(&field, Qt::Key_Enter);
        QCOMPARE(field.text(), QStringLiteral("40"));
    }
    QVERIFY(m_h->notices.All().isEmpty());
    QVERIFY(m_h->Grid().Cell(8, 1).isEmpty());
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
