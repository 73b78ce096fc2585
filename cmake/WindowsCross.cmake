# The cross-build for Windows (cmake/mingw-w64.cmake): the programs and tests run under Wine.
# wine-run.sh runs a Windows program in a throwaway Wine prefix of this build, with Qt's and
# mingw's DLLs on its search path; ctest and gtest_discover_tests call it for every test.
set(VORTALIN_WINE /usr/lib/wine/wine64 CACHE FILEPATH "Wine's 64-bit loader")
set(VORTALIN_WINESERVER /usr/lib/wine/wineserver CACHE FILEPATH "Wine's server")
set(VORTALIN_WINEPREFIX ${PROJECT_BINARY_DIR}/wineprefix CACHE PATH
    "Wine prefix the tests run in")

# The folders of the mingw runtime DLLs (libstdc++, libgcc_s, libwinpthread).
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
                OUTPUT_VARIABLE VORTALIN_LIBSTDCXX_DLL OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libgcc_s_seh-1.dll
                OUTPUT_VARIABLE VORTALIN_LIBGCC_DLL OUTPUT_STRIP_TRAILING_WHITESPACE)
find_file(VORTALIN_WINPTHREAD_DLL libwinpthread-1.dll
          PATHS /usr/${VORTALIN_MINGW_TRIPLE}/lib NO_DEFAULT_PATH REQUIRED)
set(VORTALIN_MINGW_RUNTIME_DLLS ${VORTALIN_LIBSTDCXX_DLL} ${VORTALIN_LIBGCC_DLL}
                                ${VORTALIN_WINPTHREAD_DLL})
foreach(dll IN LISTS VORTALIN_MINGW_RUNTIME_DLLS)
  if(NOT EXISTS ${dll})
    message(FATAL_ERROR "mingw runtime DLL not found: ${dll}")
  endif()
endforeach()

set(VORTALIN_WINE_DLL_PATH)
foreach(dll IN LISTS VORTALIN_MINGW_RUNTIME_DLLS)
  get_filename_component(folder ${dll} DIRECTORY)
  list(APPEND VORTALIN_WINE_DLL_PATH ${folder})
endforeach()
if(VORTALIN_WINDOWS_QT)
  list(APPEND VORTALIN_WINE_DLL_PATH ${VORTALIN_WINDOWS_QT}/bin)
endif()
list(REMOVE_DUPLICATES VORTALIN_WINE_DLL_PATH)
list(JOIN VORTALIN_WINE_DLL_PATH ";" VORTALIN_WINE_DLL_PATH_TEXT)

configure_file(${PROJECT_SOURCE_DIR}/scripts/windows/wine-run.sh.in
               ${PROJECT_BINARY_DIR}/wine-run.sh @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_BINARY_DIR}/wine-run.sh)

# GoogleTest built with the cross compiler from Debian's sources.
set(VORTALIN_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
