# Windows configuration (MinGW-w64 cross build or MSVC): the programs and the win test suite.
# Filled in by the Windows build work.
