// The text rules: trimmed text, the decimal-number rule, the general number
// format, CutDecimals and the error report's full stop.

#include "ActionError.h"
#include "CutDecimals.h"
#include "DecimalNumber.h"
#include "ErrorReportText.h"
#include "GeneralFormat.h"
#include "TrimmedText.h"

#include <QTest>

#include <cmath>
#include <cstdio>
#include <random>

Q_DECLARE_METATYPE(long double)

namespace {
QString Show(long double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.21Lg", value);
    return QString::fromLatin1(buffer);
}
} // namespace

class TestTextRules : public QObject {
    Q_OBJECT

private slots:
    void trimmedText_data();
    void trimmedText();
    void decimalNumber_data();
    void decimalNumber();
    void conversionErrorKeepsUntrimmedText();
    void generalFormat_data();
    void generalFormat();
    void cutDecimals_data();
    void cutDecimals();
    void cutDecimalsRoutesAgree_data();
    void cutDecimalsRoutesAgree();
    void errorReportText_data();
    void errorReportText();
};

void TestTextRules::trimmedText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("trimmed");
    QTest::newRow("plain") << "1200"
                           << "1200";
    QTest::newRow("spaces") << "  1200 "
                            << "1200";
    QTest::newRow("tab and newline") << "\t12\r\n"
                                     << "12";
    QTest::newRow("all controls") << QString::fromUtf16(u"\u0001\u001f 5 \u0000\u0020") << "5";
    QTest::newRow("inner blanks kept") << " 1 2\t3 "
                                       << "1 2\t3";
    QTest::newRow("only blanks") << " \t "
                                 << "";
    QTest::newRow("empty") << ""
                           << "";
    // 127 and the ideographic space are above 32 and stay
    QTest::newRow("delete stays") << QString::fromUtf16(u"\u007f1") << QString::fromUtf16(u"\u007f1");
    QTest::newRow("ideographic space stays")
        << QString::fromUtf16(u"\u3000φ\u3000") << QString::fromUtf16(u"\u3000φ\u3000");
}

void TestTextRules::trimmedText() {
    QFETCH(QString, text);
    QFETCH(QString, trimmed);
    QCOMPARE(TrimmedText(text), trimmed);
}

void TestTextRules::decimalNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<long double>("value");
    const QChar point = u'.';
    const QChar comma = u',';

    QTest::newRow("integer") << "1200" << point << true << 1200.0L;
    QTest::newRow("fraction") << "0.95" << point << true << 0.95L;
    QTest::newRow("extended nearest") << "0.1" << point << true << 0.1L;
    QTest::newRow("leading and trailing spaces") << "  1200  " << point << true << 1200.0L;
    QTest::newRow("plus") << "+1.5" << point << true << 1.5L;
    QTest::newRow("minus") << "-0.95" << point << true << -0.95L;
    QTest::newRow("lone separator") << "." << point << true << 0.0L;
    QTest::newRow("signed lone separator") << "-." << point << true << -0.0L;
    QTest::newRow("trailing separator") << "5." << point << true << 5.0L;
    QTest::newRow("leading separator") << ".5" << point << true << 0.5L;
    QTest::newRow("exponent") << "1e3" << point << true << 1000.0L;
    QTest::newRow("capital exponent") << "2.5E-2" << point << true << 0.025L;
    QTest::newRow("exponent without digits") << "1e" << point << true << 1.0L;
    QTest::newRow("exponent sign without digits") << "7e-" << point << true << 7.0L;
    QTest::newRow("separator and empty exponent") << "+.e1" << point << true << 0.0L;
    QTest::newRow("1e500 beyond double, inside extended") << "1e500" << point << true << 1e500L;
    QTest::newRow("leading zero in exponent") << "1e0500" << point << true << 1e500L;
    QTest::newRow("largest power") << "1e4932" << point << true << 1e4932L;
    QTest::newRow("near the top") << "1.18e4932" << point << true << 1.18e4932L;
    QTest::newRow("underflows to zero") << "1e-4999" << point << true << 0.0L;
    QTest::newRow("comma where comma") << "12,5" << comma << true << 12.5L;
    QTest::newRow("many digits") << "000000000000000000000000001" << point << true << 1.0L;

    QTest::newRow("empty") << "" << point << false << 0.0L;
    QTest::newRow("spaces only") << "   " << point << false << 0.0L;
    QTest::newRow("sign only") << "-" << point << false << 0.0L;
    QTest::newRow("exponent only") << "e5" << point << false << 0.0L;
    QTest::newRow("1e5000: digit after 500") << "1e5000" << point << false << 0.0L;
    QTest::newRow("1e4999 has a digit after 499") << "1e49999" << point << false << 0.0L;
    QTest::newRow("1.2e4932 beyond extended") << "1.2e4932" << point << false << 0.0L;
    QTest::newRow("comma where point") << "12,5" << point << false << 0.0L;
    QTest::newRow("point where comma") << "12.5" << comma << false << 0.0L;
    QTest::newRow("thousands separator") << "1,200.5" << point << false << 0.0L;
    QTest::newRow("blank as thousands separator") << "1 200" << point << false << 0.0L;
    QTest::newRow("leading tab") << "\t1" << point << false << 0.0L;
    QTest::newRow("trailing tab") << "1\t" << point << false << 0.0L;
    QTest::newRow("trailing control") << QString::fromUtf16(u"1\u0001") << point << false << 0.0L;
    QTest::newRow("full-width digits") << QString::fromUtf16(u"\uff11\uff12") << point << false << 0.0L;
    QTest::newRow("Arabic-Indic digit") << QString::fromUtf16(u"\u0661") << point << false << 0.0L;
    QTest::newRow("double sign") << "--1" << point << false << 0.0L;
    QTest::newRow("two separators") << "1..2" << point << false << 0.0L;
    QTest::newRow("fraction in exponent") << "1e5.5" << point << false << 0.0L;
    QTest::newRow("blank before exponent") << "1 e5" << point << false << 0.0L;
    QTest::newRow("letters after") << "12mm" << point << false << 0.0L;
    QTest::newRow("hexadecimal") << "0x10" << point << false << 0.0L;
    QTest::newRow("inf") << "inf" << point << false << 0.0L;
    QTest::newRow("nan") << "nan" << point << false << 0.0L;
}

