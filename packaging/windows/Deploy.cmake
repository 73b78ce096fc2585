# Lays out the Windows program in one folder, as the installer and the zip ship it, and
# writes the NSIS include that installs and uninstalls exactly those files.
#
# cmake -DSTAGE=<folder> -DNSH=<file.nsh> -DOBJDUMP=<x86_64-w64-mingw32-objdump>
#       -DPROGRAMS=<exe;...> -DQT=<qtbase prefix> -DPLUGINS=<platforms/qwindows.dll;...>
#       -DDLL_DIRS=<folder;...> -DFILES=<file;...> -P Deploy.cmake
#
# The DLLs are those the programs and plugins load: their import tables are followed from
# DLL to DLL, and every DLL found in Qt's or mingw's folders is shipped; the rest belong to
# Windows itself.

cmake_minimum_required(VERSION 3.25)

foreach(var STAGE NSH OBJDUMP PROGRAMS QT PLUGINS DLL_DIRS)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "Deploy.cmake: ${var} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${STAGE})

set(shipped) # paths relative to STAGE
function(ship source relative)
  get_filename_component(folder ${STAGE}/${relative} DIRECTORY)
  file(MAKE_DIRECTORY ${folder})
  file(COPY_FILE ${source} ${STAGE}/${relative} ONLY_IF_DIFFERENT)
  set(shipped ${shipped} ${relative} PARENT_SCOPE)
endfunction()

# The DLL names a PE file imports.
function(imports_of file out)
  execute_process(COMMAND ${OBJDUMP} -p ${file} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "cannot read the imports of ${file}")
  endif()
  string(REGEX MATCHALL "DLL Name: [^\r\n]+" lines "${dump}")
  set(names)
  foreach(line IN LISTS lines)
    string(REPLACE "DLL Name: " "" name "${line}")
    list(APPEND names ${name})
  endforeach()
  set(${out} ${names} PARENT_SCOPE)
endfunction()

set(pending)
foreach(program IN LISTS PROGRAMS)
  get_filename_component(name ${program} NAME)
  ship(${program} ${name})
  list(APPEND pending ${program})
endforeach()
foreach(plugin IN LISTS PLUGINS)
  ship(${QT}/plugins/${plugin} ${plugin})
  list(APPEND pending ${QT}/plugins/${plugin})
endforeach()

set(seen)
while(pending)
  list(POP_FRONT pending file)
  imports_of(${file} names)
  foreach(name IN LISTS names)
    string(TOLOWER ${name} key)
    if(key IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${key})
    foreach(dir IN LISTS DLL_DIRS)
      if(EXISTS ${dir}/${name})
        ship(${dir}/${name} ${name})
        list(APPEND pending ${dir}/${name})
        break()
      endif()
    endforeach()
  endforeach()
endwhile()

foreach(entry IN LISTS FILES)
  # source=relative
  string(FIND "${entry}" "=" at)
  string(SUBSTRING "${entry}" 0 ${at} source)
  math(EXPR after "${at} + 1")
  string(SUBSTRING "${entry}" ${after} -1 relative)
  ship(${source} ${relative})
endforeach()

# The NSIS include: File lines for installing, Delete lines for uninstalling, folders last.
list(SORT shipped)
set(install "!ifdef VORTALIN_INSTALL\n")
set(uninstall "!ifdef VORTALIN_UNINSTALL\n")
set(folders)
set(current "")
foreach(relative IN LISTS shipped)
  get_filename_component(folder ${relative} DIRECTORY)
  string(REPLACE "/" "\\" windows_relative "${relative}")
  string(REPLACE "/" "\\" windows_folder "${folder}")
  if(NOT folder STREQUAL current OR NOT install MATCHES "SetOutPath")
    if(folder STREQUAL "")
      string(APPEND install "  SetOutPath \"$INSTDIR\"\n")
    else()
      string(APPEND install "  SetOutPath \"$INSTDIR\\${windows_folder}\"\n")
      list(APPEND folders ${windows_folder})
    endif()
    set(current ${folder})
  endif()
  string(APPEND install "  File \"${STAGE}/${relative}\"\n")
  string(APPEND uninstall "  Delete \"$INSTDIR\\${windows_relative}\"\n")
endforeach()
list(REMOVE_DUPLICATES folders)
list(REVERSE folders)
foreach(folder IN LISTS folders)
  string(APPEND uninstall "  RMDir \"$INSTDIR\\${folder}\"\n")
endforeach()
string(APPEND install "  SetOutPath \"$INSTDIR\"\n!endif\n")
string(APPEND uninstall "!endif\n")
file(WRITE ${NSH} "; Written by Deploy.cmake: the files of ${STAGE}.\n${install}${uninstall}")
list(LENGTH shipped count)
message(STATUS "Staged ${count} files in ${STAGE}")
