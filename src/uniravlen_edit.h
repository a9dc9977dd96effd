#pragma once

#include <QDialog>
#include <QString>

#include <optional>

class QLineEdit;
class QPushButton;
class TfrmData;

// The editor dialog for one reel: a new one when ItemKey is "0", else the
// reel with that key. It checks the six reel values and stores them with one
// insert or update; it closes only by saving, by its exit button or by its
// close box.
class Tfrmravlen_edit : public QDialog {
    Q_OBJECT

public:
    explicit Tfrmravlen_edit(TfrmData& data, QWidget* parent = nullptr);

    QString ItemKey;

    // Fills the fields from the stored reel (not for a new one).
    void FormShow();
    // Save: checks every value, then inserts or updates the reel and closes.
    void Button1Click();
    // Exit without saving.
    void Button2Click();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    // Enter and Escape, seen before the control they were typed into.
    bool FormKeyPress(QWidget* target, QKeyEvent* event);
    void CreateControls();
    void Save();
    // The checked value of a number field, as a double; empty when the
    // field was refused (the user has been told).
    std::optional<double> CheckedNumber(int index);

    TfrmData& m_data;
    bool m_shown = false;
    QLineEdit* edName = nullptr;
    QLineEdit* edWJ = nullptr;
    QLineEdit* edNJ = nullptr;
    QLineEdit* edKD = nullptr;
    QLineEdit* edYL = nullptr;
    QLineEdit* edXS = nullptr;
    QLineEdit* edModel = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
};
