#pragma once
// The Organize Folders window as a recording: it keeps what the presenter last gave it (nodes, rows, status
// bar, checks, hidden and disabled commands, caption), logs every call that changes the window as one line
// ("SetTreeRows 7") so that tests can check the order of a load, and answers the file dialogs from a script.

#include <algorithm>
#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "organize/OrganizeView.h"

namespace krv {

class FakeOrganizeView final : public IOrganizeView {
public:
    intptr_t WindowHandle() const override { return 4242; }
    void SetCaption(std::string_view text) override {
        caption = text;
        Log("SetCaption " + caption);
    }

    void SetTreeRows(const std::vector<TreeRow>& rows) override {
        treeRows = rows;
        Log("SetTreeRows " + std::to_string(rows.size()));
    }
    void SelectTreeNode(std::string_view key) override {
        selectedNode = key;
        Log("SelectTreeNode " + selectedNode);
    }

    void SetListRows(const std::vector<ListRow>& rows) override {
        listRows = &rows;
        selectedRows.clear();
        ++listFills;
    }
    void RedrawList() override { ++listRedraws; }
    std::vector<int> SelectedListRows() const override { return selectedRows; }
    int SelectedListCount() const override { return static_cast<int>(selectedRows.size()); }
    void SelectListRows(const std::vector<int>& rows) override { selectedRows = rows; }
    void SetListViewMode(ListViewMode newMode, bool newGridLines) override {
        mode = newMode;
        gridLines = newGridLines;
        Log("SetListViewMode " + std::to_string(static_cast<int>(newMode)) + (newGridLines ? " grid" : ""));
    }
    std::array<int, kListColumnCount> ListColumnWidths() const override { return columnWidths; }
    void SetListColumnWidth(int column, int widthTwips) override {
        columnWidths[static_cast<size_t>(column)] = widthTwips;
        Log("SetListColumnWidth " + std::to_string(column) + " " + std::to_string(widthTwips));
    }

    void SetStatusBar(const StatusBarTexts& texts) override {
        status = texts;
        ++statusWrites;
    }
    void ShowStatusBar(bool shown) override {
        statusBarShown = shown;
        Log(std::string("ShowStatusBar ") + (shown ? "1" : "0"));
    }
    void SetToolbar(bool showText, bool largeButtons) override {
        toolbarText = showText;
        toolbarLarge = largeButtons;
        Log(std::string("SetToolbar ") + (showText ? "1" : "0") + (largeButtons ? "1" : "0"));
    }
    void FocusPane(OrganizePane pane) override { focused = pane; }
    int TreeWidth() const override { return treeWidth; }
    void SetTreeWidth(int widthTwips) override {
        treeWidth = widthTwips;
        treeWidthSet = true;
        Log("SetTreeWidth " + std::to_string(widthTwips));
    }

    void SetCommandChecked(OrganizeCommand command, bool on) override {
        if (on)
            checked.insert(command);
        else
            checked.erase(command);
    }
    void SetCommandEnabled(OrganizeCommand command, bool on) override {
        if (on)
            disabled.erase(command);
        else
            disabled.insert(command);
    }
    void SetCommandVisible(OrganizeCommand command, bool on) override {
        if (on)
            hidden.erase(command);
        else
            hidden.insert(command);
    }
    void ShowPopupMenu(OrganizeMenu menu, int x, int y) override {
        Log("ShowPopupMenu " + std::to_string(static_cast<int>(menu)) + " " + std::to_string(x) + "," +
            std::to_string(y));
    }
    void SetCommandText(OrganizeCommand command, std::string_view text) override {
        commandTexts[command] = text;
    }
    void BeginRename(OrganizePane, std::string_view key) override { Log("BeginRename " + std::string(key)); }

    void SetBusy(bool on) override {
        busy = on;
        busyCalls.push_back(on);
    }
    std::optional<FileDialogChoice> AskOpenFileName(std::string_view title,
                                                    std::string_view filter) override {
        Log("AskOpenFileName " + std::string(title) + " | " + std::string(filter));
        return Next(openAnswers);
    }
    std::optional<FileDialogChoice> AskSaveFileName(std::string_view title,
                                                    std::string_view filter) override {
        Log("AskSaveFileName " + std::string(title) + " | " + std::string(filter));
        return Next(saveAnswers);
    }
    void MapNetworkDrive() override { Log("MapNetworkDrive"); }
    void DisconnectNetworkDrive() override { Log("DisconnectNetworkDrive"); }

    void BringToFront() override { Log("BringToFront"); }
    void SavePlacement() override { Log("SavePlacement"); }
    void Close() override {
        closed = true;
        Log("Close");
    }

    // --- What the tests read.
    // The texts of the tree's nodes, each indented by two blanks a level below the root.
    std::vector<std::string> TreeOutline() const {
        std::vector<std::string> lines;
        std::map<std::string, size_t> depth;
        for (const TreeRow& row : treeRows) {
            const size_t level = row.ParentKey.empty() ? 0 : depth[row.ParentKey] + 1;
            depth[row.Key] = level;
            lines.push_back(std::string(level * 2, ' ') + row.Text);
        }
        return lines;
    }
    std::vector<std::string> ListTexts() const {
        std::vector<std::string> texts;
        if (listRows != nullptr)
            for (const ListRow& row : *listRows)
                texts.push_back(row.Text);
        return texts;
    }
    // The row whose caption is text.
    const ListRow* Row(std::string_view text) const {
        if (listRows == nullptr)
            return nullptr;
        const auto found = std::find_if(listRows->begin(), listRows->end(),
                                        [&](const ListRow& row) { return row.Text == text; });
        return found == listRows->end() ? nullptr : &*found;
    }
    int RowIndex(std::string_view text) const {
        const ListRow* row = Row(text);
        return row == nullptr ? -1 : static_cast<int>(row - listRows->data());
    }
    // The log lines that begin with prefix.
    std::vector<std::string> Logged(std::string_view prefix) const {
        std::vector<std::string> lines;
        for (const std::string& line : log)
            if (line.starts_with(prefix))
                lines.push_back(line);
        return lines;
    }

    std::vector<std::string> log;
    std::string caption;
    std::vector<TreeRow> treeRows;
    std::string selectedNode;
    const std::vector<ListRow>* listRows = nullptr;
    int listFills = 0;
    int listRedraws = 0;
    std::vector<int> selectedRows;
    ListViewMode mode = ListViewMode::Report;
    bool gridLines = false;
    std::array<int, kListColumnCount> columnWidths{3000, 1950, 1650, 3300, 2250, 1950, 1950};
    StatusBarTexts status;
    int statusWrites = 0;
    bool statusBarShown = true;
    bool toolbarText = true;
    bool toolbarLarge = true;
    std::optional<OrganizePane> focused;
    int treeWidth = 2880;
    bool treeWidthSet = false;
    std::set<OrganizeCommand> checked;
    std::set<OrganizeCommand> disabled;
    std::set<OrganizeCommand> hidden;
    std::map<OrganizeCommand, std::string> commandTexts;
    bool busy = false;
    std::vector<bool> busyCalls; // every SetBusy, in order
    bool closed = false;
    // The answers of the Open and Save As dialogs in turn; nothing (Cancel) once they run out.
    std::deque<std::optional<FileDialogChoice>> openAnswers;
    std::deque<std::optional<FileDialogChoice>> saveAnswers;

private:
    void Log(std::string line) { log.push_back(std::move(line)); }
    static std::optional<FileDialogChoice> Next(std::deque<std::optional<FileDialogChoice>>& answers) {
        if (answers.empty())
            return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

} // namespace krv
