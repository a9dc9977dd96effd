#pragma once

#include <QString>

// The text of the general error report: a full stop is appended when the
// text's last character comes after the full stop in code order, so
// "Floating point overflow" becomes "Floating point overflow." while a text
// ending in a bracket or a full stop is left as it is.
QString ErrorReportText(const QString& text);
