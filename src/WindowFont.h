#pragma once

#include <QFont>

// Tahoma 8 pt (11 px) where the desktop has it, else the closest sans-serif
// that has the Chinese characters; sizes in pixels keep every place in the
// window where it was drawn.
inline QFont WindowFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("sans-serif")});
    font.setPixelSize(11);
    return font;
}
