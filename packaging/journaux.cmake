# SPDX-License-Identifier: GPL-3.0-or-later
# The release notes, CHANGELOG.md, made into what the package and the
# desktop read: the Debian changelog (its English lines) and the AppStream
# releases. A build between releases gets an entry of its own on top.
#
# Writes changelog.Debian into the current binary folder and sets
# TAVELO_RELEASES_APPSTREAM, the <release> elements, newest first, and
# TAVELO_EPOCH_DERNIERE_VERSION, midnight of the last release's day.

set(tavelo_notes ${PROJECT_SOURCE_DIR}/CHANGELOG.md)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${tavelo_notes})

# "Wed, 09 Dec 2026 00:00:00 +0000" for the epoch SECONDES.
function(tavelo_date_debian resultat secondes)
  tavelo_date(texte ${secondes} "%a, %d %b %Y %H:%M:%S +0000")
  set(${resultat} "${texte}" PARENT_SCOPE)
endfunction()

# The epoch of midnight UTC of the day ISO (2026-12-09), counted in years
# that start on 1 March so that the leap day ends a year.
function(tavelo_epoque_du_jour resultat iso)
  string(REGEX MATCH "^([0-9]+)-0*([0-9]+)-0*([0-9]+)$" _ "${iso}")
  set(annee ${CMAKE_MATCH_1})
  set(mois ${CMAKE_MATCH_2})
  set(jour ${CMAKE_MATCH_3})
  if(mois LESS_EQUAL 2)
    math(EXPR annee "${annee} - 1")
    math(EXPR mois "${mois} + 9")
  else()
    math(EXPR mois "${mois} - 3")
  endif()
  math(EXPR jours "365 * ${annee} + ${annee} / 4 - ${annee} / 100 + ${annee} / 400
                   + (153 * ${mois} + 2) / 5 + ${jour} - 1 - 719468")
  math(EXPR secondes "${jours} * 86400")
  set(${resultat} ${secondes} PARENT_SCOPE)
endfunction()

function(tavelo_entree_debian resultat version secondes corps)
  tavelo_date_debian(date ${secondes})
  set(${resultat} "tavelo (${version}-1) bookworm; urgency=medium\n\n${corps}\n -- ${tavelo_mainteneur}  ${date}\n\n"
    PARENT_SCOPE)
endfunction()

set(debian "")
set(TAVELO_RELEASES_APPSTREAM "")
if(NOT TAVELO_VERSION_COMPLETE STREQUAL PROJECT_VERSION AND TAVELO_EPOCH)
  tavelo_entree_debian(debian ${TAVELO_VERSION_COMPLETE} ${TAVELO_EPOCH}
    "  * Build of commit ${TAVELO_COMMIT}, after release ${PROJECT_VERSION}.\n")
  string(APPEND TAVELO_RELEASES_APPSTREAM
    "    <release version=\"${TAVELO_VERSION_COMPLETE}\" date=\"${TAVELO_DATE_ISO}\" type=\"development\"/>\n")
endif()

# Each "## <version> (<date>)" opens a release; the lines under its
# "### English" become the entry's text, "- " items as "  * " items.
file(STRINGS ${tavelo_notes} lignes ENCODING UTF-8)
set(version "")
set(versions "")
set(epoques "")
foreach(ligne IN LISTS lignes)
  if(ligne MATCHES "^## ([^ ]+) \\(([0-9]+-[0-9]+-[0-9]+)\\)$")
    if(version)
      tavelo_entree_debian(entree ${version} ${secondes} "${corps}")
      string(APPEND debian "${entree}")
    endif()
    set(version ${CMAKE_MATCH_1})
    set(date ${CMAKE_MATCH_2})
    list(APPEND versions ${version})
    tavelo_epoque_du_jour(secondes ${date})
    list(APPEND epoques ${secondes})
    set(corps "")
    set(anglais FALSE)
    string(APPEND TAVELO_RELEASES_APPSTREAM "    <release version=\"${version}\" date=\"${date}\"/>\n")
  elseif(ligne MATCHES "^### (.*)$")
    string(COMPARE EQUAL "${CMAKE_MATCH_1}" English anglais)
  elseif(version AND anglais AND ligne MATCHES "^- (.*)$")
    string(APPEND corps "  * ${CMAKE_MATCH_1}\n")
  elseif(version AND anglais AND ligne MATCHES "^  (.*)$")
    string(APPEND corps "    ${CMAKE_MATCH_1}\n")
  endif()
endforeach()
if(version)
  tavelo_entree_debian(entree ${version} ${secondes} "${corps}")
  string(APPEND debian "${entree}")
endif()

# project(VERSION) is the last release: its notes must be there. Its day
# dates the package's files where the commit's time is unknown.
list(GET versions 0 derniere)
list(GET epoques 0 TAVELO_EPOCH_DERNIERE_VERSION)
if(NOT derniere STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "CHANGELOG.md begins with ${derniere}, not with the project's version ${PROJECT_VERSION}")
endif()

string(STRIP "${debian}" debian)
file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian CONTENT "${debian}\n" @ONLY)
