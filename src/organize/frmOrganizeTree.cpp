// Filling the tree pane of the Organize Folders window.
//
// A large tree is filled in slices: the rows at its top first, so that the window paints them at once, then
// the rest from the message loop, a slice at a time, each slice short enough to keep the window answering.
// The rows come depth first with every group expanded, so later slices only add below what is shown.
// Whatever needs the whole tree ends the filling at once: a message to the tree from outside this file
// (another program asking for its nodes, or the window's own commands), the user's keys and clicks in it,
// and a node asked for by a key that is not inserted yet.

#include <chrono>

#include "organize/frmOrganize.h"
#include "platform/Text.h"

namespace krv {
namespace {

// Posted to the window while rows are left to insert.
constexpr UINT kFillTreeMessage = WM_APP + 2;
constexpr UINT_PTR kTreeSubclassId = 1;
// The first slice fills the tallest screen; a later slice ends after this much time.
constexpr size_t kFirstSliceRows = 256;
constexpr auto kSliceTime = std::chrono::milliseconds(15);
// How often a slice looks at the clock.
constexpr size_t kRowsBetweenClockReads = 128;

// Messages after which the tree must hold all its nodes: any tree request that is about nodes, the user's
// input in it, and an accessibility client reading it.
bool NeedsWholeTree(UINT message) {
    // The message loop asks for the edit box of every message it routes; that needs no node.
    if (message == TVM_GETEDITCONTROL)
        return false;
    if (message >= TV_FIRST && message < TV_FIRST + 0x100)
        return true;
    switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_CHAR:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_MOUSEWHEEL:
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_GETOBJECT:
        return true;
    default:
        return false;
    }
}

// Sets a flag for the life of a scope.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag), before_(flag) { flag_ = true; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;
    ~FlagScope() { flag_ = before_; }

private:
    bool& flag_;
    bool before_;
};

} // namespace

LRESULT CALLBACK frmOrganize::TreeProc(HWND tree, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR self) {
    auto* window = reinterpret_cast<frmOrganize*>(self);
    if (message == WM_NCDESTROY)
        ::RemoveWindowSubclass(tree, &frmOrganize::TreeProc, id);
    else if (window->TreeFillPending() && !window->fillingTree_ && NeedsWholeTree(message))
        window->FinishTreeFill();
    return ::DefSubclassProc(tree, message, wParam, lParam);
}

void frmOrganize::SetTreeRows(const std::vector<TreeRow>& rows) {
    if (pendingTreeRows_.empty() && tree_ != nullptr)
        ::SetWindowSubclass(tree_, &frmOrganize::TreeProc, kTreeSubclassId,
                            reinterpret_cast<DWORD_PTR>(this));
    const FlagScope filling(fillingTree_);
    reportingTreeSelection_ = false;
    ::SendMessageW(tree_, WM_SETREDRAW, FALSE, 0);
    ::SendMessageW(tree_, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    nodes_.clear();
    nodes_.reserve(rows.size());
    nodeKeys_.clear();
    nodeKeys_.reserve(rows.size());
    expandedParents_.clear();
    pendingTreeRows_ = rows;
    nextTreeRow_ = 0;
    InsertTreeRows(kFirstSliceRows, false);
    if (TreeFillPending())
        ::PostMessageW(window_, kFillTreeMessage, 0, 0);
    ::SendMessageW(tree_, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(tree_, nullptr, TRUE);
    reportingTreeSelection_ = true;
}

// Inserts up to count rows from nextTreeRow_ on (or as many as fit in a slice's time), then expands the
// parents that received their first children. The caller has the tree's redrawing off.
void frmOrganize::InsertTreeRows(size_t count, bool timed) {
    const auto started = std::chrono::steady_clock::now();
    const size_t end = std::min(pendingTreeRows_.size(), nextTreeRow_ + count);
    parentsToExpand_.clear();
    for (size_t inserted = 0; nextTreeRow_ < end; ++inserted) {
        if (timed && inserted % kRowsBetweenClockReads == kRowsBetweenClockReads - 1 &&
            std::chrono::steady_clock::now() - started >= kSliceTime)
            break;
        const TreeRow& row = pendingTreeRows_[nextTreeRow_++];
        const std::wstring text = Widen(row.Text);
        TVINSERTSTRUCTW insert{};
        const auto parent = row.ParentKey.empty() ? nodes_.end() : nodes_.find(row.ParentKey);
        insert.hParent = parent == nodes_.end() ? TVI_ROOT : parent->second;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_STATE;
        insert.item.pszText = const_cast<wchar_t*>(text.c_str());
        insert.item.iImage = row.Image;
        insert.item.iSelectedImage = row.Image;
        insert.item.lParam = static_cast<LPARAM>(nodeKeys_.size());
        insert.item.state = TVIS_EXPANDED | (row.Ghosted ? TVIS_CUT : 0);
        insert.item.stateMask = TVIS_EXPANDED | TVIS_CUT;
        HTREEITEM node = reinterpret_cast<HTREEITEM>(
            ::SendMessageW(tree_, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
        nodeKeys_.push_back(row.Key);
        if (node != nullptr)
            nodes_.emplace(row.Key, node);
        // A node gets its expanded look only once it has children, so each parent is expanded once, after
        // its first child: on a large tree a hundredth of the nodes.
        if (insert.hParent != TVI_ROOT && expandedParents_.insert(insert.hParent).second)
            parentsToExpand_.push_back(insert.hParent);
    }
    for (HTREEITEM node : parentsToExpand_)
        ::SendMessageW(tree_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(node));
    parentsToExpand_.clear();
    if (!TreeFillPending()) {
        pendingTreeRows_.clear();
        pendingTreeRows_.shrink_to_fit();
        nextTreeRow_ = 0;
        expandedParents_.clear();
    }
}

void frmOrganize::FillTreeSlice() {
    if (!TreeFillPending())
        return;
    const FlagScope filling(fillingTree_);
    ::SendMessageW(tree_, WM_SETREDRAW, FALSE, 0);
    InsertTreeRows(pendingTreeRows_.size(), true);
    ::SendMessageW(tree_, WM_SETREDRAW, TRUE, 0);
    if (TreeFillPending())
        ::PostMessageW(window_, kFillTreeMessage, 0, 0);
}

void frmOrganize::FinishTreeFill() {
    if (!TreeFillPending())
        return;
    const FlagScope filling(fillingTree_);
    ::SendMessageW(tree_, WM_SETREDRAW, FALSE, 0);
    InsertTreeRows(pendingTreeRows_.size(), false);
    ::SendMessageW(tree_, WM_SETREDRAW, TRUE, 0);
}

HTREEITEM frmOrganize::NodeOf(std::string_view key) {
    auto found = nodes_.find(std::string(key));
    if (found == nodes_.end() && TreeFillPending()) {
        FinishTreeFill();
        found = nodes_.find(std::string(key));
    }
    return found != nodes_.end() ? found->second : nullptr;
}

void frmOrganize::SelectTreeNode(std::string_view key) {
    HTREEITEM node = NodeOf(key);
    if (node == nullptr)
        return;
    // Selecting a node that is there needs no more of the tree: the opening selects before the rest comes.
    const FlagScope selecting(fillingTree_);
    reportingTreeSelection_ = false;
    ::SendMessageW(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node));
    ::SendMessageW(tree_, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(node));
    reportingTreeSelection_ = true;
}

std::optional<LRESULT> frmOrganize::OnTreeFillMessage(UINT message) {
    if (message != kFillTreeMessage)
        return std::nullopt;
    FillTreeSlice();
    return 0;
}

} // namespace krv
