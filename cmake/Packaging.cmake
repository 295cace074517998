# What is shipped beside the Windows programs, included by cmake/Windows.cmake:
#   Karvello.chm                                  the compiled help (chmcmd of Debian's fp-utils), built always
#   Karvello-VERSION-setup-x64.exe / -x86.exe     the per-user installer (makensis), target "installer"
#   Karvello-VERSION-portable-x64.zip / -x86.zip  the same files for users who do not install, target "portable"
# A tool that is missing leaves its file out with a warning; the programs are built all the same.

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(KARVELLO_PACKAGE_ARCH x64)
else()
    set(KARVELLO_PACKAGE_ARCH x86)
endif()

# --- Karvello.chm --------------------------------------------------------------------------------------------
# The compiler writes its output beside the project file, so the sources are compiled from a copy in the
# build tree; the help file then lies beside the programs, where the program looks for it.
set(KARVELLO_HELP_SOURCE_DIR ${KARVELLO_RESOURCE_DIR}/help)
set(KARVELLO_HELP_FILE ${PROJECT_BINARY_DIR}/Karvello.chm)
file(GLOB KARVELLO_HELP_SOURCES CONFIGURE_DEPENDS ${KARVELLO_HELP_SOURCE_DIR}/*)
find_program(KARVELLO_CHMCMD chmcmd)
if(KARVELLO_CHMCMD)
    set(help_work_dir ${PROJECT_BINARY_DIR}/help)
    add_custom_command(OUTPUT ${KARVELLO_HELP_FILE}
        COMMAND ${CMAKE_COMMAND} -E rm -rf ${help_work_dir}
        COMMAND ${CMAKE_COMMAND} -E copy_directory ${KARVELLO_HELP_SOURCE_DIR} ${help_work_dir}
        COMMAND ${CMAKE_COMMAND} -E chdir ${help_work_dir} ${KARVELLO_CHMCMD} --verbosity 1 Karvello.hhp
        COMMAND ${CMAKE_COMMAND} -E copy ${help_work_dir}/Karvello.chm ${KARVELLO_HELP_FILE}
        DEPENDS ${KARVELLO_HELP_SOURCES}
        COMMENT "Compiling the help into Karvello.chm"
        VERBATIM)
    add_custom_target(help_file ALL DEPENDS ${KARVELLO_HELP_FILE})
else()
    message(WARNING "chmcmd (Debian package fp-utils) not found: Karvello.chm, the installer and the zip are not built")
    return()
endif()

# --- The files of an installation ----------------------------------------------------------------------------
# The tips file is shipped as it stands in the sources, so that the packages depend on a file ninja knows.
set(KARVELLO_TIPS_FILE ${KARVELLO_RESOURCE_DIR}/TIPOFDAY.TXT)
set(KARVELLO_SHIPPED_FILES $<TARGET_FILE:Karvello> $<TARGET_FILE:Unkarvel> $<TARGET_FILE:krvc>
    ${KARVELLO_HELP_FILE} ${KARVELLO_TIPS_FILE})
set(KARVELLO_SHIPPED_DEPENDS Karvello Unkarvel krvc ${KARVELLO_HELP_FILE} ${KARVELLO_TIPS_FILE})

# --- Portable zip --------------------------------------------------------------------------------------------
set(KARVELLO_PORTABLE_ZIP ${PROJECT_BINARY_DIR}/Karvello-${PROJECT_VERSION}-portable-${KARVELLO_PACKAGE_ARCH}.zip)
set(portable_stage ${PROJECT_BINARY_DIR}/portable)
add_custom_command(OUTPUT ${KARVELLO_PORTABLE_ZIP}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${portable_stage}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${portable_stage}/Karvello
    COMMAND ${CMAKE_COMMAND} -E copy ${KARVELLO_SHIPPED_FILES} ${portable_stage}/Karvello
    COMMAND ${CMAKE_COMMAND} -E rm -f ${KARVELLO_PORTABLE_ZIP}
    COMMAND ${CMAKE_COMMAND} -E chdir ${portable_stage} ${CMAKE_COMMAND} -E tar cf ${KARVELLO_PORTABLE_ZIP}
        --format=zip Karvello
    DEPENDS ${KARVELLO_SHIPPED_DEPENDS}
    COMMENT "Packing ${KARVELLO_PORTABLE_ZIP}"
    VERBATIM)
add_custom_target(portable DEPENDS ${KARVELLO_PORTABLE_ZIP})

# --- Installer -----------------------------------------------------------------------------------------------
find_program(KARVELLO_MAKENSIS makensis)
if(NOT KARVELLO_MAKENSIS)
    message(WARNING "makensis (Debian package nsis) not found: the installer is not built")
    return()
endif()
set(KARVELLO_INSTALLER ${PROJECT_BINARY_DIR}/Karvello-${PROJECT_VERSION}-setup-${KARVELLO_PACKAGE_ARCH}.exe)
set(KARVELLO_INSTALLER_SCRIPT ${PROJECT_SOURCE_DIR}/installer/Karvello.nsi)
add_custom_command(OUTPUT ${KARVELLO_INSTALLER}
    COMMAND ${KARVELLO_MAKENSIS} -V2 -WX -NOCD
        -DVERSION=${PROJECT_VERSION} -DARCH=${KARVELLO_PACKAGE_ARCH} -DOUTFILE=${KARVELLO_INSTALLER}
        -DKARVELLO_EXE=$<TARGET_FILE:Karvello> -DUNKARVEL_EXE=$<TARGET_FILE:Unkarvel>
        -DKRVC_EXE=$<TARGET_FILE:krvc> -DHELP_FILE=${KARVELLO_HELP_FILE} -DTIPS_FILE=${KARVELLO_TIPS_FILE}
        -DICON=${KARVELLO_RESOURCE_DIR}/Karvello.ico
        ${KARVELLO_INSTALLER_SCRIPT}
    DEPENDS ${KARVELLO_SHIPPED_DEPENDS} ${KARVELLO_INSTALLER_SCRIPT} ${KARVELLO_RESOURCE_DIR}/Karvello.ico
    COMMENT "Building ${KARVELLO_INSTALLER}"
    VERBATIM)
add_custom_target(installer DEPENDS ${KARVELLO_INSTALLER})
