# SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Where things are installed, and the one call that installs a program for its users:
#
#   ravelin_install_program(TARGET MANPAGE NAME.1.scd [BASH_COMPLETION FILE])
#
# installs the program in bin/, builds its manual page from scdoc source and installs it
# compressed in share/man/man1/, and installs its bash completion, if any, under the program's
# name. Paths are relative to the calling CMakeLists.txt. Every installed program has a manual
# page: the package checks (lintian, man) go through all of them.

include(GNUInstallDirs) # CMAKE_INSTALL_LIBDIR has its default in the top CMakeLists.txt

# The add-in library and anything else only our programs load.
set(RAVELIN_INSTALL_ADDINDIR "${CMAKE_INSTALL_LIBDIR}/ravelin")
# Data the programs read at run time.
set(RAVELIN_INSTALL_DATADIR "${CMAKE_INSTALL_DATADIR}/ravelin")
set(RAVELIN_INSTALL_COMPLETIONDIR "${CMAKE_INSTALL_DATADIR}/bash-completion/completions")
# Where the package puts the add-in library; manual pages name it, the maintainer scripts
# register it. As @RAVELIN_PACKAGE_ADDIN_MAN@ with scdoc's underscores escaped.
set(RAVELIN_PACKAGE_ADDIN "/usr/${RAVELIN_INSTALL_ADDINDIR}/${CMAKE_SHARED_LIBRARY_PREFIX}ravelin_addin${CMAKE_SHARED_LIBRARY_SUFFIX}")
string(REPLACE "_" "\\_" RAVELIN_PACKAGE_ADDIN_MAN "${RAVELIN_PACKAGE_ADDIN}")

find_program(RAVELIN_SCDOC scdoc REQUIRED)
find_program(RAVELIN_GZIP gzip REQUIRED)

# The release date as seconds since 1970, so that generated pages carry it and not the day
# they were built.
execute_process(COMMAND date -u -d "${RAVELIN_RELEASE_DATE}" +%s
                OUTPUT_VARIABLE RAVELIN_RELEASE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)

# Every program installed, for the package's checks.
set_property(GLOBAL PROPERTY RAVELIN_PROGRAMS "")

function(ravelin_add_manpage source)
    get_filename_component(page "${source}" NAME_WLE) # ravelin-button.1
    string(REGEX MATCH "[1-9]$" section "${page}")
    if(NOT section)
        message(FATAL_ERROR "${source}: a manual page's source is named NAME.SECTION.scd")
    endif()
    # The source may name the install paths above as @VARIABLE@.
    set(input "${PROJECT_BINARY_DIR}/man/${page}.scd")
    configure_file("${source}" "${input}" @ONLY)
    set(output "${PROJECT_BINARY_DIR}/man/${page}.gz")
    add_custom_command(
        OUTPUT "${output}"
        COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${RAVELIN_RELEASE_EPOCH}
                sh -c "\"$0\" < \"$1\" | \"$2\" -9n > \"$3\""
                "${RAVELIN_SCDOC}" "${input}" "${RAVELIN_GZIP}" "${output}"
        DEPENDS "${input}"
        COMMENT "Building the manual page ${page}"
        VERBATIM)
    add_custom_target(man-${page} ALL DEPENDS "${output}")
    install(FILES "${output}" DESTINATION "${CMAKE_INSTALL_MANDIR}/man${section}")
endfunction()

function(ravelin_install_program target)
    cmake_parse_arguments(PARSE_ARGV 1 ARG "" "MANPAGE;BASH_COMPLETION" "")
    if(NOT ARG_MANPAGE)
        message(FATAL_ERROR "ravelin_install_program(${target}): every program has a MANPAGE")
    endif()
    install(TARGETS ${target} RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
    set_property(GLOBAL APPEND PROPERTY RAVELIN_PROGRAMS ${target})
    ravelin_add_manpage("${ARG_MANPAGE}")
    if(ARG_BASH_COMPLETION)
        install(FILES "${ARG_BASH_COMPLETION}" DESTINATION "${RAVELIN_INSTALL_COMPLETIONDIR}"
                RENAME "${target}")
    endif()
endfunction()
