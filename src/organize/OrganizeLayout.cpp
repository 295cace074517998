#include "organize/OrganizeLayout.h"

#include <algorithm>

namespace krv {

OrganizeLayout ComputeOrganizeLayout(const OrganizeLayoutInput& input, const OrganizeLayoutRules& rules) {
    OrganizeLayout layout;
    TwipsRect& tree = layout.Tree;
    tree.Left = rules.TreeLeft;
    tree.Top = input.ToolbarHeight + rules.GapBelowToolbar;
    tree.Width = input.TreeWidth
                     ? *input.TreeWidth
                     : static_cast<int>(input.ClientWidth / rules.TreeShareDivisor) - rules.TreeShareLess;
    tree.Width = std::max(tree.Width, 0);
    tree.Height =
        std::max(input.ClientHeight - tree.Top - (input.StatusBarVisible ? input.StatusBarHeight : 0), 0);

    TwipsRect& list = layout.List;
    list.Left = tree.Left + tree.Width + rules.Splitter;
    list.Top = tree.Top;
    list.Width = std::max(input.ClientWidth - list.Left - rules.ListRightMargin, 0);
    list.Height = tree.Height;

    layout.Splitter = {tree.Left + tree.Width, tree.Top, rules.Splitter, tree.Height};
    return layout;
}

} // namespace krv
