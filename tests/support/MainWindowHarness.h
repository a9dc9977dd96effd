#pragma once

#include "CatalogueFixture.h"
#include "CellGrid.h"
#include "RecordingNotices.h"
#include "uniData.h"
#include "uniravlen.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <memory>

// The main window started on a fixture's catalogue, with notices recorded.
struct MainWindowHarness {
    explicit MainWindowHarness(CatalogueFixture& fixture);

    // Runs the start-up; true when the window may be shown.
    bool Start();
    // Shows the window and waits until it is on screen.
    void show();

    CellGrid& Grid() const;
    QLineEdit& Field(const char* name) const;
    QPushButton& Button(const char* name) const;
    QRadioButton& Radio(const char* name) const;
    // Texts of one grid row, columns 0 to 11.
    QStringList RowTexts(int row) const;

    RecordingNotices notices;
    TfrmData data;
    std::unique_ptr<TfrmRavlen> window;
};
