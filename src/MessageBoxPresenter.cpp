#include "MessageBoxPresenter.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>

namespace {

// A question the user must answer: Escape and the close box do nothing.
class YesNoBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape) {
            event->accept();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override {
        if (clickedButton() == nullptr) {
            event->ignore();
            return;
        }
        QMessageBox::closeEvent(event);
    }
};

// Texts may separate lines with a lone carriage return; a label wants a line feed.
QString ForDisplay(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(u'\r', u'\n');
    return shown;
}

void ShowWithOk(QMessageBox::Icon icon, const QString& caption, const QString& text) {
    QMessageBox box(icon, caption, ForDisplay(text), QMessageBox::NoButton, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    QPushButton* ok = box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

} // namespace

void MessageBoxPresenter::Notice(const QString& caption, const QString& text) {
    ShowWithOk(QMessageBox::Information, caption, text);
}

bool MessageBoxPresenter::Question(const QString& caption, const QString& text) {
    YesNoBox box(QMessageBox::NoIcon, caption, ForDisplay(text), QMessageBox::NoButton, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    QPushButton* yes = box.addButton(QStringLiteral("是(&Y)"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("否(&N)"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.exec();
    return box.clickedButton() == yes;
}

void MessageBoxPresenter::ErrorReport(const QString& caption, const QString& text) {
    ShowWithOk(QMessageBox::Critical, caption, text);
}
