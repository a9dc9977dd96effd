#pragma once

// The reel editor dialog, in pixels of a 96 dpi screen: a 307 x 244 client
// area; captions at x 28, fields at x 84 (180 x 21), "mm" at x 266 beside the
// four dimensions; a separator and the two buttons below.
namespace EditorDialogLayout {

constexpr int kClientWidth = 307;
constexpr int kClientHeight = 244;

constexpr int kCaptionX = 28;
constexpr int kCaptionBelowFieldTop = 3;
constexpr int kFieldX = 84;
constexpr int kFieldWidth = 180;
constexpr int kFieldHeight = 21;
constexpr int kUnitX = 266;

// One reel value: its field, caption, place, unit and the notices for an
// empty field and for a text that is not a number (none for the name).
struct Field {
    const char* name;
    const char16_t* caption;
    int y;
    bool millimetres;
    const char16_t* emptyNotice;
    const char16_t* notANumberNotice;
    const char16_t* initialText;
};

inline constexpr Field kFields[] = {
    {"edName", u"线盘规格:", 15, false, u"请录入线盘规格！", nullptr, u"φ"},
    {"edWJ", u"线盘直径:", 40, true, u"请录入线盘直径！", u"线盘直径录入错误！", u""},
    {"edNJ", u"内胆直径:", 65, true, u"请录入内胆直径！", u"内胆直径录入错误！", u""},
    {"edKD", u"内胆宽度:", 90, true, u"请录入内胆宽度！", u"内胆宽度录入错误！", u""},
    {"edYL", u"装盘余量:", 115, true, u"请录入装盘余量！", u"装盘余量录入错误！", u""},
    {"edXS", u"宽度系数:", 140, false, u"请录入宽度系数！", u"宽度系数录入错误！", u"0.95"},
};

// The linked-material field: shown, never filled or read.
constexpr const char16_t* kModelCaption = u"对应物料:";
constexpr int kModelY = 172;

// Separator and buttons.
constexpr int kBevelX = 2;
constexpr int kBevelY = 200;
constexpr int kBevelWidth = 300;
constexpr int kBevelHeight = 2;
constexpr int kButtonY = 208;
constexpr int kButtonWidth = 91;
constexpr int kButtonHeight = 25;
constexpr int kSaveX = 40;
constexpr int kExitX = 192;

} // namespace EditorDialogLayout
