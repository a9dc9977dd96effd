#pragma once

#include <QString>
#include <QWidget>

class CellGrid;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
class ShadedPanel;
class StatusPanels;
class TfrmData;

// The main window: the reel grid with the cable-diameter field above it, the
// calculation and selection controls on the right, and the commands that keep
// the catalogue.
class TfrmRavlen : public QWidget {
    Q_OBJECT

public:
    // `exeDir` is the folder the catalogue file coil.mdb is looked for in: the
    // executable's own folder in the program.
    TfrmRavlen(TfrmData& data, const QString& exeDir, QWidget* parent = nullptr);
    ~TfrmRavlen() override;

    // Runs once before the window is first shown: finds and opens the
    // catalogue and lists its reels. False when the program must end (the
    // user has been told why).
    bool FormShow();

    // Refills the grid from the catalogue: one row per reel in the store's
    // order, or one empty row; calculated columns and highlights are cleared.
    void LoadReelGrid();

    const QString& ExeDir() const { return m_exeDir; }
    const QString& DbPath() const { return m_dbPath; }

    Qt::Alignment AdvGridGetAlignment(int col, int row) const;

    // The winding figures of one reel for the cable diameter in edWJ. Each
    // reads the reel afresh, stores its figure and returns it as text.
    QString CalcLayers(const QString& key);
    QString CalcTurns(const QString& key);
    QString CalcLengthConservative(const QString& key);
    QString CalcLengthNested(const QString& key);

    // Calculates every reel listed in the grid (the calculate button).
    void btnCALCClick();

    // The key of the reel with the smallest stored length (conservative or
    // nested, by the checked radio button) that is not less than x metres;
    // 0 when no reel holds x.
    qint64 SelectReelForLength(double x);

    // Keeping the catalogue: add a reel, edit the current row's reel (a
    // double-click on the grid), delete it after asking. The grid is reloaded
    // after each.
    void btnnewpanClick();
    void AdvGridDblClick();
    void btndelpanClick();

    // Recalculates every reel and highlights the smallest that holds the
    // cable length in edCD (the select button).
    void btnCDSELECTClick();

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreateControls();
    void ArrangeControls();
    void SetTabOrder();
    void UpdateRadioTabStops();
    void SBClick();

    struct ReelInputs;
    ReelInputs ReadReelAndDiameter(const QString& key);
    void StoreFigure(const QString& statement, const QString& figure, const QString& key);
    long double CableDiameter();
    void ShowField(int col, int row, const char* field, const QString& suffix = QString());
    // The calculation run behind the calculate button; false when the
    // diameter was refused (the user has been told).
    bool CalculateAllReels();
    // Asks for a field's correction: a notice, then the focus on the field.
    static void RefuseInput(QLineEdit* field, const QString& notice);
    void SelectReel();
    // Shows a fresh editor dialog for a reel ("0": a new one), then reloads.
    void EditReel(const QString& key, const QString& caption);
    QString CurrentKey() const;

    TfrmData& m_data;
    QString m_exeDir;
    QString m_dbPath;
    QString m_connText;
    QString m_diameterText;
    QChar m_diameterSeparator;
    long double m_diameter = 0;
    bool m_diameterRead = false;

    ShadedPanel* AdvPanel1 = nullptr; // top bar
    ShadedPanel* AdvPanel2 = nullptr; // its right end with the two buttons
    QWidget* AdvPanel3 = nullptr;     // right-hand panel
    CellGrid* AdvGrid = nullptr;
    StatusPanels* SB = nullptr;

    QLabel* Label1 = nullptr;
    QLineEdit* edWJ = nullptr;
    QLabel* Label2 = nullptr;
    QToolButton* btnnewpan = nullptr;
    QToolButton* btndelpan = nullptr;
    QPushButton* btnCALC = nullptr;
    QFrame* Bevel1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* edCD = nullptr;
    QLabel* Label5 = nullptr;
    QRadioButton* rbbs = nullptr;
    QRadioButton* rbqr = nullptr;
    QPushButton* btnCDSELECT = nullptr;
    QFrame* Bevel2 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
};
