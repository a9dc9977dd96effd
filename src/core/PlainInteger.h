#pragma once

#include <QStringView>

#include <optional>

// A text that is nothing but an optional minus sign and one to eighteen ASCII
// digits, as reel keys and cut winding figures are; read without the cost of
// the general number rule.
std::optional<qint64> PlainInteger(QStringView text);
