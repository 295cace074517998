// krvc: lists, counts, checks and rewrites Karvello configuration files from the command line.
#include <iostream>
#include <string>
#include <vector>

#include "config/KrvcCommand.h"

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>

#include "platform/Text.h"
#include "platform/win32/Win32CodePage.h"
#include "platform/win32/Win32FileSystem.h"

// The wide entry point gives the arguments in UTF-16 whatever the console's code page, so that any path
// works.
int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.push_back(krv::Narrow(argv[i]));
    // Listings are the file's bytes; text mode would turn each CR LF into CR CR LF.
    _setmode(_fileno(stdout), _O_BINARY);
    krv::Win32FileSystem fileSystem;
    krv::Win32AnsiCodePage codePage;
    return krv::RunKrvc(arguments, fileSystem, codePage, std::cout, std::cerr);
}
#else
#include "platform/StdFileSystem.h"
#include "platform/Text.h"

// Elsewhere the files are read with the Western European code page, the one most configuration files use.
int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    krv::StdFileSystem fileSystem;
    krv::Windows1252CodePage codePage;
    return krv::RunKrvc(arguments, fileSystem, codePage, std::cout, std::cerr);
}
#endif
