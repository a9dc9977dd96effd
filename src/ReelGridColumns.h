#pragma once

#include <QString>

// The columns of the reel grid.
namespace ReelGridColumns {

enum Column {
    RowNumber = 0,
    Key = 1, // the reel key, in a zero-wide column
    Name = 2,
    FlangeDiameter = 3,
    BarrelDiameter = 4,
    BarrelWidth = 5,
    Margin = 6,
    Coefficient = 7,
    Layers = 8,
    Turns = 9,
    LengthConservative = 10,
    LengthNested = 11,
    Count = 12,
};

struct Header {
    const char16_t* text;
    int width;
};

inline constexpr Header kHeaders[Count] = {
    {u"", 30},         {u"FItemID", 0},   {u"线盘规格", 71},       {u"线盘直径", 70},
    {u"内胆直径", 70}, {u"内胆宽度", 70}, {u"装盘余量", 70},       {u"宽度系数", 70},
    {u"装盘层数", 70}, {u"每层圈数", 70}, {u"装盘长度(保守)", 96}, {u"装盘长度(嵌入)", 97},
};

constexpr int kRowHeight = 22;

} // namespace ReelGridColumns
