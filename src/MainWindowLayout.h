#pragma once

#include <QRect>
#include <QSize>

// Where everything sits in the main window, in pixels of a 96 dpi screen.
// Each control's place is relative to the region that holds it; the regions
// follow the window's size (see Regions()).
namespace MainWindowLayout {

// The outer size of the window on the desktop it was drawn for, and its
// client area inside that desktop's 8 px frame and 30 px caption.
constexpr int kOuterWidth = 1050;
constexpr int kOuterHeight = 675;
constexpr int kClientWidth = kOuterWidth - 2 * 8;
constexpr int kClientHeight = kOuterHeight - 30 - 8;

constexpr int kTopBarHeight = 51;
constexpr int kTopBarButtonsWidth = 194;
constexpr int kRightPanelWidth = 193;
constexpr int kStatusBarHeight = 18;

enum class Region { TopBar, TopBarButtons, RightPanel };

struct Place {
    const char* name;
    Region region;
    int x;
    int y;
    int width; // 0: the control's natural size (labels)
    int height;
};

inline constexpr Place kPlaces[] = {
    {"Label1", Region::TopBar, 8, 20, 0, 0},             // 电缆外径:
    {"edWJ", Region::TopBar, 66, 13, 119, 27},           // cable outer diameter, mm
    {"Label2", Region::TopBar, 189, 20, 0, 0},           // mm
    {"btnnewpan", Region::TopBarButtons, 5, 2, 92, 44},  // 新增线盘
    {"btndelpan", Region::TopBarButtons, 98, 2, 92, 44}, // 删除线盘
    {"btnCALC", Region::RightPanel, 8, 15, 176, 53},     // 计算装盘长度(所有线盘)
    {"Bevel1", Region::RightPanel, 4, 89, 185, 2},
    {"Label3", Region::RightPanel, 5, 117, 0, 0},         // 依据电缆长度选择电缆盘:
    {"Label4", Region::RightPanel, 10, 155, 0, 0},        // 电缆长度:
    {"edCD", Region::RightPanel, 71, 152, 96, 21},        // cable length, m
    {"Label5", Region::RightPanel, 169, 155, 0, 0},       // m
    {"rbbs", Region::RightPanel, 21, 185, 65, 17},        // 【保守】
    {"rbqr", Region::RightPanel, 103, 185, 68, 17},       // 【嵌入】
    {"btnCDSELECT", Region::RightPanel, 8, 207, 176, 53}, // 计算可使用的电缆盘
    {"Bevel2", Region::RightPanel, 4, 298, 185, 2},
    {"Label6", Region::RightPanel, 1, 390, 0, 0},     // 电缆装盘弯曲半径要求:
    {"Label7", Region::RightPanel, 1, 424, 175, 143}, // the bending-radius note
};

// The regions for a client area of the given size: the top bar and the status
// bar stretch in width, the right-hand panel keeps its width and takes the
// height between them, and the grid takes the rest.
struct Regions {
    QRect topBar;
    QRect topBarButtons; // inside the top bar, at its right end
    QRect grid;
    QRect rightPanel;
    QRect statusBar;
};

inline Regions RegionsFor(QSize client) {
    const int w = client.width();
    const int h = client.height();
    const int workTop = kTopBarHeight;
    const int workHeight = std::max(0, h - kTopBarHeight - kStatusBarHeight);
    Regions r;
    r.topBar = QRect(0, 0, w, kTopBarHeight);
    r.topBarButtons = QRect(w - kTopBarButtonsWidth, 0, kTopBarButtonsWidth, kTopBarHeight);
    r.grid = QRect(0, workTop, std::max(0, w - kRightPanelWidth), workHeight);
    r.rightPanel = QRect(w - kRightPanelWidth, workTop, kRightPanelWidth, workHeight);
    r.statusBar = QRect(0, h - kStatusBarHeight, w, kStatusBarHeight);
    return r;
}

} // namespace MainWindowLayout
