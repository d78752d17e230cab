# Installs the build into a scratch prefix and compares the files that land
# there with the list a packager relies on.
file(REMOVE_RECURSE ${SCRATCH})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${SCRATCH}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
file(GLOB_RECURSE installed RELATIVE ${SCRATCH} ${SCRATCH}/*)
list(SORT installed)
set(expected
    bin/corvane-player
    share/applications/corvane-player.desktop
    share/doc/corvane-player/README.md
    share/icons/hicolor/48x48/apps/corvane-player.png
    share/icons/hicolor/scalable/apps/corvane-player.svg
    share/metainfo/org.corvane.Player.metainfo.xml)
list(SORT expected)
if(NOT installed STREQUAL expected)
    message(FATAL_ERROR "installed:\n  ${installed}\nexpected:\n  ${expected}")
endif()
file(REMOVE_RECURSE ${SCRATCH})
list(LENGTH expected count)
message(STATUS "installed exactly the ${count} listed files")
