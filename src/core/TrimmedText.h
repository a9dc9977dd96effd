#pragma once

#include <QString>
#include <QStringView>

// The text with every character of code 0 to 32 (controls and the space)
// removed from both ends. Every check of an input field works on it.
QString TrimmedText(QStringView text);
// The same; a text with nothing to trim comes back as it is, without a copy.
QString TrimmedText(const QString& text);
