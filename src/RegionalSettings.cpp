#include "RegionalSettings.h"

#include <QLocale>

QChar RegionalSettings::s_separator = u'.';

QChar RegionalSettings::DecimalSeparator() {
    return s_separator;
}

void RegionalSettings::ReadFromSystem() {
    const QString point = QLocale::system().decimalPoint();
    s_separator = point.size() == 1 ? point.front() : QChar(u'.');
}

void RegionalSettings::SetDecimalSeparator(QChar separator) {
    s_separator = separator;
}
