#pragma once
// FakeMenuHost: popup menus in memory with the semantics of Windows menus (entries shift on insert and delete,
// submenus are destroyed with their entry), recording every call.

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/MenuHost.h"

namespace krv {

class FakeMenuHost final : public IMenuHost {
public:
    struct Entry {
        uint32_t flags = 0;
        int32_t identifier = 0; // the command identifier, or the submenu handle
        int32_t submenu = 0;    // 0 for an entry without submenu
        std::string text;
        bool OwnerDrawn() const { return (flags & MENU_FLAG_OWNERDRAW) != 0; }
        bool IsSeparator() const { return (flags & MENU_FLAG_SEPARATOR) != 0; }
    };
    enum class Operation { CreatePopup, DestroyPopup, Insert, Modify, Delete };
    struct Call {
        Operation operation;
        int32_t menu = 0;
        int32_t position = 0;
        uint32_t flags = 0;
        int32_t identifier = 0;
        std::string text;
    };

    // The top-level popup starts with the placeholder "Dummy", identifier 50, as the main window's menu does.
    FakeMenuHost();

    int32_t TopLevelPopup() override { return topLevel_; }
    int32_t CreatePopup() override;
    void DestroyPopup(int32_t menu) override;
    bool InsertEntry(int32_t menu, int32_t position, uint32_t flags, int32_t identifier,
                     std::string_view text) override;
    bool ModifyEntry(int32_t menu, int32_t position, uint32_t flags, int32_t identifier,
                     std::string_view text) override;
    bool DeleteEntry(int32_t menu, int32_t position) override;
    int32_t EntryCount(int32_t menu) override;

    bool IsMenu(int32_t menu) const { return menus_.contains(menu); }
    // The entries of a menu; empty for a handle that is not a menu.
    const std::vector<Entry>& Entries(int32_t menu) const;
    size_t MenuCount() const { return menus_.size(); }

    const std::vector<Call>& Calls() const { return calls_; }
    void ClearCalls() { calls_.clear(); }
    // The benchmarks switch the call log off to measure the builder, not the log.
    void SetRecording(bool on) { recording_ = on; }
    // The next CreatePopup answers 0, as Windows does when it runs out of resources.
    void FailNextCreatePopup() { failNextCreate_ = true; }

private:
    void Record(Operation operation, int32_t menu, int32_t position, uint32_t flags, int32_t identifier,
                std::string_view text);
    bool MakeEntry(uint32_t flags, int32_t identifier, std::string_view text, Entry& entry) const;
    void DestroyTree(int32_t menu);

    std::unordered_map<int32_t, std::vector<Entry>> menus_;
    int32_t topLevel_ = 0;
    int32_t nextHandle_ = 0x00020010;
    std::vector<Call> calls_;
    bool recording_ = true;
    bool failNextCreate_ = false;
};

} // namespace krv
