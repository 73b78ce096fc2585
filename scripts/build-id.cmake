# Writes the build identifier, the commit the program is built from, into the header
# OUT: `git describe --always --dirty` of the source tree SOURCE, or "neznámy" where the
# sources are no git checkout (or git is missing). The file is rewritten only when the
# identifier changes, so an unchanged tree recompiles nothing.
find_package(Git QUIET)
set(VORTALIN_BUILD_ID "neznámy")
if(GIT_FOUND AND EXISTS "${SOURCE}/.git")
  execute_process(
    COMMAND "${GIT_EXECUTABLE}" -C "${SOURCE}" describe --always --dirty --abbrev=12
    OUTPUT_VARIABLE described
    RESULT_VARIABLE status
    OUTPUT_STRIP_TRAILING_WHITESPACE
    ERROR_QUIET)
  if(status EQUAL 0 AND NOT described STREQUAL "")
    set(VORTALIN_BUILD_ID "${described}")
  endif()
endif()
set(text "// Written at build time by scripts/build-id.cmake; do not edit.\n#pragma once\n#define VORTALIN_BUILD_ID \"${VORTALIN_BUILD_ID}\"\n")
if(EXISTS "${OUT}")
  file(READ "${OUT}" old)
else()
  set(old "")
endif()
if(NOT old STREQUAL text)
  file(WRITE "${OUT}" "${text}")
endif()
