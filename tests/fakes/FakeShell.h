#pragma once
// Fakes of the shell seams: links written into a file system, shell folders from a table, and message boxes
// that answer from a script and remember what they showed.

#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/ShellLink.h"

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace krv {

// Writes each link as a small file into the given file system, so that listings, clearing and read-only
// files behave as with real links, and keeps what each link holds. Like the shell, it cannot save into a
// folder that does not exist nor over a read-only file.
class FakeShellLinkWriter final : public IShellLinkWriter {
public:
    explicit FakeShellLinkWriter(IFileSystem& fileSystem) : fileSystem_(fileSystem) {}

    bool WriteShellLink(std::string_view linkPath, const ShellLinkContent& content) override;

    // What the last successful write to linkPath held; nullopt when nothing was saved there.
    std::optional<ShellLinkContent> Link(std::string_view linkPath) const;
    int WriteCount() const { return writeCount_; }

private:
    IFileSystem& fileSystem_;
    std::map<std::string, ShellLinkContent> links_;
    int writeCount_ = 0;
};

class FakeShellFolders final : public IShellFolders {
public:
    std::optional<std::string> ShellFolderPath(ShellFolder folder) override;
    void Set(ShellFolder folder, std::optional<std::string> path) { paths_[folder] = std::move(path); }

private:
    std::map<ShellFolder, std::optional<std::string>> paths_;
};

struct ShownMessage {
    std::string text;
    std::string title;
    MessageButtons buttons;
    MessageIcon icon;
};

// Answers the scripted answers in turn; when they run out it answers OK for an OK box and Cancel (or No)
// otherwise, as a user closing the box would.
class FakeMessageBox final : public IMessageBox {
public:
    MessageAnswer Show(std::string_view text, std::string_view title, MessageButtons buttons,
                       MessageIcon icon) override;
    void Answer(MessageAnswer answer) { answers_.push_back(answer); }
    const std::vector<ShownMessage>& Shown() const { return shown_; }

private:
    std::deque<MessageAnswer> answers_;
    std::vector<ShownMessage> shown_;
};

} // namespace krv