void TestTextRules::decimalNumber() {
    QFETCH(QString, text);
    QFETCH(QChar, separator);
    QFETCH(bool, accepted);
    QFETCH(long double, value);
    const auto parsed = ParseDecimal(text, separator);
    QCOMPARE(parsed.has_value(), accepted);
    QCOMPARE(IsDecimalNumber(text, separator), accepted);
    if (!accepted)
        return;
    QVERIFY2(*parsed == value && std::signbit(*parsed) == std::signbit(value),
             qPrintable(Show(*parsed) + " != " + Show(value)));
}

void TestTextRules::conversionErrorKeepsUntrimmedText() {
    const QString text = QStringLiteral("40\t");
    try {
        ParseDecimalOrThrow(text, u'.');
        QFAIL("a tab is not part of a number");
    } catch (const ActionError& error) {
        QCOMPARE(error.text(), QStringLiteral("'40\t' is not a valid floating point value"));
    }
    QCOMPARE(ParseDecimalOrThrow(QStringLiteral(" 40 "), u'.'), 40.0L);
}

void TestTextRules::generalFormat_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("text");
    const QChar point = u'.';
    QTest::newRow("integer") << 1200.0 << point << "1200";
    QTest::newRow("fraction") << 0.95 << point << "0.95";
    QTest::newRow("zero") << 0.0 << point << "0";
    QTest::newRow("negative zero") << -0.0 << point << "0";
    QTest::newRow("negative") << -0.95 << point << "-0.95";
    QTest::newRow("binary noise dropped") << 0.1 + 0.2 << point << "0.3";
    QTest::newRow("smallest fixed") << 0.0001 << point << "0.0001";
    QTest::newRow("below 0.0001") << 0.00001 << point << "1E-5";
    QTest::newRow("several digits, fixed") << 0.00012345 << point << "0.00012345";
    QTest::newRow("several digits with exponent") << 0.000012345 << point << "1.2345E-5";
    QTest::newRow("largest fixed") << 999999999999999.0 << point << "999999999999999";
    QTest::newRow("1E15") << 1e15 << point << "1E15";
    QTest::newRow("1.5E15") << 1.5e15 << point << "1.5E15";
    QTest::newRow("rounds up into exponent form") << 999999999999999.9 << point << "1E15";
    QTest::newRow("15 significant digits") << 123456789012345.6 << point << "123456789012346";
    QTest::newRow("half rounds away from zero") << 1234567890123.125 << point << "1234567890123.13";
    QTest::newRow("negative half away from zero") << -1234567890123.125 << point << "-1234567890123.13";
    QTest::newRow("below half") << 1234567890123.1245 << point << "1234567890123.12";
    QTest::newRow("large") << 1.7976931348623157e308 << point << "1.79769313486232E308";
    QTest::newRow("smallest denormal") << 5e-324 << point << "4.94065645841247E-324";
    QTest::newRow("comma separator") << 0.95 << QChar(u',') << "0,95";
    QTest::newRow("comma in exponent form") << 1.5e15 << QChar(u',') << "1,5E15";
}

void TestTextRules::generalFormat() {
    QFETCH(double, value);
    QFETCH(QChar, separator);
    QFETCH(QString, text);
    QCOMPARE(FormatGeneral(value, separator), text);
    QCOMPARE(FormatGeneral(static_cast<long double>(value), separator), text);
}

