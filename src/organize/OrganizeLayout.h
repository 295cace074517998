#pragma once
// Where the panes of the Organize Folders window lie, in twips, for a given client area. The rules are
// data: the margins below describe the layout, the function only applies them.

#include <optional>

namespace krv {

struct TwipsRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool operator==(const TwipsRect&) const = default;
};

// The layout's measures: the tree's left margin and its gap below the toolbar, the splitter between the
// panes, the list's right margin, and the tree's share of the width when the user has not set it
// (client width / 3.5 - 120).
struct OrganizeLayoutRules {
    int TreeLeft = 20;
    int GapBelowToolbar = 20;
    int Splitter = 60;
    int ListRightMargin = 120;
    double TreeShareDivisor = 3.5;
    int TreeShareLess = 120;
};

struct OrganizeLayoutInput {
    int ClientWidth = 0;
    int ClientHeight = 0;
    int ToolbarHeight = 0;
    int StatusBarHeight = 0;
    bool StatusBarVisible = true;
    // The width the user gave the tree (registry or splitter); without one the tree follows the window.
    std::optional<int> TreeWidth;
};

struct OrganizeLayout {
    TwipsRect Tree;
    TwipsRect List;
    // The strip between the panes where the splitter is grabbed.
    TwipsRect Splitter;
};

OrganizeLayout ComputeOrganizeLayout(const OrganizeLayoutInput& input, const OrganizeLayoutRules& rules = {});

} // namespace krv
