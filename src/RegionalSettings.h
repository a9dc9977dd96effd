#pragma once

#include <QChar>

// The decimal separator of the user's regional settings, for reading and for
// writing numbers. Read from the system locale at start-up and again whenever
// the system reports a locale change; the program never sets the locale itself.
class RegionalSettings {
public:
    static QChar DecimalSeparator();
    static void ReadFromSystem();

    // For tests that play a user with other regional settings.
    static void SetDecimalSeparator(QChar separator);

private:
    static QChar s_separator;
};
