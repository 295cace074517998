#include "organize/OrganizePresenter.h"

#include <algorithm>
#include <charconv>

#include "app/Program.h"
#include "app/modMain.h"
#include "config/modFileHandler.h"
#include "dialogs/modRegionalSettings.h"
#include "menu/modMenuAction.h"
#include "menu/modMenuSetup.h"
#include "platform/Shell.h"
#include "platform/Text.h"
#include "settings/FormPosition.h"
#include "settings/clsRegHandler.h"
#include "settings/modOptions.h"

namespace krv {
namespace {

constexpr const char* kConfigFilter = "Karvello Configuration File (*.krvc)|*.krvc|All Files (*.*)|*.*";
constexpr const char* kSaveFilter = "Karvello Configuration File (*.krvc)|*.krvc|Text Document (*.txt)|*.txt";
constexpr const char* kSaveAsTitle = "Save Configuration File As";
constexpr const char* kDiscardTitle = "Exit Discarding Changes";
constexpr int kTextListingFilter = 2;

const char* BooleanText(bool value) {
    return value ? "True" : "False";
}

struct ViewRule {
    const char* Key;
    ListViewMode Mode;
    bool GridLines;
    OrganizeCommand Command;
};

constexpr ViewRule kViews[] = {
    {VIEW_KEY_LARGE_ICONS, ListViewMode::LargeIcons, false, OrganizeCommand::ViewLargeIcons},
    {VIEW_KEY_SMALL_ICONS, ListViewMode::SmallIcons, false, OrganizeCommand::ViewSmallIcons},
    {VIEW_KEY_LIST, ListViewMode::List, false, OrganizeCommand::ViewList},
    {VIEW_KEY_DETAILS, ListViewMode::Report, false, OrganizeCommand::ViewDetails},
    {VIEW_KEY_GRID, ListViewMode::Report, true, OrganizeCommand::ViewGrid},
};

const ViewRule* FindView(std::string_view key) {
    for (const ViewRule& rule : kViews)
        if (key == rule.Key)
            return &rule;
    return nullptr;
}

struct LocationTexts {
    OrganizedFoldersLocation Location;
    const char* Refreshing; // the Tools menu's refresh
    const char* Saving;     // the refresh after closing
};

constexpr LocationTexts kLocationTexts[] = {
    {OrganizedFoldersLocation::Desktop, "Refreshing Organized Folders on the Desktop",
     "Saving Organized Folders on the Desktop..."},
    {OrganizedFoldersLocation::SendTo, "Refreshing Organized Folders in the Send To",
     "Saving Organized Folders in the Send To..."},
    {OrganizedFoldersLocation::Favorites, "Refreshing Organized Folders in the Favorites",
     "Saving Organized Folders in the Favorites..."},
};

// Generated entries ("REMARK_AUTO": the fixed entries and separators of the menu) are never shown, except
// the Drives group and its drives, whose content the user looks at but cannot change.
bool IsShownItem(const clsMenuItem& item) {
    return item.Remark() != REMARK_AUTO || item.Name() == MIT_PATHS_DRIVES ||
           item.OwnerName() == MIT_PATHS_DRIVES;
}

// The locale's texts for one fill of the list: each item is asked of the system once, not once per date.
class CachedLocale final : public ILocale {
public:
    CachedLocale(ILocale& inner, std::unordered_map<uint32_t, std::string>& cache)
        : inner_(inner), cache_(cache) {}
    std::string LocaleText(uint32_t item) override {
        const auto found = cache_.find(item);
        if (found != cache_.end())
            return found->second;
        return cache_.emplace(item, inner_.LocaleText(item)).first->second;
    }

private:
    ILocale& inner_;
    std::unordered_map<uint32_t, std::string>& cache_;
};

} // namespace

std::string ItemKey(std::string_view name) {
    return "C" + std::string(name);
}

std::string NameOfKey(std::string_view key) {
    if (key == ROOT_NODE_KEY || key.empty())
        return std::string(key);
    return std::string(key.substr(1));
}

// --- Settings

OrganizeSettings LoadOrganizeSettings(clsRegHandler& registry) {
    const std::string key = FormPositionKey(ORGANIZE_WINDOW_NAME);
    OrganizeSettings settings;
    const auto read = [&](const std::string& name) -> std::optional<std::string> {
        std::string text;
        if (!registry.GetKeyValue(RegistryRoot::CurrentUser, key, name, text) || TrimmedText(text).empty())
            return std::nullopt;
        return std::string(TrimmedText(text));
    };
    const auto readBoolean = [&](const char* name, bool fallback) {
        const auto text = read(name);
        const auto value = text ? ParseBooleanText(*text) : std::nullopt;
        return value.value_or(fallback);
    };
    settings.ShowStatusBar = readBoolean("I1", true);
    // A view key the window does not know would leave the list in no view at all; the default stands in.
    if (const auto view = read("I2"); view && FindView(*view))
        settings.ViewKey = *view;
    settings.ToolbarShowText = readBoolean("I3", true);
    settings.ToolbarLargeButtons = readBoolean("I4", true);
    settings.ShowShortcutsInLeftPane = readBoolean("I5", true);
    if (const auto text = read("I6")) {
        const auto width = ParseStoredInteger(*text);
        if (width && *width > 100)
            settings.TreeWidth = width;
    }
    for (int column = 0; column < kListColumnCount; ++column) {
        if (const auto text = read("ICHW" + std::to_string(column + 1))) {
            const auto width = ParseStoredInteger(*text);
            if (width && *width >= 0)
                settings.ColumnWidths[static_cast<size_t>(column)] = width;
        }
    }
    return settings;
}

void SaveOrganizeSettings(clsRegHandler& registry, const OrganizeSettings& settings, int treeWidth,
                          const std::array<int, kListColumnCount>& columnWidths) {
    const std::string key = FormPositionKey(ORGANIZE_WINDOW_NAME);
    const auto write = [&](const std::string& name, std::string_view text) {
        registry.SetKeyValue(RegistryRoot::CurrentUser, key, name, text);
    };
    write("I1", BooleanText(settings.ShowStatusBar));
    write("I2", settings.ViewKey);
    write("I3", BooleanText(settings.ToolbarShowText));
    write("I4", BooleanText(settings.ToolbarLargeButtons));
    write("I5", BooleanText(settings.ShowShortcutsInLeftPane));
    write("I6", std::to_string(treeWidth));
    for (int column = 0; column < kListColumnCount; ++column)
        write("ICHW" + std::to_string(column + 1), std::to_string(columnWidths[static_cast<size_t>(column)]));
}

// --- Loading

OrganizePresenter::OrganizePresenter(const OrganizeServices& services, IOrganizeView& view)
    : services_(services), view_(view) {}

void OrganizePresenter::Load() {
    settings_ = LoadOrganizeSettings(services_.Program.registry);
    for (int column = 0; column < kListColumnCount; ++column)
        if (const auto width = settings_.ColumnWidths[static_cast<size_t>(column)])
            view_.SetListColumnWidth(column, *width);
    ApplyListViewView(settings_.ViewKey);
    SetViewChecks();
    if (settings_.TreeWidth)
        view_.SetTreeWidth(*settings_.TreeWidth);
    view_.ShowStatusBar(settings_.ShowStatusBar);
    ApplyToolbar();

    CopyCollection(services_.Program.state.MenuItems, work_);
    editorConfigFile_ = services_.Files.CurrentConfigFile();
    RefreshFileMenu();
    SetFormCaption();
    FillTree();
    SelectGroup(ROOT_NODE_KEY);
}

void OrganizePresenter::Init(std::string_view command) {
    const std::string_view trimmed = TrimmedText(command);
    constexpr std::string_view kAdd = "/ADD";
    constexpr std::string_view kOpen = "/OPEN";
    if (trimmed.size() > kAdd.size() && trimmed.starts_with(kAdd)) {
        std::string path(TrimmedText(trimmed.substr(kAdd.size() + 1)));
        if (path.size() == 2 && path[1] == ':')
            path += '\\';
        SelectGroup(MIT_GROUP_USER);
        NewItem(MIT_PATH_EXPLORER, path);
    } else if (trimmed.starts_with(kOpen)) {
        const std::string_view rest = trimmed.size() > kOpen.size() ? trimmed.substr(kOpen.size() + 1) : "";
        OpenFileQuietly(TrimmedText(rest));
    }
}

void OrganizePresenter::OnActivated() {
    if (tipShown_)
        return;
    tipShown_ = true;
    const ProgramState& state = services_.Program.state;
    if (state.options.ShowTips && !state.OrganizeOpenedByCommand)
        services_.Dialogs.ShowTipOfTheDay();
}

bool OrganizePresenter::EditsCurrentFile() const {
    return editorConfigFile_ == services_.Files.CurrentConfigFile();
}

// --- Tree and list

void OrganizePresenter::FillTree() {
    std::vector<TreeRow> rows;
    rows.reserve(static_cast<size_t>(work_.Count()) + 1);
    rows.push_back({ROOT_NODE_KEY, "", ROOT_NODE_TEXT, ICON_ROOT});
    // Depth first with a stack of its own, so that a deeply nested tree cannot exhaust the call stack.
    struct Pending {
        const clsMenuItem* Item;
        std::string ParentKey;
    };
    std::vector<Pending> pending;
    const auto pushChildren = [&](std::string_view owner, const std::string& parentKey) {
        const std::vector<clsMenuItem*> children = work_.Children(owner);
        for (auto it = children.rbegin(); it != children.rend(); ++it) {
            const clsMenuItem& child = **it;
            if (IsShownItem(child) && !child.Separator() &&
                (child.IsGroup() || settings_.ShowShortcutsInLeftPane))
                pending.push_back({&child, parentKey});
        }
    };
    pushChildren(TOP_LEVEL_OWNER, ROOT_NODE_KEY);
    while (!pending.empty()) {
        Pending next = std::move(pending.back());
        pending.pop_back();
        std::string key = ItemKey(next.Item->Name());
        const bool ghosted = cutNames_.contains(next.Item->Name());
        rows.push_back({key, std::move(next.ParentKey), next.Item->Caption(), next.Item->IconID(), ghosted});
        if (next.Item->IsGroup())
            pushChildren(next.Item->Name(), key);
    }
    view_.SetTreeRows(rows);
}

ListRow OrganizePresenter::MakeListRow(const clsMenuItem& item) const {
    ListRow row;
    row.Key = ItemKey(item.Name());
    row.Text = item.Caption();
    row.Icon = item.IconID();
    row.SubItems[0] = item.ItemType() == MIT_OPENALL ? "Open-All Shortcut" : item.Description();
    const int32_t code = item.KeyboardCode();
    if (code >= KEY_CODE_DIGIT_0 && code <= KEY_CODE_DIGIT_9)
        row.SubItems[1] = "Shift+Ctrl+" + std::string(1, static_cast<char>(code));
    row.SubItems[2] = item.FolderPath();
    row.SubItems[3] = item.UserDescription();
    row.Modified = item.TimeModified();
    row.Created = item.TimeCreated();
    row.Ghosted = cutNames_.contains(item.Name());
    return row;
}

void OrganizePresenter::FillList() {
    const std::string owner =
        selectedTreeKey_ == ROOT_NODE_KEY ? TOP_LEVEL_OWNER : NameOfKey(selectedTreeKey_);
    listLocaleTexts_.clear();
    listRows_.clear();
    for (const clsMenuItem* child : work_.Children(owner)) {
        if (!IsShownItem(*child) || child->Separator())
            continue;
        listRows_.push_back(MakeListRow(*child));
    }
    SortListRows();
    view_.SetListRows(listRows_);
}

const std::string& OrganizePresenter::ListCellText(size_t index, int column) {
    static const std::string none;
    if (index >= listRows_.size() || column < 0 || column >= kListColumnCount)
        return none;
    ListRow& row = listRows_[index];
    if (column == 0)
        return row.Text;
    if ((column == 5 || column == 6) && !row.DatesWritten) {
        CachedLocale locale(services_.Locale, listLocaleTexts_);
        modRegionalSettings regional(locale);
        const auto dateText = [&regional](const DateTime& value) {
            return value.IsZero() ? std::string("Never") : regional.FormatDateTimeLocal(value);
        };
        row.SubItems[4] = dateText(row.Modified);
        row.SubItems[5] = dateText(row.Created);
        row.DatesWritten = true;
    }
    return row.SubItems[static_cast<size_t>(column - 1)];
}

void OrganizePresenter::SortListRows() {
    if (!sortColumn_)
        return;
    const int column = *sortColumn_;
    const auto text = [column](const ListRow& row) -> const std::string& {
        return column == 0 ? row.Text : row.SubItems[static_cast<size_t>(column - 1)];
    };
    std::stable_sort(listRows_.begin(), listRows_.end(), [&](const ListRow& a, const ListRow& b) {
        if (column == 5)
            return a.Modified < b.Modified;
        if (column == 6)
            return a.Created < b.Created;
        return CompareUpperCase(text(a), text(b)) < 0;
    });
}

void OrganizePresenter::OnColumnClick(int column) {
    if (column < 0 || column >= kListColumnCount)
        return;
    const std::vector<std::string> selected = SelectedListNames();
    sortColumn_ = column;
    SortListRows();
    view_.SetListRows(listRows_);
    std::vector<int> rows;
    for (size_t i = 0; i < listRows_.size(); ++i)
        if (std::find(selected.begin(), selected.end(), NameOfKey(listRows_[i].Key)) != selected.end())
            rows.push_back(static_cast<int>(i));
    view_.SelectListRows(rows);
}

std::vector<std::string> OrganizePresenter::SelectedListNames() const {
    std::vector<std::string> names;
    for (const int row : view_.SelectedListRows())
        if (row >= 0 && static_cast<size_t>(row) < listRows_.size())
            names.push_back(NameOfKey(listRows_[static_cast<size_t>(row)].Key));
    return names;
}

void OrganizePresenter::SetCutMarks(std::unordered_set<std::string> names) {
    cutNames_ = std::move(names);
    for (ListRow& row : listRows_)
        row.Ghosted = cutNames_.contains(NameOfKey(row.Key));
    view_.RedrawList();
}

void OrganizePresenter::OnTreeSelectionChanged(std::string_view key) {
    selectedTreeKey_ = key.empty() ? std::string(ROOT_NODE_KEY) : std::string(key);
    selectedAncestors_.clear();
    const clsMenuItem* item = work_.GetMenuItemFromName(NameOfKey(selectedTreeKey_));
    while (item != nullptr && !item->IsTopLevel()) {
        selectedAncestors_.push_back(item->OwnerName());
        item = work_.GetMenuItemFromName(item->OwnerName());
    }
    FillList();
    ShowGroupStatus();
    ShowToolbarStates();
}

void OrganizePresenter::SelectGroup(std::string_view name) {
    const std::string key = name == ROOT_NODE_KEY ? std::string(ROOT_NODE_KEY) : ItemKey(name);
    view_.SelectTreeNode(key);
    OnTreeSelectionChanged(key);
}

void OrganizePresenter::Refill() {
    const std::vector<std::string> selectedRows = SelectedListNames();
    std::vector<std::string> candidates = {NameOfKey(selectedTreeKey_)};
    candidates.insert(candidates.end(), selectedAncestors_.begin(), selectedAncestors_.end());
    FillTree();
    std::string target = ROOT_NODE_KEY;
    for (const std::string& name : candidates) {
        const clsMenuItem* item = work_.GetMenuItemFromName(name);
        if (item != nullptr && IsShownItem(*item) && (item->IsGroup() || settings_.ShowShortcutsInLeftPane)) {
            target = name;
            break;
        }
    }
    statusCache_.reset();
    SelectGroup(target);
    std::vector<int> rows;
    for (size_t i = 0; i < listRows_.size(); ++i)
        if (std::find(selectedRows.begin(), selectedRows.end(), NameOfKey(listRows_[i].Key)) !=
            selectedRows.end())
            rows.push_back(static_cast<int>(i));
    if (!rows.empty())
        view_.SelectListRows(rows);
}

// --- Status bar

void OrganizePresenter::UpdateStatusBar(const StatusBarTexts& texts) {
    if (statusCache_ && *statusCache_ == texts)
        return;
    statusCache_ = texts;
    view_.SetStatusBar(texts);
}

void OrganizePresenter::ShowGroupStatus() {
    StatusBarTexts texts;
    texts.Count = std::to_string(listRows_.size()) + " object(s)";
    if (const clsMenuItem* group = work_.GetMenuItemFromName(NameOfKey(selectedTreeKey_))) {
        texts.Type = group->Description();
        texts.Name = group->Caption();
        texts.Icon = group->IconID();
    } else {
        texts.Type = "Root";
        texts.Name = ROOT_NODE_TEXT;
        texts.Icon = ICON_ROOT;
    }
    UpdateStatusBar(texts);
}

void OrganizePresenter::SetStatusBarSelected() {
    const int count = view_.SelectedListCount();
    if (count <= 0)
        return;
    StatusBarTexts texts;
    texts.Count = std::to_string(count) + " object(s) selected";
    const std::vector<int> rows = view_.SelectedListRows();
    if (count == 1 && !rows.empty() && static_cast<size_t>(rows.front()) < listRows_.size()) {
        const ListRow& row = listRows_[static_cast<size_t>(rows.front())];
        texts.Type = row.SubItems[0];
        texts.Name = row.Text;
        texts.Icon = row.Icon;
    } else {
        texts.Type = "Multiple selection";
        if (const clsMenuItem* group = work_.GetMenuItemFromName(NameOfKey(selectedTreeKey_))) {
            texts.Name = group->Caption();
            texts.Icon = group->IconID();
        } else {
            texts.Name = ROOT_NODE_TEXT;
            texts.Icon = ICON_ROOT;
        }
    }
    UpdateStatusBar(texts);
}

void OrganizePresenter::OnListSelectionChanged() {
    SetStatusBarSelected();
    ShowToolbarStates();
}

void OrganizePresenter::OnPaneFocused(OrganizePane pane) {
    focusPane_ = pane;
    ShowToolbarStates();
}

// The toolbar is always in sight, so its buttons follow the selection at once; the menus take their states
// when they open.
void OrganizePresenter::ShowToolbarStates() {
    SetCommandStates(OrganizeMenu::Toolbar);
}

// --- Views and settings

void OrganizePresenter::ApplyListViewView(std::string_view viewKey) {
    const ViewRule* rule = FindView(viewKey);
    if (rule == nullptr)
        return;
    view_.SetListViewMode(rule->Mode, rule->GridLines);
    for (const ViewRule& other : kViews)
        view_.SetCommandChecked(other.Command, &other == rule);
    settings_.ViewKey = rule->Key;
    FillList();
}

void OrganizePresenter::SetViewChecks() {
    view_.SetCommandChecked(OrganizeCommand::ViewStatusBar, settings_.ShowStatusBar);
    view_.SetCommandChecked(OrganizeCommand::ViewToolbarShowText, settings_.ToolbarShowText);
    view_.SetCommandChecked(OrganizeCommand::ViewToolbarLargeButtons, settings_.ToolbarLargeButtons);
    view_.SetCommandChecked(OrganizeCommand::ViewShortcutsInLeftPane, settings_.ShowShortcutsInLeftPane);
}

void OrganizePresenter::ApplyToolbar() {
    view_.SetToolbar(settings_.ToolbarShowText, settings_.ToolbarLargeButtons);
}

void OrganizePresenter::ToggleSetting(OrganizeCommand command) {
    switch (command) {
    case OrganizeCommand::ViewStatusBar:
        settings_.ShowStatusBar = !settings_.ShowStatusBar;
        view_.ShowStatusBar(settings_.ShowStatusBar);
        break;
    case OrganizeCommand::ViewToolbarShowText:
        settings_.ToolbarShowText = !settings_.ToolbarShowText;
        ApplyToolbar();
        break;
    case OrganizeCommand::ViewToolbarLargeButtons:
        settings_.ToolbarLargeButtons = !settings_.ToolbarLargeButtons;
        ApplyToolbar();
        break;
    case OrganizeCommand::ViewShortcutsInLeftPane:
        settings_.ShowShortcutsInLeftPane = !settings_.ShowShortcutsInLeftPane;
        Refill();
        break;
    default:
        return;
    }
    SetViewChecks();
}

// --- Menus

void OrganizePresenter::OnMenuOpening(OrganizeMenu menu) {
    if (menu == OrganizeMenu::Tools) {
        const ProgramState& state = services_.Program.state;
        view_.SetCommandEnabled(OrganizeCommand::ToolsRestoreSystemFolders,
                                state.Appearance(AC0_SHOW_SYSTEM_FOLDERS));
        view_.SetCommandEnabled(OrganizeCommand::ToolsRefreshDesktop,
                                state.Advanced(ADVC2_ORGANIZED_FOLDERS_DESKTOP));
        view_.SetCommandEnabled(OrganizeCommand::ToolsRefreshSendTo,
                                state.Advanced(ADVC3_ORGANIZED_FOLDERS_SEND_TO));
        view_.SetCommandEnabled(OrganizeCommand::ToolsRefreshFavorites,
                                state.Advanced(ADVC4_ORGANIZED_FOLDERS_FAVORITES));
    }
    SetCommandStates(menu);
}

void OrganizePresenter::OnContextMenu(OrganizePane pane, std::string_view key, int x, int y) {
    focusPane_ = pane;
    const OrganizeMenu menu = key.empty() ? OrganizeMenu::EmptyPopup : OrganizeMenu::ItemPopup;
    SetCommandStates(menu);
    view_.ShowPopupMenu(menu, x, y);
}

// --- Items

const clsMenuItem* OrganizePresenter::SelectedItem() const {
    if (focusPane_ == OrganizePane::List) {
        const std::vector<std::string> names = SelectedListNames();
        if (!names.empty())
            return work_.GetMenuItemFromName(names.front());
    }
    return work_.GetMenuItemFromName(NameOfKey(selectedTreeKey_));
}

std::string OrganizePresenter::SelectedFolderPath() const {
    const clsMenuItem* item = SelectedItem();
    return item != nullptr ? item->FolderPath() : std::string();
}

void OrganizePresenter::OpenSelectedItem() {
    if (focusPane_ == OrganizePane::List) {
        const std::vector<int> rows = view_.SelectedListRows();
        if (rows.size() == 1)
            OnListRowActivated(rows.front());
        return;
    }
    const clsMenuItem* item = SelectedItem();
    if (item != nullptr && !item->IsGroup())
        OpenInExplorer(services_.Program, item->FolderPath(), item->OpenType() == MIT_PATH_EXPLORER);
    else
        view_.FocusPane(OrganizePane::List);
}

void OrganizePresenter::OnListRowActivated(int row) {
    if (row < 0 || static_cast<size_t>(row) >= listRows_.size())
        return;
    const std::string name = NameOfKey(listRows_[static_cast<size_t>(row)].Key);
    const clsMenuItem* item = work_.GetMenuItemFromName(name);
    if (item == nullptr)
        return;
    if (item->IsGroup()) {
        SelectGroup(name);
        return;
    }
    const ProgramState& state = services_.Program.state;
    if (state.General(GC2_DOUBLE_CLICK_OPENS_CHANGE) && item->ItemType() != MIT_DRIVE)
        ChangeSelection();
    else if (state.General(GC3_DOUBLE_CLICK_OPENS_EXPLORER) || item->ItemType() == MIT_DRIVE)
        OpenInExplorer(services_.Program, item->FolderPath(), true);
}

void OrganizePresenter::UpOneLevel() {
    const clsMenuItem* item = work_.GetMenuItemFromName(NameOfKey(selectedTreeKey_));
    if (item == nullptr)
        return;
    SelectGroup(item->IsTopLevel() ? std::string(ROOT_NODE_KEY) : item->OwnerName());
}

void OrganizePresenter::ShowProperties() {
    const clsMenuItem* item = SelectedItem();
    if (item == nullptr)
        return;
    // A Change from the dialog or a rename of the folder on disk changes the working collection: like every
    // edit it can be taken back, and the keyboard shortcuts are registered anew.
    const std::string name = item->Name();
    RecordEdit([&] {
        if (!services_.Dialogs.ShowItemProperties(work_, name))
            return EditOutcome{};
        const clsMenuItem* shown = work_.GetMenuItemFromName(name);
        return EditOutcome{.Changed = true,
                           .ShortcutsChanged = true,
                           .Action = "Properties of '" + (shown != nullptr ? shown->Caption() : name) + "'"};
    });
}

void OrganizePresenter::ShowShortcutsList() {
    // Its deletions are one undo step.
    if (RecordDialogEdit("Folder Shortcuts List", [&] { services_.Dialogs.ShowShortcutsList(work_); }))
        return;
    SetModified();
    Refill();
    services_.HandOver.RebuildKeyboardShortcuts(work_);
}

void OrganizePresenter::ShowOptions() {
    const OrganizeOptionsOutcome outcome = services_.Dialogs.ShowOptions(work_);
    if (outcome.ExitRequested)
        return; // the program is ending; the main window closes this one
    // The options shape what the tree is handed to the program with (generated groups, Organized Folders),
    // so closing must hand it over even when the tree itself is unchanged.
    SetModified();
    if (outcome.SettingsChanged)
        Refill();
}

void OrganizePresenter::ShowHelpPage(const char* address) {
    services_.Program.shell.Execute("open", address, "", SHOW_COMMAND_SHOW);
}

void OrganizePresenter::RefreshOrganizedFolders(OrganizedFoldersLocation location) {
    IPauseWindow& pause = services_.Program.pauseWindow;
    pause.ShowPauseWindow(view_.WindowHandle());
    pause.SetPauseCaption("Refresh Organized Folders...");
    for (const LocationTexts& texts : kLocationTexts)
        if (texts.Location == location)
            pause.SetPauseStatus(texts.Refreshing);
    services_.HandOver.RestoreOrganizedFolders(location, work_);
    pause.ClosePauseWindow();
}

// --- Commands

void OrganizePresenter::OnCommand(OrganizeCommand command) {
    using C = OrganizeCommand;
    switch (command) {
    case C::FileNewItem:
        NewItem(MIT_PATH_EXPLORER, "");
        break;
    case C::FileOpen:
        FuncConfigFileLoad(false);
        break;
    case C::FileOpenDefault:
        FuncConfigFileLoad(true);
        break;
    case C::FileSetDefault:
        SetAsDefault();
        break;
    case C::FileSave:
        FuncConfigFileSave(false);
        break;
    case C::FileSaveAs:
        FuncConfigFileSave(true);
        break;
    case C::FileInformation:
        services_.Dialogs.ShowConfigFileInformation(work_);
        break;
    case C::FileOptions:
        ShowOptions();
        break;
    case C::FileExitDiscarding:
        ExitDiscardingChanges();
        break;
    case C::FileExit:
        DoClose();
        break;

    case C::EditUndo:
        Undo();
        break;
    case C::EditRedo:
        Redo();
        break;
    case C::EditCut:
        CutOrCopy(true);
        break;
    case C::EditCopy:
        CutOrCopy(false);
        break;
    case C::EditCopyShortcut:
        CopyShortcut();
        break;
    case C::EditPaste:
        Paste("");
        break;
    case C::EditDelete:
        DeleteSelection();
        break;
    case C::EditRename:
        RenameSelection();
        break;
    case C::EditChange:
        ChangeSelection();
        break;
    case C::EditSelectAll:
        SelectAll();
        break;
    case C::EditDeselectAll:
        DeselectAll();
        break;
    case C::EditInvertSelection:
        InvertSelection();
        break;
    case C::NewGroup:
        NewItem(MIT_GROUP_GENERAL, "");
        break;
    case C::NewFolderShortcut:
        NewItem(MIT_PATH_SHORTCUT, "");
        break;
    case C::NewExplorerShortcut:
        NewItem(MIT_PATH_EXPLORER, "");
        break;
    case C::NewOpenAll:
        NewItem(MIT_OPENALL, "");
        break;

    case C::ViewToolbarLargeButtons:
    case C::ViewToolbarShowText:
    case C::ViewStatusBar:
    case C::ViewShortcutsInLeftPane:
        ToggleSetting(command);
        break;
    case C::ViewLargeIcons:
        ApplyListViewView(VIEW_KEY_LARGE_ICONS);
        break;
    case C::ViewSmallIcons:
        ApplyListViewView(VIEW_KEY_SMALL_ICONS);
        break;
    case C::ViewList:
        ApplyListViewView(VIEW_KEY_LIST);
        break;
    case C::ViewDetails:
        ApplyListViewView(VIEW_KEY_DETAILS);
        break;
    case C::ViewGrid:
        ApplyListViewView(VIEW_KEY_GRID);
        break;
    case C::ArrangeByName:
    case C::ArrangeByType:
    case C::ArrangeByKeyboardShortcut:
    case C::ArrangeByTargetFolder:
    case C::ArrangeByDescription:
    case C::ArrangeByModified:
    case C::ArrangeByCreated:
        OnColumnClick(CommandId(command) - CommandId(C::ArrangeByName));
        break;
    case C::ViewUpOneLevel:
        UpOneLevel();
        break;
    case C::ViewRefresh:
        Refill();
        break;
    case C::ViewProperties:
        ShowProperties();
        break;

    case C::ToolsFolderShortcutsList:
        ShowShortcutsList();
        break;
    case C::ToolsWindowsExplorer:
        OpenInExplorer(services_.Program, SelectedFolderPath(), true);
        break;
    case C::ToolsFind:
        FindInFolder(services_.Program, SelectedFolderPath());
        break;
    case C::ToolsRestorePersonal:
        Restore(RestoreMode::PersonalGroup);
        break;
    case C::ToolsRestoreSystemFolders:
        Restore(RestoreMode::SystemFolders);
        break;
    case C::ToolsRefreshDesktop:
        RefreshOrganizedFolders(OrganizedFoldersLocation::Desktop);
        break;
    case C::ToolsRefreshSendTo:
        RefreshOrganizedFolders(OrganizedFoldersLocation::SendTo);
        break;
    case C::ToolsRefreshFavorites:
        RefreshOrganizedFolders(OrganizedFoldersLocation::Favorites);
        break;
    case C::ToolsMapNetworkDrive:
        view_.MapNetworkDrive();
        break;
    case C::ToolsDisconnectNetworkDrive:
        view_.DisconnectNetworkDrive();
        break;

    case C::HelpContents:
        ShowHelp(services_.Program, HELP_COMMAND_CONTENTS);
        break;
    case C::HelpIndex:
        ShowHelp(services_.Program, HELP_COMMAND_INDEX);
        break;
    case C::HelpLatestVersion:
        ShowHelpPage(OrganizeWebPages::LatestVersion);
        break;
    case C::HelpSupport:
        ShowHelpPage(OrganizeWebPages::Support);
        break;
    case C::HelpHomePage:
        ShowHelpPage(OrganizeWebPages::HomePage);
        break;
    case C::HelpTipOfTheDay:
        services_.Dialogs.ShowTipOfTheDay();
        break;
    case C::HelpAbout:
        services_.Dialogs.ShowAbout();
        break;

    case C::PopupExplore: {
        const clsMenuItem* item = SelectedItem();
        if (item != nullptr && item->IsGroup())
            SelectGroup(item->Name());
        break;
    }
    case C::PopupRestore: {
        const clsMenuItem* item = SelectedItem();
        if (item != nullptr && item->Name() == MIT_GROUP_USER)
            Restore(RestoreMode::PersonalGroup);
        else if (item != nullptr && item->Name() == MIT_PATHS_SYSTEM)
            Restore(RestoreMode::SystemFolders);
        break;
    }
    case C::OpenSelected:
        OpenSelectedItem();
        break;
    case C::SwitchPane:
        focusPane_ = focusPane_ == OrganizePane::Tree ? OrganizePane::List : OrganizePane::Tree;
        view_.FocusPane(focusPane_);
        break;
    }
}

// --- Files

void OrganizePresenter::SetFormCaption() {
    std::string caption = ORGANIZE_CAPTION;
    if (!EditsCurrentFile())
        caption += " - " + GetFileNamePart(editorConfigFile_);
    view_.SetCaption(caption);
}

void OrganizePresenter::RefreshFileMenu() {
    const bool other = !EditsCurrentFile();
    view_.SetCommandVisible(OrganizeCommand::FileOpenDefault, other);
    view_.SetCommandVisible(OrganizeCommand::FileSetDefault, other);
}

bool OrganizePresenter::Apply(bool saveToFile, bool applyToProgram, std::string_view path, bool textFormat) {
    view_.SetBusy(true);
    const bool saved = !saveToFile || services_.Files.SaveConfigFile(work_, path, textFormat);
    // A tree that did not reach its file is not handed to the program either, so the running menu always
    // shows what a file holds.
    if (saved && applyToProgram)
        services_.HandOver.ApplyToProgram(work_);
    view_.SetBusy(false);
    return saved;
}

std::string OrganizePresenter::NameForMessages(std::string_view path) const {
    return GetFileNamePart(path.empty() ? std::string_view(services_.Files.CurrentConfigFile()) : path);
}

void OrganizePresenter::ShowSaveFailure(std::string_view path) {
    const std::string& target = path.empty() ? services_.Files.CurrentConfigFile() : std::string(path);
    std::string text = "Error saving configuration file " + NameForMessages(target);
    if (IsReadOnlyFile(services_.Program.fileSystem, target))
        text += "\r\nFile is read-only.";
    services_.Prompts.Show(text, PROGRAM_TITLE, MessageButtons::Ok, MessageIcon::Critical);
}

bool OrganizePresenter::LoadFile(std::string_view path, bool quietly) {
    const std::string target = path.empty() ? services_.Files.CurrentConfigFile() : std::string(path);
    clsMenuCollection loaded;
    view_.SetBusy(true);
    const bool ok = services_.Files.LoadConfigFile(loaded, target);
    // Reading a file rebuilds the keyboard table from it; the running program keeps the hot keys of its own
    // tree until the editor hands a tree over.
    services_.HandOver.RebuildKeyboardShortcuts(services_.Program.state.MenuItems);
    view_.SetBusy(false);
    // A file that did not load whole is told of once, also when it is opened without the other messages,
    // and is never called successfully opened.
    ConfigLoadStatus& status = services_.Files.LastLoadStatus();
    if (!ok) {
        if (!quietly)
            services_.Prompts.Show("Error opening configuration file " + NameForMessages(target),
                                   PROGRAM_TITLE, MessageButtons::Ok, MessageIcon::Critical);
        ReportLoadProblem(services_.Prompts, status);
        return false;
    }
    work_.Clear();
    CopyCollection(loaded, work_);
    editorConfigFile_ = target;
    cutNames_.clear();
    // No step of the undo history leads back into the previous file, and its clipboard goes with it.
    history_.Clear();
    clipboard_.Clear();
    SetFormCaption();
    RefreshFileMenu();
    selectedAncestors_.clear();
    selectedTreeKey_ = ROOT_NODE_KEY;
    Refill();
    modified_ = false;
    if (!ReportLoadProblem(services_.Prompts, status) && !quietly)
        services_.Prompts.Show(
            EditsCurrentFile() ? std::string("Default configuration file is successfully opened.")
                               : "Configuration file " + NameForMessages(target) + " is successfully opened.",
            PROGRAM_TITLE, MessageButtons::Ok, MessageIcon::Information);
    return true;
}

void OrganizePresenter::FuncConfigFileLoad(bool useDefaultFile) {
    if (modified_) {
        const MessageAnswer answer = services_.Prompts.Show(
            "Do you want to save the changes you made to " + NameForMessages(editorConfigFile_) + "?",
            PROGRAM_TITLE, MessageButtons::YesNoCancel, MessageIcon::Exclamation);
        if (answer == MessageAnswer::Cancel)
            return;
        if (answer == MessageAnswer::Yes && !Apply(true, EditsCurrentFile(), editorConfigFile_, false)) {
            // Opening another file now would throw away the edits that could not be saved.
            ShowSaveFailure(editorConfigFile_);
            return;
        }
    }
    std::string path;
    if (!useDefaultFile) {
        const auto choice = view_.AskOpenFileName("Open Configuration File", kConfigFilter);
        if (!choice)
            return;
        path = std::string(TrimmedText(choice->Path));
        if (path.empty())
            return;
    }
    LoadFile(path, false);
}

void OrganizePresenter::OpenFileQuietly(std::string_view path) {
    if (!TrimmedText(path).empty())
        LoadFile(TrimmedText(path), true);
}

void OrganizePresenter::FuncConfigFileSave(bool saveAs) {
    std::string target = editorConfigFile_;
    bool textFormat = false;
    bool saved = false;
    if (saveAs) {
        const auto choice = view_.AskSaveFileName(kSaveAsTitle, kSaveFilter);
        if (!choice)
            return;
        target = std::string(TrimmedText(choice->Path));
        if (target.empty())
            return;
        if (FileExists(services_.Program.fileSystem, target) &&
            services_.Prompts.Show("File " + target + " already exists.\r\nDo you want to replace it?",
                                   kSaveAsTitle, MessageButtons::YesNoCancel,
                                   MessageIcon::Exclamation) != MessageAnswer::Yes)
            return;
        textFormat = choice->FilterIndex == kTextListingFilter;
        saved = Apply(true, false, target, textFormat);
        if (saved && !textFormat) {
            editorConfigFile_ = target;
            SetFormCaption();
        }
        RefreshFileMenu();
    } else {
        // Saving the program's own file hands the tree to the program too, so that the running menu never
        // lags behind the file it was loaded from (closing would not apply a tree that is no longer
        // modified).
        saved = Apply(true, EditsCurrentFile(), target, false);
    }
    if (!saved) {
        ShowSaveFailure(target);
        return;
    }
    // A text listing keeps no tree: the edits are still unsaved.
    if (!textFormat) {
        modified_ = false;
        history_.MarkSaved();
    }
    const bool current = target == services_.Files.CurrentConfigFile();
    services_.Prompts.Show(current
                               ? std::string("Default configuration file is successfully saved.")
                               : "Configuration file " + NameForMessages(target) + " is successfully saved.",
                           PROGRAM_TITLE, MessageButtons::Ok, MessageIcon::Information);
}

void OrganizePresenter::SetAsDefault() {
    const std::string name = NameForMessages(editorConfigFile_);
    if (services_.Prompts.Show("Do you want to make " + name + " the default configuration file?",
                               PROGRAM_TITLE, MessageButtons::YesNoCancel,
                               MessageIcon::Question) != MessageAnswer::Yes)
        return;
    services_.Files.SetCurrentConfigFile(editorConfigFile_);
    services_.Files.SaveConfigFileName(editorConfigFile_);
    SetFormCaption();
    RefreshFileMenu();
    services_.Prompts.Show(name + " is now the default configuration file.", PROGRAM_TITLE,
                           MessageButtons::Ok, MessageIcon::Information);
    defaultChanged_ = true;
}

// --- Closing

void OrganizePresenter::ExitDiscardingChanges() {
    if (modified_) {
        const MessageAnswer answer =
            services_.Prompts.Show("Are you sure you want to exit and lose any changes you have made?",
                                   kDiscardTitle, MessageButtons::YesNoCancel, MessageIcon::Information);
        if (answer == MessageAnswer::Cancel)
            return;
        if (answer == MessageAnswer::Yes)
            saveOnExit_ = false;
    }
    DoClose();
}

void OrganizePresenter::DoClose() {
    if (OnClose())
        view_.Close();
}

bool OrganizePresenter::OnClose() {
    view_.SavePlacement();
    SaveOrganizeSettings(services_.Program.registry, settings_, view_.TreeWidth(), view_.ListColumnWidths());
    if (!(defaultChanged_ || (saveOnExit_ && modified_)))
        return true;
    bool applyToProgram = true;
    if (!EditsCurrentFile()) {
        const MessageAnswer answer = services_.Prompts.Show(
            "Do you want to save the changes you made to " + NameForMessages(editorConfigFile_) + "?",
            PROGRAM_TITLE, MessageButtons::YesNoCancel, MessageIcon::Exclamation);
        if (answer == MessageAnswer::Cancel)
            return false;
        if (answer == MessageAnswer::No)
            return true;
        applyToProgram = false;
    }
    IPauseWindow& pause = services_.Program.pauseWindow;
    pause.ShowPauseWindow(view_.WindowHandle());
    pause.SetPauseStatus("Saving Organized Folders...");
    const bool saved = Apply(true, applyToProgram, editorConfigFile_, false);
    const ProgramState& state = services_.Program.state;
    if (saved && applyToProgram && state.Advanced(ADVC6_AUTO_REFRESH_DIRECTORIES)) {
        const OrganizedFoldersOptions shown{.onDesktop = state.Advanced(ADVC2_ORGANIZED_FOLDERS_DESKTOP),
                                            .inSendTo = state.Advanced(ADVC3_ORGANIZED_FOLDERS_SEND_TO),
                                            .inFavorites = state.Advanced(ADVC4_ORGANIZED_FOLDERS_FAVORITES)};
        for (const LocationTexts& texts : kLocationTexts) {
            if (!shown.IsShown(texts.Location))
                continue;
            pause.SetPauseStatus(texts.Saving);
            services_.HandOver.RestoreOrganizedFolders(texts.Location, work_);
        }
    }
    pause.ClosePauseWindow();
    if (!saved) {
        // The edits exist only in this window now; it stays open so that they can be saved elsewhere.
        ShowSaveFailure(editorConfigFile_);
        return false;
    }
    return true;
}

} // namespace krv
