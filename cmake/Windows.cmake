# Windows configuration (MinGW-w64 cross build or MSVC): the programs and the win test suite.
#
# Every list of sources is a glob, so a new file in one of these places needs no edit here:
#   src/platform/win32/*.cpp   karvello_win32, the Windows implementations of the platform interfaces
#   src/shell/*.cpp            Karvello.exe (the resident program)
#   src/*/frm*.cpp, frm*.rc    Karvello.exe (windows and dialogs, with their dialog templates, which may also
#   resources/frm*.rc          lie in resources/ beside the other resources)
#   src/uninstall/*.cpp        Unkarvel.exe
#   tests/win/*.cpp, *.rc      win_tests.exe, GoogleTest suites run against the real API (under Wine on Linux)
enable_language(RC)

set(KARVELLO_RESOURCE_DIR ${PROJECT_SOURCE_DIR}/resources)
set(KARVELLO_GENERATED_DIR ${PROJECT_BINARY_DIR}/generated)
configure_file(${KARVELLO_RESOURCE_DIR}/KarvelloVersion.h.in ${KARVELLO_GENERATED_DIR}/KarvelloVersion.h @ONLY)

# Every Windows call goes through the W functions; Windows 10 is the oldest system the programs are built for.
target_compile_definitions(karvello_core PUBLIC UNICODE _UNICODE NOMINMAX _WIN32_WINNT=0x0A00 WINVER=0x0A00)

# The programs must run on a bare Windows, so the C and C++ runtimes are linked in, not taken from DLLs.
# (MSVC gets the same through CMAKE_MSVC_RUNTIME_LIBRARY in the top-level CMakeLists.txt.)
function(karvello_static_runtime target)
    if(MINGW)
        target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
    endif()
endfunction()

# Windows programs with a window of their own: GUI subsystem, wWinMain as the entry point.
function(karvello_gui_program target)
    set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
    if(MINGW)
        # Sections on page boundaries in the file too, as the loader lays them out in memory; and a Release
        # program without the runtime's debugging sections, which Wine loaded into the process with it.
        target_link_options(${target} PRIVATE -municode -Wl,--file-alignment,4096 $<$<CONFIG:Release>:-s>)
    endif()
    karvello_static_runtime(${target})
    target_include_directories(${target} PRIVATE ${KARVELLO_RESOURCE_DIR} ${KARVELLO_GENERATED_DIR})
    if(MSVC)
        # MSVC's linker writes a manifest of its own; it merges ours in when it is a source of the target.
        target_sources(${target} PRIVATE ${KARVELLO_RESOURCE_DIR}/Karvello.manifest)
        target_compile_definitions(${target} PRIVATE $<$<COMPILE_LANGUAGE:RC>:KARVELLO_MANIFEST_FROM_LINKER>)
    endif()
endfunction()

# --- Libraries loaded when first called --------------------------------------------------------------------
# The resident program shows only its icon and a menu. Linked as usual, a DLL is loaded at every start with
# whatever it sets up at load; the libraries below serve the Organize window, the dialogs and network drives,
# so their functions are imported through a delay-load library instead and the DLL is loaded at the first
# call. A function missing from a list is still found in the ordinary import library and loads its DLL at
# start again, which test_resident_footprint notices. The 32-bit names carry the size of their arguments.
#   karvello_delay_load(TARGET DLL FUNCTION@BYTES...) makes TARGET, to link in place of the DLL's import
#   library.
function(karvello_delay_load target dll)
    if(MINGW)
        set(def ${PROJECT_BINARY_DIR}/${target}.def)
        set(lib ${PROJECT_BINARY_DIR}/lib${target}.a)
        set(def_text "LIBRARY ${dll}\nEXPORTS\n")
        foreach(function IN LISTS ARGN)
            if(NOT CMAKE_SIZEOF_VOID_P EQUAL 4)
                string(REGEX REPLACE "@[0-9]+$" "" function ${function})
            endif()
            string(APPEND def_text "    ${function}\n")
        endforeach()
        file(CONFIGURE OUTPUT ${def} CONTENT "${def_text}" @ONLY)
        if(CMAKE_SIZEOF_VOID_P EQUAL 4)
            set(machine -m i386 --kill-at)
        else()
            set(machine -m i386:x86-64)
        endif()
        # The cross toolchain names its tools after the target; a native MinGW has a plain dlltool.
        find_program(KARVELLO_DLLTOOL NAMES ${KARVELLO_MINGW_TRIPLET}-dlltool dlltool REQUIRED)
        add_custom_command(OUTPUT ${lib}
            COMMAND ${KARVELLO_DLLTOOL} ${machine} --input-def ${def} --dllname ${dll} --output-delaylib ${lib}
            DEPENDS ${def}
            COMMENT "Delay-load library of ${dll}")
        add_custom_target(${target}_library DEPENDS ${lib})
        add_library(${target} STATIC IMPORTED GLOBAL)
        set_target_properties(${target} PROPERTIES IMPORTED_LOCATION ${lib})
        add_dependencies(${target} ${target}_library)
    elseif(MSVC)
        get_filename_component(import_library ${dll} NAME_WE)
        add_library(${target} INTERFACE)
        target_link_libraries(${target} INTERFACE ${import_library} delayimp)
        target_link_options(${target} INTERFACE /DELAYLOAD:${dll})
    else()
        get_filename_component(import_library ${dll} NAME_WE)
        add_library(${target} INTERFACE)
        target_link_libraries(${target} INTERFACE ${import_library})
    endif()
