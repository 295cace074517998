#include "fakes/FakeShell.h"

#include "platform/Text.h"

namespace krv {

bool FakeShellLinkWriter::WriteShellLink(std::string_view linkPath, const ShellLinkContent& content) {
    if (!fileSystem_.ReplaceFileAtomically(linkPath, "LNK " + content.target))
        return false;
    links_[Utf8ToUpper(linkPath)] = content;
    ++writeCount_;
    return true;
}

std::optional<ShellLinkContent> FakeShellLinkWriter::Link(std::string_view linkPath) const {
    auto it = links_.find(Utf8ToUpper(linkPath));
    if (it == links_.end())
        return std::nullopt;
    return it->second;
}

std::optional<std::string> FakeShellFolders::ShellFolderPath(ShellFolder folder) {
    auto it = paths_.find(folder);
    return it == paths_.end() ? std::nullopt : it->second;
}

MessageAnswer FakeMessageBox::Show(std::string_view text, std::string_view title, MessageButtons buttons,
                                   MessageIcon icon) {
    shown_.push_back({std::string(text), std::string(title), buttons, icon});
    if (!answers_.empty()) {
        const MessageAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    switch (buttons) {
    case MessageButtons::Ok:
        return MessageAnswer::Ok;
    case MessageButtons::YesNo:
        return MessageAnswer::No;
    case MessageButtons::YesNoCancel:
        return MessageAnswer::Cancel;
    }
    return MessageAnswer::Cancel;
}

} // namespace krv
