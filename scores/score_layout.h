#pragma once

#include <QRect>
#include <array>

// The score window is designed in twips, fifteen to the pixel.
namespace score_layout {

constexpr int px(int twips) {
    return twips >= 0 ? (twips + 7) / 15 : -((-twips + 7) / 15);
}

constexpr QRect pixelRect(int left, int top, int width, int height) {
    return {px(left), px(top), px(width), px(height)};
}

constexpr int ClientWidth = 3930;
// Below the menu bar, before the first match.
constexpr int ClientHeight = 3570;

constexpr int PanelWidth = 3945;
constexpr int PanelHeight = 285;
// Space between the foot of the lowest panel in play and the foot of the client area. (The
// design gave the window's outer height: 720 twips below the panel, of which 560 were the frame
// it assumed; the frame the desktop draws now comes on top.)
constexpr int SpaceBelowPanels = 160;
constexpr std::array<int, 8> PanelTops{570, 960, 1335, 1710, 2100, 2475, 2850, 3225};

constexpr int panelTop(int player) {
    return PanelTops.at(static_cast<std::size_t>(player - 1));
}

constexpr int clientHeightBelowPanel(int player) {
    return panelTop(player) + PanelHeight + SpaceBelowPanels;
}

} // namespace score_layout
