# The house rules of src/, run as a test (cmake -DSRC=<src folder> -P):
# every #include "..." points to the same floor or one below it, and only
# the backends test _WIN32. Each breach is named by file and line.
#
# The floors, lowest first; a folder's files share its floor.
set(floor_base 0)
set(floor_resources 0)   # resource ids, shared with the resource script
set(floor_assets 1)
set(floor_audio 1)       # the audio library's core and entry points
set(floor_settings 2)
set(floor_platform 3)    # platform.h and the files beside it
set(floor_render 4)
set(floor_objects 5)
set(floor_director 6)
set(floor_host 7)
set(floor_backend 8)     # platform/win32, sdl, headless, x11; audio/sdl, audio/win

function(floor_of path out)
  set(${out} "" PARENT_SCOPE)
  if(path MATCHES "^(platform/(win32|sdl|headless|x11)|audio/(sdl|win))/")
    set(${out} ${floor_backend} PARENT_SCOPE)
  elseif(path MATCHES "^([a-z]+)/")
    set(folder ${CMAKE_MATCH_1})
    if(DEFINED floor_${folder})
      set(${out} ${floor_${folder}} PARENT_SCOPE)
    endif()
  endif()
endfunction()

file(GLOB_RECURSE files RELATIVE ${SRC} ${SRC}/*.h ${SRC}/*.cpp ${SRC}/*.c)
set(breaches "")
foreach(file IN LISTS files)
  floor_of(${file} own)
  if(own STREQUAL "")
    string(APPEND breaches "${file}: not in any floor\n")
    continue()
  endif()
  file(STRINGS ${SRC}/${file} lines)
  set(number 0)
  foreach(line IN LISTS lines)
    math(EXPR number "${number} + 1")
    if(line MATCHES "^[ \t]*#[ \t]*include[ \t]+\"([^\"]+)\"")
      set(target ${CMAKE_MATCH_1})
      floor_of(${target} theirs)
      if(NOT theirs STREQUAL "" AND theirs GREATER own)
        string(APPEND breaches "${file}:${number}: includes ${target}, a higher floor\n")
      endif()
    endif()
    if(line MATCHES "_WIN32" AND NOT file MATCHES "^(platform/win32|audio/win)/")
      string(APPEND breaches "${file}:${number}: tests _WIN32 outside the Windows backend\n")
    endif()
  endforeach()
endforeach()

if(breaches)
  message(FATAL_ERROR "The floors of src/ are broken:\n${breaches}")
endif()
list(LENGTH files count)
message(STATUS "${count} files of src/ keep to their floors")
