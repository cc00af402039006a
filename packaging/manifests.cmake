# Writes the winget manifests (dist/winget/) and the Scoop manifest (dist/shortex.json) for the
# release zip, from the templates beside this file. scripts/package runs it after CPack:
#   cmake -DSETTINGS=<build>/generated/release.cmake -DDIST=dist -P packaging/manifests.cmake
# The output depends only on the settings and the zip's bytes: no dates, no paths.
cmake_minimum_required(VERSION 3.25)
include(${SETTINGS})
get_filename_component(dist "${DIST}" ABSOLUTE)
set(zip "${dist}/${SHORTEX_ZIP_FOLDER}.zip")
if(NOT EXISTS "${zip}")
  message(FATAL_ERROR "No release zip: ${zip}")
endif()
file(SHA256 "${zip}" SHORTEX_ZIP_SHA256)
string(TOUPPER "${SHORTEX_ZIP_SHA256}" SHORTEX_ZIP_SHA256_UPPER)  # as winget's own tools write it

set(id Tandril.Shortex)
file(REMOVE_RECURSE "${dist}/winget")
foreach(kind IN ITEMS "" .installer .locale.en-US)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/winget/${id}${kind}.yaml.in "${dist}/winget/${id}${kind}.yaml"
                 @ONLY NEWLINE_STYLE LF)
endforeach()
configure_file(${CMAKE_CURRENT_LIST_DIR}/scoop/shortex.json.in "${dist}/shortex.json" @ONLY NEWLINE_STYLE LF)
