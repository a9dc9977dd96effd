// The real message boxes behind the notices: captions, icons, buttons, the
// question that only Yes or No can close, and the error report's full stop.

#include "ModalDriver.h"
#include "Notices.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace {

struct Box {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QString defaultButton;
    bool modalForAll = false;
};

Box Describe(QDialog& dialog) {
    auto& box = static_cast<QMessageBox&>(dialog);
    Box seen;
    seen.caption = box.windowTitle();
    seen.text = box.text();
    seen.icon = box.icon();
    for (QAbstractButton* button : box.buttons())
        seen.buttons << button->text();
    seen.defaultButton = box.defaultButton() ? box.defaultButton()->text() : QString();
    seen.modalForAll = box.windowModality() == Qt::ApplicationModal;
    return seen;
}

QAbstractButton* ButtonNamed(QDialog& dialog, const QString& text) {
    for (QAbstractButton* button : static_cast<QMessageBox&>(dialog).buttons()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

} // namespace

class TestNotices : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setApplicationName(QStringLiteral("电缆Kelvoro")); }
    void notice();
    void questionOnlyYesOrNo();
    void questionEnterIsYes();
    void errorReport();
};

void TestNotices::notice() {
    Box seen;
    ModalDriver driver([&](QDialog& dialog) {
        seen = Describe(dialog);
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    Notices::MessageNotice(QStringLiteral("没有找到合适的电缆盘装载此电缆！\r请更新线盘参数或者增加新的线盘。"));
    QVERIFY(driver.Ran());
    QCOMPARE(seen.caption, QStringLiteral("Tolvane软件"));
    QCOMPARE(seen.icon, QMessageBox::Information);
    QCOMPARE(seen.buttons, QStringList{QStringLiteral("确定")});
    QVERIFY(seen.modalForAll);
    // the carriage return shows as a line break
    QCOMPARE(seen.text, QStringLiteral("没有找到合适的电缆盘装载此电缆！\n请更新线盘参数或者增加新的线盘。"));
}

void TestNotices::questionOnlyYesOrNo() {
    Box seen;
    bool openAfterEscape = false;
    bool openAfterClose = false;
    ModalDriver driver([&](QDialog& dialog) {
        seen = Describe(dialog);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        openAfterEscape = dialog.isVisible();
        dialog.close();
        openAfterClose = dialog.isVisible();
        ButtonNamed(dialog, QStringLiteral("否(&N)"))->click();
    });
    const bool yes = Notices::AskYesNo(QStringLiteral("确实要删除线缆【φ1200】吗？"));
    QVERIFY(driver.Ran());
    QVERIFY(!yes);
    QVERIFY(openAfterEscape);
    QVERIFY(openAfterClose);
    QCOMPARE(seen.caption, QStringLiteral("Tolvane软件"));
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QCOMPARE(seen.buttons.size(), 2);
    QVERIFY(seen.buttons.contains(QStringLiteral("是(&Y)")));
    QCOMPARE(seen.defaultButton, QStringLiteral("是(&Y)"));
    QCOMPARE(seen.text, QStringLiteral("确实要删除线缆【φ1200】吗？"));
}

void TestNotices::questionEnterIsYes() {
    ModalDriver driver([](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Return); });
    QVERIFY(Notices::AskYesNo(QStringLiteral("?")));
    QVERIFY(driver.Ran());
}

void TestNotices::errorReport() {
    Box seen;
    ModalDriver driver([&](QDialog& dialog) {
        seen = Describe(dialog);
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    Notices::ReportError(QStringLiteral("Floating point overflow"));
    QVERIFY(driver.Ran());
    QCOMPARE(seen.caption, QStringLiteral("电缆Kelvoro"));
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QCOMPARE(seen.text, QStringLiteral("Floating point overflow."));
    QCOMPARE(seen.buttons, QStringList{QStringLiteral("确定")});
}

QTEST_MAIN(TestNotices)
#include "tst_notices.moc"