void TestTextRules::cutDecimals_data() {
    QTest::addColumn<long double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("rounds up into next integer") << 12.996L << "13";
    QTest::newRow("stays below") << 12.994L << "12";
    QTest::newRow("below one") << 0.4L << "0";
    QTest::newRow("tiny negative loses its sign") << -0.004L << "0";
    QTest::newRow("negative keeps sign") << -0.4L << "-0";
    QTest::newRow("half a unit is cut") << 1234.5L << "1234";
    QTest::newRow("zero") << 0.0L << "0";
    QTest::newRow("negative zero") << -0.0L << "0";
    QTest::newRow("5.996 layers count as 6") << 5.996L << "6";
    QTest::newRow("5.994 layers count as 5") << 5.994L << "5";
    QTest::newRow("0.995 counts as 1") << 0.995L << "1";
    QTest::newRow("0.994 counts as 0") << 0.994L << "0";
    QTest::newRow("-0.995 counts as -1") << -0.995L << "-1";
    QTest::newRow("third decimal five rounds away") << 0.005L << "0";
    QTest::newRow("18 digits decide before the second decimal") << 2.994999999999999999L << "3";
    QTest::newRow("19th digit below the 18-digit half") << 2.99499999999999994L << "2";
    QTest::newRow("negative length") << -634.26L << "-634";
    QTest::newRow("largest two-decimal figure") << 999999999999999999.25L << "999999999999999999";
    QTest::newRow("1E18 in general format") << 1e18L << "1E18";
    QTest::newRow("beyond 1E18") << 1.5e18L << "1.5E18";
    QTest::newRow("negative beyond 1E18") << -2e20L << "-2E20";
    QTest::newRow("beyond the double range") << 5e599L << "5E599";
}

void TestTextRules::cutDecimals() {
    QFETCH(long double, value);
    QFETCH(QString, text);
    QCOMPARE(CutDecimals(value, u'.'), text);
}

// The fast route of CutDecimals and the printing route give the same text
// for values across the whole range, at and around the rounding boundaries.
void TestTextRules::cutDecimalsRoutesAgree_data() {
    QTest::addColumn<int>("decade");
    for (int decade = -4; decade <= 19; ++decade)
        QTest::newRow(qPrintable(QStringLiteral("1E%1").arg(decade))) << decade;
}

void TestTextRules::cutDecimalsRoutesAgree() {
    QFETCH(int, decade);
    std::mt19937_64 random(static_cast<unsigned>(decade + 100));
    std::uniform_real_distribution<long double> mantissa(1.0L, 10.0L);
    const long double scale = std::pow(10.0L, decade);
    int checked = 0;
    for (int i = 0; i < 4000; ++i) {
        const long double base = mantissa(random) * scale;
        // near a hundredth boundary: the half cent, the cent, and one and
        // two units in the last place on either side of them
        const long double cents = std::floor(base * 100) / 100;
        const long double candidates[] = {base,
                                          cents + 0.005L,
                                          cents,
                                          std::nextafter(cents + 0.005L, 0.0L),
                                          std::nextafter(cents + 0.005L, 1e30L),
                                          std::nextafter(std::nextafter(cents, 0.0L), 0.0L),
                                          std::nextafter(cents, 1e30L)};
        for (long double value : candidates) {
            for (long double signedValue : {value, -value}) {
                const QString fast = CutDecimals(signedValue, u'.');
                const QString printed = CutDecimalsByPrinting(signedValue, u'.');
                QVERIFY2(fast == printed, qPrintable(Show(signedValue) + ": " + fast + " vs " + printed));
                ++checked;
            }
        }
    }
    // the power of ten itself and its neighbours, where the leading digit's place changes
    const long double power = std::pow(10.0L, decade);
    for (long double value : {power, std::nextafter(power, 0.0L), std::nextafter(power, 1e30L), power - 0.005L,
                              power * 0.995L, power * 9.995L}) {
        for (long double signedValue : {value, -value})
            QCOMPARE(CutDecimals(signedValue, u'.'), CutDecimalsByPrinting(signedValue, u'.'));
    }
    QCOMPARE(checked, 4000 * 7 * 2);
}

void TestTextRules::errorReportText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letter gets a full stop") << "Floating point overflow"
                                             << "Floating point overflow.";
    QTest::newRow("quote comes before the point") << "'x'"
                                                  << "'x'";
    QTest::newRow("full stop stays single") << "Done."
                                            << "Done.";
    QTest::newRow("bracket comes before the point") << "no such table (t_ravlen)"
                                                    << "no such table (t_ravlen)";
    QTest::newRow("digit comes after the point") << "error 5"
                                                 << "error 5.";
    QTest::newRow("dash comes before the point") << "a -"
                                                 << "a -";
    QTest::newRow("Chinese text") << QString::fromUtf16(u"错误") << QString::fromUtf16(u"错误.");
    QTest::newRow("empty") << ""
                           << "";
}

void TestTextRules::errorReportText() {
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(ErrorReportText(text), shown);
}

QTEST_GUILESS_MAIN(TestTextRules)
#include "tst_textrules.moc"
