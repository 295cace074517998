# karvello_core: the portable library compiled unchanged into the native tests and the Windows programs.
set(KARVELLO_PORTABLE_DIRS model config settings menu groups organized organize dialogs platform app)
set(KARVELLO_CORE_SOURCES)
foreach(dir IN LISTS KARVELLO_PORTABLE_DIRS)
    file(GLOB dir_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${dir}/*.cpp)
    list(APPEND KARVELLO_CORE_SOURCES ${dir_sources})
endforeach()
# Windows user interface (frm*) stays out of the portable library.
list(FILTER KARVELLO_CORE_SOURCES EXCLUDE REGEX "/frm[^/]*\\.cpp$")

add_library(karvello_core STATIC ${KARVELLO_CORE_SOURCES})
target_include_directories(karvello_core PUBLIC ${PROJECT_SOURCE_DIR}/src)
