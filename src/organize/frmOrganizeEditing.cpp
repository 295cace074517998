// The editing parts of the Organize Folders window: captions edited in place in either pane, nodes and
// rows dragged inside the window (a move, as Cut and Paste), and folders dropped from Windows Explorer on
// either pane through OLE. What each gesture does to the tree is the presenter's; this file turns the
// controls' notifications and the mouse into the presenter's calls and draws the feedback.

#include <windows.h>

#include <algorithm>
#include <commctrl.h>
#include <ole2.h>
#include <shellapi.h>
#include <windowsx.h>

#include "organize/frmOrganize.h"
#include "organize/modOrganize.h"
#include "platform/Text.h"

namespace krv {
namespace {

// Posted to itself, so that the presenter's work (which refills both panes and may ask questions) runs
// after the control's notification or the OLE drop has returned.
constexpr UINT kRenameFinishedMessage = WM_APP + 20;
constexpr UINT kFilesDroppedMessage = WM_APP + 21;

FORMATETC FileDropFormat() {
    return FORMATETC{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

// A screen point relative to the window's top left corner (its frame, not its client area), as the drag
// image's functions take it.
POINT WindowPoint(HWND window, POINT screen) {
    RECT frame{};
    ::GetWindowRect(window, &frame);
    return POINT{screen.x - frame.left, screen.y - frame.top};
}

bool OffersFiles(IDataObject* data) {
    FORMATETC format = FileDropFormat();
    return data != nullptr && data->QueryGetData(&format) == S_OK;
}

// The paths of a CF_HDROP, in UTF-8.
std::vector<std::string> DroppedPaths(IDataObject* data) {
    std::vector<std::string> paths;
    FORMATETC format = FileDropFormat();
    STGMEDIUM medium{};
    if (data == nullptr || data->GetData(&format, &medium) != S_OK)
        return paths;
    const auto handle = static_cast<HDROP>(medium.hGlobal);
    const UINT count = ::DragQueryFileW(handle, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::wstring path(::DragQueryFileW(handle, i, nullptr, 0) + 1, L'\0');
        path.resize(::DragQueryFileW(handle, i, path.data(), static_cast<UINT>(path.size())));
        if (!path.empty())
            paths.push_back(Narrow(path));
    }
    ::ReleaseStgMedium(&medium);
    return paths;
}

} // namespace

// The OLE drop target of one pane. It is owned by the window (a member of its editing state), so its
// reference count only tells OLE's bookkeeping; it is revoked before the panes are destroyed.
class OrganizeDropTarget final : public IDropTarget {
public:
    OrganizeDropTarget(frmOrganize& window, HWND pane) : window_(window), pane_(pane) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (object == nullptr)
            return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropTarget)) {
            *object = static_cast<IDropTarget*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override { return references_ > 0 ? --references_ : 0; }

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD, POINTL point, DWORD* effect) override {
        accepts_ = OffersFiles(data);
        return DragOver(0, point, effect);
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL point, DWORD* effect) override {
        if (effect != nullptr)
            *effect = accepts_ ? DROPEFFECT_COPY : DROPEFFECT_NONE;
        if (accepts_)
            window_.HighlightDropTarget(pane_, POINT{point.x, point.y}, false);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override {
        window_.HighlightDropTarget(pane_, std::nullopt, false);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL point, DWORD* effect) override;

private:
    frmOrganize& window_;
    HWND pane_;
    ULONG references_ = 0;
    bool accepts_ = false;
};

struct frmOrganize::EditingState {
    EditingState(frmOrganize& window, HWND tree, HWND list)
        : treeTarget(window, tree), listTarget(window, list) {}

    OrganizeDropTarget treeTarget;
    OrganizeDropTarget listTarget;
    bool oleReady = false;
    bool registered = false;

    // An in-place rename that ended, waiting for the posted message.
    std::string renameKey;
    std::string renameText;
    // Folders dropped from Explorer, waiting for the posted message.
    std::vector<std::string> droppedPaths;
    std::string dropKey;

