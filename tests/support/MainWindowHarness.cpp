#include "MainWindowHarness.h"

#include <QTest>

namespace {
template <typename T> T& Child(const QWidget& parent, const char* name) {
    T* child = parent.findChild<T*>(QString::fromLatin1(name));
    if (!child)
        qFatal("no control named %s", name);
    return *child;
}
} // namespace

MainWindowHarness::MainWindowHarness(CatalogueFixture& fixture)
    : window(std::make_unique<TfrmRavlen>(data, fixture.Dir())) {}

bool MainWindowHarness::Start() {
    return window->FormShow();
}

void MainWindowHarness::show() {
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qFatal("the main window did not show");
}

CellGrid& MainWindowHarness::Grid() const {
    return Child<CellGrid>(*window, "AdvGrid");
}

QLineEdit& MainWindowHarness::Field(const char* name) const {
    return Child<QLineEdit>(*window, name);
}

QPushButton& MainWindowHarness::Button(const char* name) const {
    return Child<QPushButton>(*window, name);
}

QRadioButton& MainWindowHarness::Radio(const char* name) const {
    return Child<QRadioButton>(*window, name);
}

QStringList MainWindowHarness::RowTexts(int row) const {
    QStringList texts;
    for (int col = 0; col < Grid().ColCount(); ++col)
        texts << Grid().Cell(col, row);
    return texts;
}
