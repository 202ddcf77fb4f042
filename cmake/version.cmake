# SPDX-License-Identifier: GPL-3.0-or-later
# The program's one version, shown by the about box and --version and carried
# by the package and the AppStream release.
#
# project(VERSION) is the last release. The commit tagged v<that version>
# builds as it; any other commit builds as <version>+git<commit date>.<commit
# count>, which dpkg and AppStream both sort above the release and above
# every earlier commit. Without git (a source tarball) the version is plain.
#
# Sets TAVELO_VERSION_COMPLETE, TAVELO_COMMIT (the commit's short hash),
# TAVELO_EPOCH (the commit's time in seconds,
# the packages' SOURCE_DATE_EPOCH; empty when unknown), TAVELO_DATE_ISO
# (2026-12-09) and TAVELO_DATE_VERSION (09.12.2026, only for a release: a
# build between releases carries its date in its version already).

set(TAVELO_VERSION_COMPLETE ${PROJECT_VERSION})
set(TAVELO_COMMIT "")
set(TAVELO_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
set(TAVELO_DATE_ISO "")
set(TAVELO_DATE_VERSION "")

find_package(Git QUIET)
set(tavelo_depot FALSE)
if(GIT_FOUND)
  execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --show-toplevel
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} RESULT_VARIABLE code
    OUTPUT_VARIABLE racine OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  # A tarball unpacked inside some other repository is not ours to count.
  if(code EQUAL 0 AND racine STREQUAL PROJECT_SOURCE_DIR)
    set(tavelo_depot TRUE)
  endif()
endif()

function(tavelo_git resultat)
  execute_process(COMMAND ${GIT_EXECUTABLE} ${ARGN} WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    RESULT_VARIABLE code OUTPUT_VARIABLE sortie OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(NOT code EQUAL 0)
    set(sortie "")
  endif()
  set(${resultat} "${sortie}" PARENT_SCOPE)
endfunction()

# Formats the epoch SECONDES (UTC) as FORMAT, the way string(TIMESTAMP) reads
# SOURCE_DATE_EPOCH.
function(tavelo_date resultat secondes format)
  set(avant "$ENV{SOURCE_DATE_EPOCH}")
  set(ENV{SOURCE_DATE_EPOCH} ${secondes})
  string(TIMESTAMP texte "${format}" UTC)
  set(ENV{SOURCE_DATE_EPOCH} "${avant}")
  set(${resultat} "${texte}" PARENT_SCOPE)
endfunction()

if(tavelo_depot)
  tavelo_git(TAVELO_EPOCH log -1 --format=%ct HEAD)
  tavelo_git(nombre rev-list --count HEAD)
  tavelo_git(TAVELO_COMMIT rev-parse --short=12 HEAD)
  tavelo_git(etiquette tag --points-at HEAD --list v${PROJECT_VERSION})
  if(NOT etiquette STREQUAL "v${PROJECT_VERSION}" AND TAVELO_EPOCH AND nombre)
    tavelo_date(jour ${TAVELO_EPOCH} "%Y%m%d")
    set(TAVELO_VERSION_COMPLETE "${PROJECT_VERSION}+git${jour}.${nombre}")
  endif()
  # Configure again after a commit, a checkout or a merge, so that the
  # version follows the tree.
  tavelo_git(journal rev-parse --git-path logs/HEAD)
  if(journal)
    cmake_path(ABSOLUTE_PATH journal BASE_DIRECTORY ${PROJECT_SOURCE_DIR})
    if(EXISTS ${journal})
      set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${journal})
    endif()
  endif()
endif()

if(TAVELO_EPOCH)
  tavelo_date(TAVELO_DATE_ISO ${TAVELO_EPOCH} "%Y-%m-%d")
  if(TAVELO_VERSION_COMPLETE STREQUAL PROJECT_VERSION)
    tavelo_date(TAVELO_DATE_VERSION ${TAVELO_EPOCH} "%d.%m.%Y")
  endif()
endif()
message(STATUS "Tavelo ${TAVELO_VERSION_COMPLETE}")