endfunction()

# Under Wine comctl32 sets up 1.7 MB at load, three tooltip icons of 256 x 256 pixels among it.
karvello_delay_load(karvello_comctl32 comctl32.dll
    DefSubclassProc@16 ImageList_BeginDrag@16 ImageList_Create@20 ImageList_Destroy@4 ImageList_DragEnter@12
    ImageList_DragLeave@4 ImageList_DragMove@8 ImageList_DragShowNolock@4 ImageList_EndDrag@0
    ImageList_GetIcon@12 ImageList_ReplaceIcon@12 InitCommonControlsEx@4 RemoveWindowSubclass@12
    SetWindowSubclass@16)
# Asked only about network drives and by Tools > Map and Disconnect Network Drive.
karvello_delay_load(karvello_mpr mpr.dll WNetConnectionDialog@8 WNetDisconnectDialog@8 WNetGetConnectionW@12)

# --- karvello_win32: the Windows side of the platform seam -------------------------------------------------
file(GLOB KARVELLO_WIN32_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/platform/win32/*.cpp)
set(KARVELLO_WIN32_LIBRARIES user32 gdi32 shell32 ole32 oleaut32 uuid karvello_comctl32 comctl32 advapi32
    shlwapi karvello_mpr mpr)
if(KARVELLO_WIN32_SOURCES)
    add_library(karvello_win32 STATIC ${KARVELLO_WIN32_SOURCES})
    target_link_libraries(karvello_win32 PUBLIC karvello_core ${KARVELLO_WIN32_LIBRARIES})
else()
    add_library(karvello_win32 INTERFACE)
    target_link_libraries(karvello_win32 INTERFACE karvello_core ${KARVELLO_WIN32_LIBRARIES})
endif()

# --- Karvello.exe ------------------------------------------------------------------------------------------
file(GLOB KARVELLO_SHELL_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/shell/*.cpp)
file(GLOB KARVELLO_FORM_SOURCES CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/src/*/frm*.cpp
    ${PROJECT_SOURCE_DIR}/src/*/frm*.rc
    ${KARVELLO_RESOURCE_DIR}/frm*.rc)
# The uninstaller's files belong to Unkarvel.exe only.
list(FILTER KARVELLO_FORM_SOURCES EXCLUDE REGEX "/src/uninstall/")
set(KARVELLO_PROGRAM_SOURCES ${KARVELLO_SHELL_SOURCES} ${KARVELLO_FORM_SOURCES})
list(REMOVE_DUPLICATES KARVELLO_PROGRAM_SOURCES)

add_executable(Karvello ${KARVELLO_PROGRAM_SOURCES} ${KARVELLO_RESOURCE_DIR}/Karvello.rc)
target_link_libraries(Karvello PRIVATE karvello_win32 karvello_core)
karvello_gui_program(Karvello)
# The tip window reads its tips from the file beside the program.
add_custom_command(TARGET Karvello POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${KARVELLO_RESOURCE_DIR}/TIPOFDAY.TXT
        $<TARGET_FILE_DIR:Karvello>/TIPOFDAY.TXT
    VERBATIM)

# --- Unkarvel.exe ------------------------------------------------------------------------------------------
file(GLOB KARVELLO_UNINSTALL_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/uninstall/*.cpp)
add_executable(Unkarvel ${KARVELLO_UNINSTALL_SOURCES} ${KARVELLO_RESOURCE_DIR}/Unkarvel.rc)
target_link_libraries(Unkarvel PRIVATE karvello_win32 karvello_core)
karvello_gui_program(Unkarvel)

# krvc.exe comes from src/tools; it too must run without the compiler's DLLs.
if(TARGET krvc)
    karvello_static_runtime(krvc)
endif()

# The help file beside the programs, the installer and the portable zip.
include(${CMAKE_CURRENT_LIST_DIR}/Packaging.cmake)

# --- Tests -------------------------------------------------------------------------------------------------
enable_testing()

# On Linux the Windows programs run under Wine: ctest (and gtest_discover_tests, should anyone use it) starts
# them through tests/win/wine-run.sh, which keeps a Wine prefix of its own inside this build tree.
if(CMAKE_CROSSCOMPILING AND NOT CMAKE_CROSSCOMPILING_EMULATOR AND CMAKE_HOST_UNIX)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/tests/win/wine-run.sh)
endif()

# GoogleTest is built from source with this tool chain: Debian's sources by default, or any checkout named
# by KARVELLO_GTEST_SOURCE_DIR. Without one, an installed GoogleTest package (vcpkg, MSYS2) is used.
set(KARVELLO_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources to build for Windows")
if(EXISTS ${KARVELLO_GTEST_SOURCE_DIR}/CMakeLists.txt)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    # The programs link the runtime statically (see above); GoogleTest must use the same one.
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    add_subdirectory(${KARVELLO_GTEST_SOURCE_DIR} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    # GoogleTest's own code is not held to this project's warnings-as-errors rule.
    foreach(gtest_target gtest gtest_main)
        if(MSVC)
            target_compile_options(${gtest_target} PRIVATE /WX-)
        else()
            target_compile_options(${gtest_target} PRIVATE -Wno-error)
        endif()
    endforeach()
    set(KARVELLO_GTEST_LIBRARIES gtest gtest_main)
else()
    find_package(GTest CONFIG QUIET)
    if(GTest_FOUND)
        set(KARVELLO_GTEST_LIBRARIES GTest::gtest GTest::gtest_main)
    endif()
endif()

file(GLOB KARVELLO_WIN_TEST_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/win/*.cpp
    ${PROJECT_SOURCE_DIR}/tests/win/*.rc)
# The windows and dialogs are tested as the program builds them: their code, their templates and the
# resources those name (tests/win/*.rc gives the icon and the version). The shell's own window belongs to
# the resident program only.
set(KARVELLO_WIN_TEST_DIALOGS ${KARVELLO_FORM_SOURCES})
list(FILTER KARVELLO_WIN_TEST_DIALOGS EXCLUDE REGEX "/src/shell/")
if(KARVELLO_WIN_TEST_SOURCES AND KARVELLO_GTEST_LIBRARIES)
    add_executable(win_tests ${KARVELLO_WIN_TEST_SOURCES} ${KARVELLO_WIN_TEST_DIALOGS})
    target_link_libraries(win_tests PRIVATE karvello_win32 karvello_core ${KARVELLO_GTEST_LIBRARIES})
    target_include_directories(win_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests ${KARVELLO_RESOURCE_DIR}
        ${KARVELLO_GENERATED_DIR})
    karvello_static_runtime(win_tests)
    add_test(NAME win COMMAND win_tests)
    set_tests_properties(win PROPERTIES ENVIRONMENT "KARVELLO_WINEPREFIX=${PROJECT_BINARY_DIR}/wine/prefix")
elseif(KARVELLO_WIN_TEST_SOURCES)
    message(WARNING "GoogleTest not found: win_tests is not built (set KARVELLO_GTEST_SOURCE_DIR)")
endif()

# The end-to-end helper finds windows, posts messages and presses buttons in the programs under test
# (tests/e2e/README.md); it is itself a Windows console program.
file(GLOB KARVELLO_E2E_HELPER_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/e2e/helper/*.cpp)
if(KARVELLO_E2E_HELPER_SOURCES)
    add_executable(e2e_helper ${KARVELLO_E2E_HELPER_SOURCES})
    target_link_libraries(e2e_helper PRIVATE karvello_win32 karvello_core version)
    if(MINGW)
        target_link_options(e2e_helper PRIVATE -municode)
    endif()
    karvello_static_runtime(e2e_helper)
endif()

# The bare tray program that the resident program's start-up and memory are measured against
# (bench/scripts/resident_ratio.sh).
add_executable(BareTray ${PROJECT_SOURCE_DIR}/bench/resident/BareTray.cpp)
target_compile_definitions(BareTray PRIVATE UNICODE _UNICODE)
target_link_libraries(BareTray PRIVATE shell32)
karvello_gui_program(BareTray)

# The helper's menu probe, a library it hooks into a program under test to read that program's menus.
file(GLOB KARVELLO_E2E_PROBE_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/e2e/probe/*.cpp)
if(KARVELLO_E2E_PROBE_SOURCES)
    add_library(e2e_menu_probe SHARED ${KARVELLO_E2E_PROBE_SOURCES})
    set_target_properties(e2e_menu_probe PROPERTIES PREFIX "")
    if(MINGW)
        # The helper looks the hook up by its plain name, also where 32-bit stdcall would decorate it.
        target_link_options(e2e_menu_probe PRIVATE -Wl,--kill-at)
    endif()
    karvello_static_runtime(e2e_menu_probe)
endif()

# A stand-in for the help viewer's library: the e2e tests put it beside the program to see which help file and
# command the program hands to the viewer. It lies in a folder of its own, where no program of the build tree
# would load it by accident.
file(GLOB KARVELLO_E2E_HHCTRL_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/e2e/hhctrl/*.cpp)
if(KARVELLO_E2E_HHCTRL_SOURCES)
    add_library(e2e_hhctrl SHARED ${KARVELLO_E2E_HHCTRL_SOURCES})
    set_target_properties(e2e_hhctrl PROPERTIES PREFIX "" OUTPUT_NAME hhctrl SUFFIX ".ocx"
        RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/e2e-standins)
    target_compile_definitions(e2e_hhctrl PRIVATE UNICODE _UNICODE)
    if(MINGW)
        # The program looks the function up by its plain name, also where 32-bit stdcall would decorate it.
        target_link_options(e2e_hhctrl PRIVATE -Wl,--kill-at)
    endif()
    karvello_static_runtime(e2e_hhctrl)
endif()
