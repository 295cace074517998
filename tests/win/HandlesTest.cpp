// The handle owners against the real API: each test asks Windows itself whether a handle is still open.
#include "platform/win32/Handles.h"

#include <gtest/gtest.h>
#include <shlobj.h>
#include <string>
#include <type_traits>

namespace krv {
namespace {

static_assert(!std::is_copy_constructible_v<unique_hkey> && !std::is_copy_assignable_v<unique_hkey>);
static_assert(!std::is_copy_constructible_v<unique_file_handle> && !std::is_copy_assignable_v<unique_hbrush>);
static_assert(!std::is_copy_constructible_v<window_dc> && !std::is_copy_assignable_v<window_dc>);
static_assert(std::is_nothrow_move_constructible_v<unique_hkey> &&
              std::is_nothrow_move_assignable_v<unique_hkey>);

constexpr const wchar_t* TestKeyPath = L"Software\\KarvelloTest";

// Windows answers ERROR_INVALID_HANDLE for a key handle that has been closed.
bool KeyIsOpen(HKEY key) {
    DWORD subkeys = 0;
    return ::RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, nullptr, nullptr,
                              nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

class RegistryKeyHandle : public ::testing::Test {
protected:
    void SetUp() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, TestKeyPath); }
    void TearDown() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, TestKeyPath); }

    static unique_hkey CreateTestKey() {
        unique_hkey key;
        EXPECT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, TestKeyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                    key.put(), nullptr),
                  ERROR_SUCCESS);
        return key;
    }
};

TEST_F(RegistryKeyHandle, MovedKeyStaysUsableAndClosesOnceWithItsLastOwner) {
    unique_hkey created = CreateTestKey();
    ASSERT_TRUE(created);
    HKEY raw = created.get();

    unique_hkey owner = std::move(created);
    EXPECT_FALSE(created);
    EXPECT_EQ(owner.get(), raw);

    const DWORD written = 42;
    ASSERT_EQ(::RegSetValueExW(owner.get(), L"Answer", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&written),
                               sizeof(written)),
              ERROR_SUCCESS);
    DWORD read = 0;
    DWORD size = sizeof(read);
    ASSERT_EQ(
        ::RegQueryValueExW(owner.get(), L"Answer", nullptr, nullptr, reinterpret_cast<BYTE*>(&read), &size),
        ERROR_SUCCESS);
    EXPECT_EQ(read, written);

    EXPECT_TRUE(KeyIsOpen(raw));
    owner.reset();
    EXPECT_FALSE(owner);
    EXPECT_FALSE(KeyIsOpen(raw));
}

TEST_F(RegistryKeyHandle, ScopeEndPutAndMoveAssignmentCloseTheOldKey) {
    HKEY fromScope = nullptr;
    {
        unique_hkey key = CreateTestKey();
        fromScope = key.get();
        EXPECT_TRUE(KeyIsOpen(fromScope));
    }
    EXPECT_FALSE(KeyIsOpen(fromScope));

    unique_hkey key = CreateTestKey();
    HKEY first = key.get();
    HKEY* slot = key.put();
    EXPECT_FALSE(KeyIsOpen(first)); // put() hands out the slot only after closing what it held.
    ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, TestKeyPath, 0, KEY_READ, slot), ERROR_SUCCESS);
    EXPECT_TRUE(KeyIsOpen(key.get()));

    unique_hkey other = CreateTestKey();
    HKEY replaced = key.get();
    HKEY kept = other.get();
    key = std::move(other);
    EXPECT_FALSE(KeyIsOpen(replaced));
    EXPECT_TRUE(KeyIsOpen(kept));
    EXPECT_EQ(key.get(), kept);

    HKEY released = key.release();
    EXPECT_FALSE(key);
    EXPECT_TRUE(KeyIsOpen(released)); // release() gives up ownership without closing...
    ::RegCloseKey(released);          // ...so the caller closes it.
}

std::wstring TempFilePath(const wchar_t* name) {
    wchar_t folder[MAX_PATH + 1] = {};
    ::GetTempPathW(MAX_PATH + 1, folder);
    return std::wstring(folder) + name;
}

