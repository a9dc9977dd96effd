#pragma once

#include <QColor>

// Colours are noted the Windows way, as $BBGGRR values (0x0000FF is red);
// this turns such a value into a QColor.
inline QColor BgrColor(unsigned bgr) {
    return QColor::fromRgb(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                           static_cast<int>((bgr >> 16) & 0xFF));
}
