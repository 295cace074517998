// libFuzzer target for what another process can hand the resident program: a whole process command line and
// the "TRANSFER" command. Neither may crash, and what they yield must be part of what came in.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/modMain.h"
#include "menu/modMenuAction.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const std::string arguments = krv::CommandLineArguments(text);
    if (arguments.size() > text.size() || text.substr(text.size() - arguments.size()) != arguments)
        std::abort();

    const krv::ResidentCommand command = krv::ParseCommand(text);
    if (command.argument.size() > text.size() || !text.ends_with(command.argument))
        std::abort();
    if ((command.kind == krv::CommandKind::Empty) != text.empty())
        std::abort();

    const std::string quoted = krv::QuoteForExplorer(text);
    if (quoted.find(text) == std::string::npos)
        std::abort();
    krv::GetFileNamePart(text);
    krv::GetParentFolder(text);
    return 0;
}
