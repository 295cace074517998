#pragma once
// Assembles configuration file bytes by hand, record by record, as the file layout describes them, so that
// the reader and writer are checked against the layout rather than against each other.

#include <string>
#include <string_view>
#include <vector>

namespace krv::test {

// The 22 fields of one item as they stand in the file (already in the file's code page).
struct ItemFields {
    std::string Position = "0";
    std::string Name;
    std::string Caption;
    std::string flags = "0";
    std::string OwnerName;
    std::string IconID = "3";
    std::string Separator = "False";
    std::string SubMenu = "False";
    std::string ItemType = "MIT_PATH";
    std::string OpenType = "MIT_PATH_SHORTCUT";
    std::string DriveType = "3";
    std::string Description;
    std::string FolderPath;
    std::string NetworkPath;
    std::string ItemPath;
    std::string ItemLocation;
    std::string Remark;
    std::string KeyboardCode = "-1";
    std::string UserDescription;
    std::string TimeCreated;
    std::string TimeModified;
    std::string TimeAccessed;

    std::vector<std::string> Records() const {
        return {Position,        Name,        Caption,      flags,        OwnerName, IconID,
                Separator,       SubMenu,     ItemType,     OpenType,     DriveType, Description,
                FolderPath,      NetworkPath, ItemPath,     ItemLocation, Remark,    KeyboardCode,
                UserDescription, TimeCreated, TimeModified, TimeAccessed};
    }
};

class FileBuilder {
public:
    // One record: the text and its NUL.
    FileBuilder& Record(std::string_view text) {
        bytes_.append(text);
        bytes_ += '\0';
        return *this;
    }
    FileBuilder& Item(const ItemFields& item) {
        for (const std::string& field : item.Records())
            Record(field);
        return *this;
    }
    FileBuilder& SummaryBlock(std::string_view tag, std::string_view text) {
        return Record(tag).Record(text).Record("[END:]");
    }
    // Bytes that are not a record (no NUL after them).
    FileBuilder& Raw(std::string_view bytes) {
        bytes_.append(bytes);
        return *this;
    }
    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
};

} // namespace krv::test
