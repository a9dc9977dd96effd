// Starts the program on the catalogue in the given folder like the entry
// does, and reports once the main window has painted its reel grid:
//   shown <milliseconds since main> rss_kb <peak resident set>
// then quits.

#include "AppIdentity.h"
#include "CellGrid.h"
#include "RegionalSettings.h"
#include "uniData.h"
#include "uniravlen.h"
#include "uniravlen_edit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>

#include <cstdio>
#include <sys/resource.h>

namespace {

class FirstPaint : public QObject {
public:
    explicit FirstPaint(const QElapsedTimer& clock) : m_clock(clock) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, [this] {
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                std::printf("shown %lld rss_kb %ld\n", static_cast<long long>(m_clock.elapsed()), usage.ru_maxrss);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QElapsedTimer& m_clock;
    bool m_seen = false;
};

} // namespace

int main(int argc, char* argv[]) {
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    QApplication::setApplicationName(AppIdentity::kTitle);
    RegionalSettings::ReadFromSystem();
    TfrmData frmData;
    TfrmRavlen frmRavlen(frmData, QString::fromLocal8Bit(argv[1]));
    Tfrmravlen_edit frmravlen_edit(frmData, &frmRavlen);
    if (!frmRavlen.FormShow())
        return 1;
    FirstPaint firstPaint(clock);
    frmRavlen.findChild<CellGrid*>(QStringLiteral("AdvGrid"))->viewport()->installEventFilter(&firstPaint);
    frmRavlen.show();
    return app.exec();
}
