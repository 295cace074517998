#include "fakes/FakeSystemInfo.h"

#include <cctype>

namespace krv {

namespace {

char LetterOf(std::string_view root) {
    return root.empty() ? '\0' : static_cast<char>(std::toupper(static_cast<unsigned char>(root.front())));
}

} // namespace

void FakeSystemInfo::AddDrive(const Drive& drive) {
    drives_[drive.Letter] = drive;
}

void FakeSystemInfo::RemoveDrive(char letter) {
    drives_.erase(letter);
}

FakeSystemInfo::Drive* FakeSystemInfo::FindDrive(char letter) {
    auto found = drives_.find(letter);
    return found == drives_.end() ? nullptr : &found->second;
}

std::vector<char> FakeSystemInfo::DriveLetters() {
    std::vector<char> letters;
    for (const auto& [letter, drive] : drives_) {
        letters.push_back(letter);
    }
    return letters;
}

int32_t FakeSystemInfo::DriveType(std::string_view root) {
    const Drive* drive = FindDrive(LetterOf(root));
    return drive == nullptr ? 1 : drive->Type;
}

std::string FakeSystemInfo::VolumeLabel(std::string_view root) {
    const char letter = LetterOf(root);
    ++volumeQueries_[letter];
    const Drive* drive = FindDrive(letter);
    return drive == nullptr || !drive->HasMedium ? std::string() : drive->Label;
}

std::string FakeSystemInfo::NetworkConnection(std::string_view drive) {
    const Drive* found = FindDrive(LetterOf(drive));
    return found == nullptr ? std::string() : found->Share;
}

std::string FakeSystemInfo::ExpandEnvironment(std::string_view text) {
    std::string result;
    size_t at = 0;
    while (at < text.size()) {
        const auto open = text.find('%', at);
        const auto close = open == std::string_view::npos ? open : text.find('%', open + 1);
        if (close == std::string_view::npos) {
            result.append(text.substr(at));
            break;
        }
        result.append(text.substr(at, open - at));
        const std::string name(text.substr(open + 1, close - open - 1));
        auto value = environment.find(name);
        result += value == environment.end() ? "%" + name + "%" : value->second;
        at = close + 1;
    }
    return result;
}

int FakeSystemInfo::VolumeQueries(char letter) const {
    auto found = volumeQueries_.find(letter);
    return found == volumeQueries_.end() ? 0 : found->second;
}

} // namespace krv
