# GoogleTest from Debian's source package, and test registration that runs Windows tests under Wine.
enable_testing()
include(GoogleTest)

set(SHORTEX_GOOGLETEST_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${SHORTEX_GOOGLETEST_DIR} ${CMAKE_BINARY_DIR}/_deps/googletest EXCLUDE_FROM_ALL SYSTEM)

if(WIN32)
  # A Wine prefix of this build folder's own, made at build time: test discovery runs the test
  # executables before any test does, so the prefix has to exist by then.
  set(SHORTEX_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  set(SHORTEX_WINE_RUN ${CMAKE_SOURCE_DIR}/scripts/wine-run)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${SHORTEX_WINE_RUN} ${SHORTEX_WINEPREFIX})
  add_custom_command(
    OUTPUT ${SHORTEX_WINEPREFIX}/.shortex-ready
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-prefix ${SHORTEX_WINEPREFIX}
    DEPENDS ${CMAKE_SOURCE_DIR}/scripts/wine-prefix ${CMAKE_SOURCE_DIR}/scripts/wine-test-settings.reg
    COMMENT "Preparing the Wine prefix for tests")
  add_custom_target(wineprefix ALL DEPENDS ${SHORTEX_WINEPREFIX}/.shortex-ready)

  # One persistent wineserver for the whole run instead of a fresh one per test.
  add_test(NAME wine.server.start COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-server start ${SHORTEX_WINEPREFIX})
  add_test(NAME wine.server.stop COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-server stop ${SHORTEX_WINEPREFIX})
  set_tests_properties(wine.server.start PROPERTIES FIXTURES_SETUP wine)
  set_tests_properties(wine.server.stop PROPERTIES FIXTURES_CLEANUP wine)
endif()

# Registers every GoogleTest case of a test executable with CTest.
function(shortex_add_gtest target)
  target_link_libraries(${target} PRIVATE GTest::gtest_main)
  if(WIN32)
    add_dependencies(${target} wineprefix)
    gtest_discover_tests(${target}
      DISCOVERY_MODE PRE_TEST
      DISCOVERY_TIMEOUT 120
      PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 60 RUN_SERIAL TRUE)
  else()
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 60)
  endif()
endfunction()
