// The winding formulas, cut to their integer texts, at the boundaries that
// decide a figure and at the inputs that make them fail.

#include "ActionError.h"
#include "CutDecimals.h"
#include "DecimalNumber.h"
#include "Winding.h"

#include <QTest>

namespace {

// The four figures of one reel as the calculation run makes them, or the
// text of the first floating-point failure.
QStringList Figures(double D, double B, double W, double m, double k, double d) {
    try {
        const long double N = Winding::Layers(D, B, m, d);
        const long double T = Winding::Turns(W, k, d);
        const QString layers = CutDecimals(N, u'.');
        const QString turns = CutDecimals(T, u'.');
        const QString conservative = CutDecimals(Winding::LengthConservative(N, T, B, d), u'.');
        const long double n = *ParseDecimal(layers, u'.');
        const long double Lc = *ParseDecimal(conservative, u'.');
        return {layers, turns, conservative, CutDecimals(Winding::LengthNested(n, Lc), u'.')};
    } catch (const ActionError& error) {
        return {error.text()};
    }
}

} // namespace

class TestWinding : public QObject {
    Q_OBJECT

private slots:
    void figures_data();
    void figures();
    void nestedUsesCutFigures();
};

void TestWinding::figures_data() {
    QTest::addColumn<double>("D");
    QTest::addColumn<double>("B");
    QTest::addColumn<double>("W");
    QTest::addColumn<double>("m");
    QTest::addColumn<double>("k");
    QTest::addColumn<double>("d");
    QTest::addColumn<QStringList>("figures");

    // N = 6.25, T = 16.625, L = 277.466..., Q = (5*0.134/6 + 1) * 277 = 307.93...
    QTest::newRow("φ1200 reel, 40 mm cable")
        << 1200.0 << 600.0 << 700.0 << 50.0 << 0.95 << 40.0 << QStringList{"6", "16", "277", "307"};
    // N = 5.996 rounds to 6.00 and counts as 6 layers; Q = 1.11167 * 1141
    QTest::newRow("5.996 layers are 6") << 611.992 << 600.0 << 100.0 << 0.0 << 1.0 << 1.0
                                        << QStringList{"6", "100", "1141", "1268"};
    // N = 5.994 stays 5.99 and counts as 5; Q = 1.1072 * 1141 = 1263.3
    QTest::newRow("5.994 layers are 5") << 611.988 << 600.0 << 100.0 << 0.0 << 1.0 << 1.0
                                        << QStringList{"5", "100", "1141", "1263"};
    // D - B - 2m < 0: negative figures are shown as they come; Q = 1.1608 * -634
    QTest::newRow("no room above the barrel")
        << 1000.0 << 900.0 << 500.0 << 100.0 << 0.95 << 10.0 << QStringList{"-5", "47", "-634", "-735"};
    QTest::newRow("negative diameter") << 1200.0 << 600.0 << 700.0 << 50.0 << 0.95 << -40.0
                                       << QStringList{"-6", "-16", "277", "320"};
    // N = 0.6375: no whole layer, nothing to nest, Q = Lc
    QTest::newRow("thick cable on a small reel")
        << 630.0 << 315.0 << 355.0 << 30.0 << 0.95 << 200.0 << QStringList{"0", "1", "1", "1"};
    // N = -0.5 cuts to "-0", which is no layer either
    QTest::newRow("layer count -0") << 1000.0 << 900.0 << 500.0 << 55.0 << 0.95 << 10.0
                                    << QStringList{"-0", "47", "-66", "-66"};
    QTest::newRow("one layer: nested equals conservative")
        << 1200.0 << 600.0 << 700.0 << 50.0 << 0.95 << 200.0 << QStringList{"1", "3", "11", "11"};
    QTest::newRow("missing reel reads as zeros")
        << 0.0 << 0.0 << 0.0 << 0.0 << 0.0 << 40.0 << QStringList{"0", "0", "0", "0"};
    QTest::newRow("diameter 0") << 1200.0 << 600.0 << 700.0 << 50.0 << 0.95 << 0.0
                                << QStringList{"Floating point division by zero"};
    QTest::newRow("diameter 0 and no room")
        << 700.0 << 600.0 << 700.0 << 50.0 << 0.95 << 0.0 << QStringList{"Invalid floating point operation"};
    QTest::newRow("diameter -0") << 1200.0 << 600.0 << 700.0 << 50.0 << 0.95 << -0.0
                                 << QStringList{"Floating point division by zero"};
    QTest::newRow("infinite flange") << qInf() << 600.0 << 700.0 << 50.0 << 0.95 << 40.0
                                     << QStringList{"Invalid floating point operation"};
    QTest::newRow("undefined value") << qQNaN() << 600.0 << 700.0 << 50.0 << 0.95 << 40.0
                                     << QStringList{"Invalid floating point operation"};
    // 1E18 and above: the general 15-digit format
    QTest::newRow("absurdly thin cable") << 1200.0 << 600.0 << 700.0 << 50.0 << 0.95 << 1e-16
                                         << QStringList{"2.5E18", "6.65E18", "4.43946311860408E37",
                                                        "5.03435117649703E37"};
}

void TestWinding::figures() {
    QFETCH(double, D);
    QFETCH(double, B);
    QFETCH(double, W);
    QFETCH(double, m);
    QFETCH(double, k);
    QFETCH(double, d);
    QFETCH(QStringList, figures);
    QCOMPARE(Figures(D, B, W, m, k, d), figures);
}

// Q comes from the cut texts: 6 layers and 277 m give 307.93..., while the
// unrounded 6.25 layers and 277.466 m would give 308.
void TestWinding::nestedUsesCutFigures() {
    QCOMPARE(CutDecimals(Winding::LengthNested(6, 277), u'.'), QStringLiteral("307"));
    QCOMPARE(CutDecimals(Winding::LengthNested(6.25L, 277.4664449L), u'.'), QStringLiteral("308"));
    QCOMPARE(Winding::LengthNested(1, 500), 500.0L);
    QCOMPARE(Winding::LengthNested(0, 500), 500.0L);
    QCOMPARE(Winding::LengthNested(-0.0L, -66), -66.0L);
}

QTEST_GUILESS_MAIN(TestWinding)
#include "tst_winding.moc"
