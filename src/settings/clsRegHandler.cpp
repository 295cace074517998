#include "settings/clsRegHandler.h"

namespace krv {

bool clsRegHandler::DeleteValue(RegistryRoot root, std::string_view keyPath, std::string_view valueName) {
    return registry_.DeleteValue(root, keyPath, valueName);
}

bool clsRegHandler::DeleteKey(RegistryRoot root, std::string_view keyPath, std::string_view subkeyName) {
    return registry_.DeleteKey(root, keyPath, subkeyName);
}

bool clsRegHandler::CreateKey(RegistryRoot root, std::string_view keyPath) {
    return registry_.CreateKey(root, keyPath);
}

bool clsRegHandler::SetKeyValue(RegistryRoot root, std::string_view keyPath, std::string_view valueName,
                                std::string_view text) {
    return registry_.SetValue(root, keyPath, valueName,
                              {RegistryValueType::String, EncodeRegistryString(text)});
}

bool clsRegHandler::SetKeyValue(RegistryRoot root, std::string_view keyPath, std::string_view valueName,
                                std::string& text) {
    const bool written = SetKeyValue(root, keyPath, valueName, std::string_view(text));
    if (!written)
        text.clear();
    return written;
}

bool clsRegHandler::GetKeyValue(RegistryRoot root, std::string_view keyPath, std::string_view valueName,
                                std::string& text) {
    return ReadText(root, keyPath, valueName, nullptr, text);
}

bool clsRegHandler::GetKeyValueExpanded(RegistryRoot root, std::string_view keyPath,
                                        std::string_view valueName, const ExpandReferences& expand,
                                        std::string& text) {
    return ReadText(root, keyPath, valueName, &expand, text);
}

// Without expand, an expandable text is a type like any other that is not read, so callers of GetKeyValue
// keep what they always had.
bool clsRegHandler::ReadText(RegistryRoot root, std::string_view keyPath, std::string_view valueName,
                             const ExpandReferences* expand, std::string& text) {
    const auto value = registry_.QueryValue(root, keyPath, valueName);
    if (!value) {
        text.clear();
        return false;
    }
    if (value->type == RegistryValueType::String)
        text = DecodeRegistryString(value->data);
    else if (value->type == RegistryValueType::ExpandString && expand != nullptr)
        text = (*expand)(DecodeRegistryString(value->data));
    else if (value->type == RegistryValueType::DWord)
        text = std::to_string(static_cast<int32_t>(DecodeRegistryDWord(value->data)));
    return true;
}

bool clsRegHandler::GetKeyValueDWord(RegistryRoot root, std::string_view keyPath, std::string_view valueName,
                                     uint32_t& number) {
    const auto value = registry_.QueryValue(root, keyPath, valueName);
    if (!value || value->type != RegistryValueType::DWord) {
        number = 0;
        return false;
    }
    number = DecodeRegistryDWord(value->data);
    return true;
}

bool clsRegHandler::SaveKeyValueDWord(RegistryRoot root, std::string_view keyPath, std::string_view valueName,
                                      uint32_t number) {
    return registry_.SetValue(root, keyPath, valueName,
                              {RegistryValueType::DWord, EncodeRegistryDWord(number)});
}

} // namespace krv