unique_file_handle OpenExclusively(const std::wstring& path) {
    return unique_file_handle(::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
}

TEST(FileHandle, InvalidHandleValueMeansEmptyAndAnOpenFileStaysLockedUntilReset) {
    unique_file_handle empty;
    EXPECT_FALSE(empty);
    EXPECT_EQ(empty.get(), INVALID_HANDLE_VALUE);
    unique_file_handle failed(::CreateFileW(L"C:\\no such folder\\x.txt", GENERIC_READ, 0, nullptr,
                                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    EXPECT_FALSE(failed);

    const std::wstring path = TempFilePath(L"karvello-handles-test.tmp");
    unique_file_handle file = OpenExclusively(path);
    ASSERT_TRUE(file);
    unique_file_handle second = OpenExclusively(path);
    EXPECT_FALSE(second);
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));

    unique_file_handle moved = std::move(file);
    EXPECT_FALSE(file);
    EXPECT_FALSE(OpenExclusively(path)); // Moving must not close the file.
    moved.reset();
    EXPECT_TRUE(OpenExclusively(path));
    ::DeleteFileW(path.c_str());
}

TEST(KernelHandle, NullMeansEmptyAndResetClosesTheObject) {
    unique_kernel_handle empty;
    EXPECT_FALSE(empty);
    EXPECT_EQ(empty.get(), nullptr);

    unique_kernel_handle event(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    ASSERT_TRUE(event);
    HANDLE raw = event.get();
    DWORD flags = 0;
    EXPECT_TRUE(::GetHandleInformation(raw, &flags));
    event.reset();
    EXPECT_FALSE(::GetHandleInformation(raw, &flags));
}

TEST(FindHandle, EnumeratesAFolderThroughTheOwnedHandle) {
    const std::wstring first = TempFilePath(L"karvello-find-1.tmp");
    const std::wstring second = TempFilePath(L"karvello-find-2.tmp");
    OpenExclusively(first);
    OpenExclusively(second);

    WIN32_FIND_DATAW data{};
    unique_find_handle search(::FindFirstFileW(TempFilePath(L"karvello-find-*.tmp").c_str(), &data));
    ASSERT_TRUE(search);
    int found = 1;
    unique_find_handle moved = std::move(search);
    while (::FindNextFileW(moved.get(), &data)) {
        ++found;
    }
    EXPECT_EQ(found, 2);

    unique_find_handle none(::FindFirstFileW(TempFilePath(L"karvello-none-*.tmp").c_str(), &data));
    EXPECT_FALSE(none);
    ::DeleteFileW(first.c_str());
    ::DeleteFileW(second.c_str());
}

TEST(UserAndGdiHandles, ResetDestroysMenusIconsWindowsAndGdiObjects) {
    unique_hmenu menu(::CreatePopupMenu());
    HMENU rawMenu = menu.get();
    EXPECT_TRUE(::IsMenu(rawMenu));
    menu.reset();
    EXPECT_FALSE(::IsMenu(rawMenu));

    unique_hbrush brush(::CreateSolidBrush(RGB(1, 2, 3)));
    HBRUSH rawBrush = brush.get();
    EXPECT_EQ(::GetObjectType(rawBrush), static_cast<DWORD>(OBJ_BRUSH));
    brush.reset();
    EXPECT_EQ(::GetObjectType(rawBrush), 0u);

    BYTE andMask[32 * 4] = {};
    BYTE xorMask[32 * 4] = {};
    unique_hicon icon(::CreateIcon(nullptr, 32, 32, 1, 1, andMask, xorMask));
    ASSERT_TRUE(icon);
    HICON rawIcon = icon.get();
    ICONINFO info{};
    ASSERT_TRUE(::GetIconInfo(rawIcon, &info));
    ::DeleteObject(info.hbmMask);
    ::DeleteObject(info.hbmColor);
    icon.reset();
    EXPECT_FALSE(::GetIconInfo(rawIcon, &info));

    unique_hwnd window(::CreateWindowExW(0, L"STATIC", L"handles test", WS_POPUP, 0, 0, 10, 10, nullptr,
                                         nullptr, nullptr, nullptr));
    ASSERT_TRUE(window);
    HWND rawWindow = window.get();
    window.reset();
    EXPECT_FALSE(::IsWindow(rawWindow));
}

TEST(DeviceContexts, WindowDcKeepsItsWindowAndSelectionsAreUndoneAtScopeEnd) {
    unique_hwnd window(::CreateWindowExW(0, L"STATIC", L"handles test", WS_POPUP, 0, 0, 10, 10, nullptr,
                                         nullptr, nullptr, nullptr));
    ASSERT_TRUE(window);
    window_dc dc(window.get());
    ASSERT_TRUE(dc);
    EXPECT_EQ(dc.window(), window.get());
    EXPECT_GT(::GetDeviceCaps(dc.get(), LOGPIXELSX), 0);
    window_dc moved = std::move(dc);
    EXPECT_FALSE(dc);
    EXPECT_EQ(moved.window(), window.get());

    unique_memory_dc memory(::CreateCompatibleDC(moved.get()));
    ASSERT_TRUE(memory);
    HGDIOBJ original = ::GetCurrentObject(memory.get(), OBJ_BRUSH);
    unique_hbrush brush(::CreateSolidBrush(RGB(200, 10, 10)));
    {
        select_object_scope selected(memory.get(), brush.get());
        EXPECT_EQ(::GetCurrentObject(memory.get(), OBJ_BRUSH), brush.get());
    }
    EXPECT_EQ(::GetCurrentObject(memory.get(), OBJ_BRUSH), original);
}

// COM hands out the reference count from AddRef and Release; this reads it without changing it.
template <typename Interface> ULONG ReferenceCount(const com_ptr<Interface>& pointer) {
    pointer->AddRef();
    return pointer->Release();
}

TEST(ComPointer, CopiesShareAReferenceMovesDoNotAndQueryFindsOtherInterfaces) {
    com_init_scope com;
    ASSERT_TRUE(com.ok());
    com_init_scope nested; // A thread may initialise COM again; the scope balances it.
    EXPECT_TRUE(nested.ok());

    auto link = CreateComInstance<IShellLinkW>(CLSID_ShellLink, IID_IShellLinkW);
    ASSERT_TRUE(link);
    const ULONG alone = ReferenceCount(link);
    {
        com_ptr<IShellLinkW> copy = link;
        EXPECT_EQ(ReferenceCount(link), alone + 1);
        com_ptr<IShellLinkW> moved = std::move(copy);
        EXPECT_FALSE(copy);
        EXPECT_EQ(ReferenceCount(link), alone + 1);
    }
    EXPECT_EQ(ReferenceCount(link), alone);

    EXPECT_EQ(link->SetPath(L"C:\\windows"), S_OK);
    com_ptr<IPersistFile> file = link.query<IPersistFile>(IID_IPersistFile);
    EXPECT_TRUE(file);
    com_ptr<IShellFolder> notOffered = link.query<IShellFolder>(IID_IShellFolder);
    EXPECT_FALSE(notOffered);
}

} // namespace
} // namespace krv