    // A drag inside the window.
    bool dragging = false;
    std::vector<std::string> dragKeys;
    HWND dragSource = nullptr;
    unique_himagelist dragImage;
    // The drop highlight: a node of the tree or a row of the list.
    HTREEITEM highlightedNode = nullptr;
    int highlightedRow = -1;
};

HRESULT STDMETHODCALLTYPE OrganizeDropTarget::Drop(IDataObject* data, DWORD, POINTL point, DWORD* effect) {
    const POINT screen{point.x, point.y};
    window_.HighlightDropTarget(pane_, std::nullopt, false);
    if (!accepts_) {
        if (effect != nullptr)
            *effect = DROPEFFECT_NONE;
        return S_OK;
    }
    frmOrganize::EditingState& state = *window_.editing_;
    state.droppedPaths = DroppedPaths(data);
    std::string key = window_.KeyAt(pane_, screen, false);
    // Outside every node of the tree the drop falls on the root, which refuses it.
    if (key.empty() && pane_ == window_.tree_)
        key = ROOT_NODE_KEY;
    state.dropKey = key;
    ::PostMessageW(window_.window_, kFilesDroppedMessage, 0, 0);
    if (effect != nullptr)
        *effect = DROPEFFECT_COPY;
    return S_OK;
}

// --- Set-up

void frmOrganize::InitEditing() {
    editing_ = std::make_shared<EditingState>(*this, tree_, list_);
    // Captions are edited in place in both panes.
    ::SetWindowLongPtrW(tree_, GWL_STYLE, ::GetWindowLongPtrW(tree_, GWL_STYLE) | TVS_EDITLABELS);
    ::SetWindowLongPtrW(list_, GWL_STYLE, ::GetWindowLongPtrW(list_, GWL_STYLE) | LVS_EDITLABELS);
    // The list asks for the drop highlight of each row as it does for the cut state.
    ::SendMessageW(list_, LVM_SETCALLBACKMASK, LVIS_CUT | LVIS_DROPHILITED, 0);
    const HRESULT ole = ::OleInitialize(nullptr);
    editing_->oleReady = SUCCEEDED(ole);
    if (editing_->oleReady) {
        editing_->registered = ::RegisterDragDrop(tree_, &editing_->treeTarget) == S_OK &&
                               ::RegisterDragDrop(list_, &editing_->listTarget) == S_OK;
    }
}

void frmOrganize::EndEditing() {
    if (!editing_)
        return;
    if (editing_->dragging)
        EndDrag(false);
    if (editing_->registered) {
        ::RevokeDragDrop(tree_);
        ::RevokeDragDrop(list_);
        editing_->registered = false;
    }
    if (editing_->oleReady) {
        ::OleUninitialize();
        editing_->oleReady = false;
    }
}

// --- In-place rename

void frmOrganize::BeginRename(OrganizePane pane, std::string_view key) {
    if (pane == OrganizePane::Tree) {
        HTREEITEM node = NodeOf(key);
        if (node == nullptr)
            return;
        ::SetFocus(tree_);
        ::SendMessageW(tree_, TVM_EDITLABELW, 0, reinterpret_cast<LPARAM>(node));
        return;
    }
    if (rows_ == nullptr)
        return;
    const auto row = std::ranges::find(*rows_, key, &ListRow::Key);
    if (row == rows_->end())
        return;
    ::SetFocus(list_);
    ::SendMessageW(list_, LVM_EDITLABELW, static_cast<WPARAM>(row - rows_->begin()), 0);
}

// --- Notifications of the panes

std::optional<LRESULT> frmOrganize::OnEditingNotify(const NMHDR& header) {
    if (!editing_ || !presenter_)
        return std::nullopt;
    const clsMenuCollection& work = presenter_->WorkCollection();
    const auto nodeKey = [this](LPARAM index) {
        const auto at = static_cast<size_t>(index);
        return at < nodeKeys_.size() ? nodeKeys_[at] : std::string();
    };
    const auto rowKey = [this](int row) {
        return rows_ != nullptr && row >= 0 && static_cast<size_t>(row) < rows_->size()
                   ? (*rows_)[static_cast<size_t>(row)].Key
                   : std::string();
    };
    const auto finishRename = [this](std::string key, const wchar_t* text) {
        // A cancelled edit hands no text. The caption the presenter accepts arrives with the refill, so the
        // control itself always drops the edit's text.
        if (text != nullptr && !key.empty()) {
            editing_->renameKey = std::move(key);
            editing_->renameText = Narrow(text);
            ::PostMessageW(window_, kRenameFinishedMessage, 0, 0);
        }
        return LRESULT{FALSE};
    };

    if (header.hwndFrom == tree_) {
        switch (header.code) {
        case TVN_BEGINLABELEDITW: {
            const auto& info = reinterpret_cast<const NMTVDISPINFOW&>(header);
            return CanRename(work, NameOfKey(nodeKey(info.item.lParam))) ? FALSE : TRUE;
        }
        case TVN_ENDLABELEDITW: {
            const auto& info = reinterpret_cast<const NMTVDISPINFOW&>(header);
            return finishRename(nodeKey(info.item.lParam), info.item.pszText);
        }
        case TVN_BEGINDRAGW: {
            const auto& info = reinterpret_cast<const NMTREEVIEWW&>(header);
            const std::string key = nodeKey(info.itemNew.lParam);
            if (!CanDrag(NameOfKey(key)))
                return LRESULT{0};
            POINT screen = info.ptDrag;
            ::ClientToScreen(tree_, &screen);
            auto* image = reinterpret_cast<HIMAGELIST>(
                ::SendMessageW(tree_, TVM_CREATEDRAGIMAGE, 0, reinterpret_cast<LPARAM>(info.itemNew.hItem)));
            editing_->dragSource = tree_;
            StartDrag({key}, image, screen);
            return LRESULT{0};
        }
        default:
            return std::nullopt;
        }
    }
    if (header.hwndFrom == list_) {
        switch (header.code) {
        case LVN_BEGINLABELEDITW: {
            const auto& info = reinterpret_cast<const NMLVDISPINFOW&>(header);
            return CanRename(work, NameOfKey(rowKey(info.item.iItem))) ? FALSE : TRUE;
        }
        case LVN_ENDLABELEDITW: {
            const auto& info = reinterpret_cast<const NMLVDISPINFOW&>(header);
            return finishRename(rowKey(info.item.iItem), info.item.pszText);
        }
        case LVN_BEGINDRAG: {
            const auto& info = reinterpret_cast<const NMLISTVIEW&>(header);
            std::vector<std::string> keys;
            for (const int row : SelectedListRows())
                keys.push_back(rowKey(row));
            if (keys.empty())
                keys.push_back(rowKey(info.iItem));
            if (!std::ranges::all_of(keys, [](const std::string& key) { return CanDrag(NameOfKey(key)); }))
                return LRESULT{0};
            // A row's own picture spans every column in the details view; the item's icon stands in.
            HIMAGELIST image = nullptr;
            POINT screen = info.ptAction;
            ::ClientToScreen(list_, &screen);
            editing_->dragSource = list_;
            StartDrag(std::move(keys), image, screen);
            return LRESULT{0};
        }
        default:
            return std::nullopt;
        }
    }
    return std::nullopt;
}

// --- Window messages: the drag's mouse and keys, and the posted work

std::optional<LRESULT> frmOrganize::OnEditingMessage(UINT message, WPARAM wParam, LPARAM) {
    if (!editing_)
        return std::nullopt;
    EditingState& state = *editing_;
    switch (message) {
    case kRenameFinishedMessage:
        if (presenter_ && !state.renameKey.empty())
            presenter_->OnRenameFinished(std::exchange(state.renameKey, {}),
                                         std::exchange(state.renameText, {}));
        return LRESULT{0};
    case kFilesDroppedMessage:
        if (presenter_ && !state.droppedPaths.empty())
            presenter_->OnFilesDropped(std::exchange(state.droppedPaths, {}),
                                       std::exchange(state.dropKey, {}));
        return LRESULT{0};
    case WM_DESTROY:
        EndEditing();
        return std::nullopt;
    default:
        break;
    }
    if (!state.dragging)
        return std::nullopt;
    switch (message) {
    case WM_MOUSEMOVE: {
        POINT screen{};
        ::GetCursorPos(&screen);
        const POINT at = WindowPoint(window_, screen);
        ::ImageList_DragMove(at.x, at.y);
        const bool overTree = ::WindowFromPoint(screen) == tree_;
        const bool overList = ::WindowFromPoint(screen) == list_;
        HighlightDropTarget(tree_, overTree ? std::optional<POINT>(screen) : std::nullopt, false);
        HighlightDropTarget(list_, overList ? std::optional<POINT>(screen) : std::nullopt, true);
        const bool target = state.highlightedNode != nullptr || state.highlightedRow >= 0;
        ::SetCursor(::LoadCursorW(nullptr, target ? IDC_ARROW : IDC_NO));
        return LRESULT{0};
    }
    case WM_LBUTTONUP:
        EndDrag(true);
        return LRESULT{0};
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE)
            EndDrag(false);
        return LRESULT{0};
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE:
    case WM_RBUTTONDOWN:
        EndDrag(false);
        return LRESULT{0};
    default:
        return std::nullopt;
    }
}

// --- Dragging inside the window

void frmOrganize::StartDrag(std::vector<std::string> keys, HIMAGELIST image, POINT screen) {
    EditingState& state = *editing_;
    state.dragKeys = std::move(keys);
    state.dragImage.reset(image);
    HIMAGELIST shown = image;
    int picture = 0;
    if (shown == nullptr) {
        // Without a picture of the node or row, the item's icon stands in.
        shown = imlSmall_.get();
        const clsMenuItem* item =
            presenter_->WorkCollection().GetMenuItemFromName(NameOfKey(state.dragKeys.front()));
        picture = item != nullptr ? item->IconID() : 0;
    }
    ::ImageList_BeginDrag(shown, picture, 8, 8);
    // The image is drawn over the whole window, panes included; its coordinates are the window's own.
    const POINT at = WindowPoint(window_, screen);
    ::ImageList_DragEnter(window_, at.x, at.y);
    state.dragging = true;
    ::SetCapture(window_);
    // The keys come to the window while it drags, so that Escape cancels.
    ::SetFocus(window_);
}

void frmOrganize::EndDrag(bool drop) {
    EditingState& state = *editing_;
    if (!state.dragging)
        return;
    state.dragging = false;
    POINT screen{};
    ::GetCursorPos(&screen);
    ::ImageList_DragLeave(window_);
    ::ImageList_EndDrag();
    state.dragImage.reset();
    if (::GetCapture() == window_)
        ::ReleaseCapture();
    std::string target;
    if (drop) {
        const HWND under = ::WindowFromPoint(screen);
        if (under == tree_ || under == list_)
            target = KeyAt(under, screen, under == list_);
    }
    HighlightDropTarget(tree_, std::nullopt, false);
    HighlightDropTarget(list_, std::nullopt, true);
    const std::vector<std::string> keys = std::exchange(state.dragKeys, {});
    if (state.dragSource != nullptr)
        ::SetFocus(state.dragSource);
    // A drop on one of the dragged items themselves moves nothing.
    if (target.empty() || std::ranges::find(keys, target) != keys.end())
        return;
    presenter_->OnItemsDropped(keys, target);
}

std::string frmOrganize::KeyAt(HWND pane, POINT screen, bool groupsOnly) const {
    POINT client = screen;
    ::ScreenToClient(pane, &client);
    if (pane == tree_) {
        TVHITTESTINFO hit{};
        hit.pt = client;
        const auto node = reinterpret_cast<HTREEITEM>(
            ::SendMessageW(tree_, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
        if (node == nullptr || !(hit.flags & TVHT_ONITEM))
            return {};
        TVITEMW item{};
        item.mask = TVIF_PARAM;
        item.hItem = node;
        ::SendMessageW(tree_, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        const auto index = static_cast<size_t>(item.lParam);
        return index < nodeKeys_.size() ? nodeKeys_[index] : std::string();
    }
    LVHITTESTINFO hit{};
    hit.pt = client;
    const int row = static_cast<int>(::SendMessageW(list_, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (row < 0 || rows_ == nullptr || static_cast<size_t>(row) >= rows_->size() ||
        !(hit.flags & LVHT_ONITEM))
        return {};
    const std::string& key = (*rows_)[static_cast<size_t>(row)].Key;
    if (groupsOnly) {
        const clsMenuItem* item = presenter_->WorkCollection().GetMenuItemFromName(NameOfKey(key));
        if (item == nullptr || !item->SubMenu())
            return {};
    }
    return key;
}

// --- The drop highlight

bool frmOrganize::IsDropHighlighted(int row) const {
    return editing_ && row >= 0 && editing_->highlightedRow == row;
}

void frmOrganize::HighlightDropTarget(HWND pane, std::optional<POINT> screen, bool groupsOnly) {
    if (!editing_)
        return;
    EditingState& state = *editing_;
    // The drag image is hidden while the pane repaints under it.
    const bool hideImage = state.dragging;
    if (pane == tree_) {
        HTREEITEM node = nullptr;
        if (screen)
            node = NodeOf(KeyAt(tree_, *screen, false));
        if (node == state.highlightedNode)
            return;
        if (hideImage)
            ::ImageList_DragShowNolock(FALSE);
        ::SendMessageW(tree_, TVM_SELECTITEM, TVGN_DROPHILITE, reinterpret_cast<LPARAM>(node));
        ::UpdateWindow(tree_);
        if (hideImage)
            ::ImageList_DragShowNolock(TRUE);
        state.highlightedNode = node;
        return;
    }
    int row = -1;
    if (screen && rows_ != nullptr) {
        const std::string key = KeyAt(list_, *screen, groupsOnly);
        const auto found = std::ranges::find(*rows_, key, &ListRow::Key);
        if (!key.empty() && found != rows_->end())
            row = static_cast<int>(found - rows_->begin());
    }
    if (row == state.highlightedRow)
        return;
    if (hideImage)
        ::ImageList_DragShowNolock(FALSE);
    const int previous = std::exchange(state.highlightedRow, row);
    for (const int changed : {previous, row}) {
        if (changed >= 0)
            ::SendMessageW(list_, LVM_REDRAWITEMS, static_cast<WPARAM>(changed),
                           static_cast<LPARAM>(changed));
    }
    ::UpdateWindow(list_);
    if (hideImage)
        ::ImageList_DragShowNolock(TRUE);
}

} // namespace krv
