#pragma once
// krvc, the command-line companion for configuration files: lists, counts, checks and rewrites a .krvc file
// with the same reader and writer as the program.

#include <ostream>
#include <string>
#include <vector>

namespace krv {

class ICodePage;
class IFileSystem;

// Exit codes of krvc.
inline constexpr int KRVC_OK = 0;
inline constexpr int KRVC_FAILED = 1; // a file could not be loaded or saved
inline constexpr int KRVC_USAGE = 2;  // the command line is not understood

// Runs one krvc command; arguments exclude the program name. Listings go to out as the file's bytes (the ANSI
// code page, CR LF line ends); messages go to err, one line each.
int RunKrvc(const std::vector<std::string>& arguments, IFileSystem& fileSystem, const ICodePage& codePage,
            std::ostream& out, std::ostream& err);

} // namespace krv
