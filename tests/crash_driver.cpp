// For the crash-safety test only: starts the program on the catalogue in the
// given folder, shows the main window, prints "running" and then works the
// catalogue without pause (calculation runs, and now and then a reel saved
// again through the editor with its own values) until it is killed.

#include "CellGrid.h"
#include "Notices.h"
#include "uniData.h"
#include "uniravlen.h"
#include "uniravlen_edit.h"

#include <QApplication>
#include <QLineEdit>

#include <cstdio>
#include <cstdlib>

namespace {

// Any message means the run went wrong before the kill: say so and stop.
class FailOnMessage : public NoticePresenter {
public:
    void Notice(const QString&, const QString& text) override { Fail(text); }
    bool Question(const QString&, const QString& text) override {
        Fail(text);
        return false;
    }
    void ErrorReport(const QString&, const QString& text) override { Fail(text); }

private:
    [[noreturn]] static void Fail(const QString& text) {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        std::exit(3);
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    FailOnMessage messages;
    Notices::SetPresenter(&messages);
    TfrmData data;
    TfrmRavlen window(data, QString::fromLocal8Bit(argv[1]));
    if (!window.FormShow())
        return 1;
    window.show();
    QApplication::processEvents();
    auto* grid = window.findChild<CellGrid*>(QStringLiteral("AdvGrid"));
    auto* diameter = window.findChild<QLineEdit*>(QStringLiteral("edWJ"));
    std::printf("running\n");
    std::fflush(stdout);
    for (int round = 0;; ++round) {
        diameter->setText(QString::number(20 + round % 40));
        window.btnCALCClick();
        if (round % 3 == 0) {
            const int row = 1 + (round * 7919) % (grid->RowCount() - 1);
            Tfrmravlen_edit editor(data, &window);
            editor.ItemKey = grid->Cell(1, row);
            editor.FormShow();
            editor.Button1Click();
        }
        QApplication::processEvents();
    }
}
