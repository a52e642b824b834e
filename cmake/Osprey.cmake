# Shared helpers for the folders' CMakeLists.

# osprey_test(NAME src... LIBS lib...)
# A GoogleTest executable registered as one ctest test. In the Windows build
# ctest runs it through Wine in the project's own prefix.
function(osprey_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES} ${T_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  osprey_test_environment(${name})
  if(T_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${T_LABELS}")
  endif()
endfunction()

# Environment of a test: under Wine, the prefix that tools/test.sh prepares.
function(osprey_test_environment test)
  if(WIN32)
    set_tests_properties(${test} PROPERTIES
      ENVIRONMENT "WINEPREFIX=${OSPREY_WINEPREFIX};WINEDEBUG=-all;WINEDLLOVERRIDES=mscoree,mshtml="
      RUN_SERIAL TRUE)
  endif()
endfunction()

if(WIN32)
  if(NOT OSPREY_WINEPREFIX)
    set(OSPREY_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  endif()
endif()

# These three are bound on first use instead of at start: nothing needs them
# to show Option's window, and under Wine loading them put some 60 ms before
# Option's WinMain (a part of it, the display driver's start, only moves to
# the first window). Each .def lists the functions we call; one missing there
# is bound at start again, which option/app/tests/check_late_binding.sh
# catches for Option.
set(OSPREY_DELAY_LOADED comctl32 comdlg32 shell32)
set(OSPREY_WIN32_LIBS gdi32 ole32 oleaut32 uuid winmm setupapi hid msimg32 shlwapi user32 advapi32)
if(WIN32)
  foreach(dll ${OSPREY_DELAY_LOADED})
    set(def ${PROJECT_SOURCE_DIR}/cmake/delayload/${dll}.def)
    set(lib ${CMAKE_BINARY_DIR}/delayload/lib${dll}_delayed.a)
    add_custom_command(OUTPUT ${lib}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/delayload
      COMMAND ${CMAKE_DLLTOOL} --input-def ${def} --dllname ${dll}.dll --output-delaylib ${lib}
      DEPENDS ${def} VERBATIM)
    add_custom_target(${dll}_delayed_lib DEPENDS ${lib})
    add_library(${dll}_delayed STATIC IMPORTED GLOBAL)
    set_target_properties(${dll}_delayed PROPERTIES IMPORTED_LOCATION ${lib})
    add_dependencies(${dll}_delayed ${dll}_delayed_lib)
    list(APPEND OSPREY_WIN32_LIBS ${dll}_delayed)
  endforeach()
endif()

# osprey_component(<name> [DEPS lib...])
# The conventions of a component folder:
#   *.cpp                      the library <name> (portable)
#   *_win32.cpp / *_posix.cpp  its platform adapters, one set per build
#   *_main.cpp, *_main_win32.cpp  left out of the library (the folder's own programs)
#   tests/*_test.cpp           the GoogleTest suite <name>_tests; files named
#                              *_test_win32.cpp only in the Windows build,
#                              *_test_posix.cpp only in the native build
#   tests/*_helper_win32.cpp   one helper program each (Windows build), for
#                              tests that need a second process
#   bench/*.cpp                one benchmark program each, bench_<stem>;
#                              *_win32.cpp ones only in the Windows build
function(osprey_component name)
  cmake_parse_arguments(C "" "" "DEPS;TEST_DEPS" ${ARGN})
  set(dir ${CMAKE_CURRENT_SOURCE_DIR})
  file(GLOB srcs CONFIGURE_DEPENDS ${dir}/*.cpp)
  list(FILTER srcs EXCLUDE REGEX "(_win32|_posix|_main)\\.cpp$")
  if(WIN32)
    file(GLOB platform CONFIGURE_DEPENDS ${dir}/*_win32.cpp)
  else()
    file(GLOB platform CONFIGURE_DEPENDS ${dir}/*_posix.cpp)
  endif()
  list(FILTER platform EXCLUDE REGEX "_main_(win32|posix)\\.cpp$")
  if(srcs OR platform)
    add_library(${name} STATIC ${srcs} ${platform})
    set(scope PUBLIC)
  else()
    add_library(${name} INTERFACE)
    set(scope INTERFACE)
  endif()
  target_include_directories(${name} ${scope} ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} ${scope} ${C_DEPS})
  if(WIN32)
    target_link_libraries(${name} ${scope} ${OSPREY_WIN32_LIBS})
  endif()

  if(OSPREY_FUZZ)
    return()
  endif()

  file(GLOB tests CONFIGURE_DEPENDS ${dir}/tests/*_test.cpp)
  if(WIN32)
    file(GLOB platform_tests CONFIGURE_DEPENDS ${dir}/tests/*_test_win32.cpp)
  else()
    file(GLOB platform_tests CONFIGURE_DEPENDS ${dir}/tests/*_test_posix.cpp)
  endif()
  list(APPEND tests ${platform_tests})
  if(tests)
    osprey_test(${name}_tests SOURCES ${tests} LIBS ${name} ${C_TEST_DEPS})
    target_include_directories(${name}_tests PRIVATE ${dir}/tests)
  endif()
  if(WIN32)
    file(GLOB helpers CONFIGURE_DEPENDS ${dir}/tests/*_helper_win32.cpp)
    foreach(h ${helpers})
      get_filename_component(stem ${h} NAME_WE)
      add_executable(${stem} ${h})
      target_link_libraries(${stem} PRIVATE ${name} ${C_TEST_DEPS})
      if(TARGET ${name}_tests)
        add_dependencies(${name}_tests ${stem})
      endif()
    endforeach()
  endif()

  file(GLOB benches CONFIGURE_DEPENDS ${dir}/bench/*.cpp)
  if(NOT WIN32)
    list(FILTER benches EXCLUDE REGEX "_win32\\.cpp$")
  endif()
  foreach(b ${benches})
    get_filename_component(stem ${b} NAME_WE)
    add_executable(bench_${stem} ${b})
    target_link_libraries(bench_${stem} PRIVATE ${name} ${C_TEST_DEPS})
  endforeach()
endfunction()

# osprey_split_debug(target): the program ships without its debug information,
# which goes to <program>.debug beside it (found by debuggers through the
# link left in the program). MinGW's debug sections are not page-aligned, so
# Wine reads all of them whenever the program starts: some 12 MB and tens of
# milliseconds for Option.
function(osprey_split_debug target)
  if(WIN32 AND CMAKE_OBJCOPY)
    add_custom_command(TARGET ${target} POST_BUILD
      COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:${target}> $<TARGET_FILE:${target}>.debug
      COMMAND ${CMAKE_OBJCOPY} --strip-all --add-gnu-debuglink=$<TARGET_FILE:${target}>.debug
              $<TARGET_FILE:${target}>
      VERBATIM)
  endif()
endfunction()

# osprey_program_icon(target script.rc): the program's resource script, whose
# icons skingen renders at build time into <build>/icons (target icons).
# Without a native skingen there are no icons and the program goes without.
function(osprey_program_icon target script)
  if(NOT WIN32 OR NOT TARGET icons)
    return()
  endif()
  enable_language(RC)
  set(rc ${CMAKE_CURRENT_SOURCE_DIR}/${script})
  target_sources(${target} PRIVATE ${rc})
  set_source_files_properties(${rc} PROPERTIES
    OBJECT_DEPENDS "${CMAKE_BINARY_DIR}/icons/Option.ico;${CMAKE_BINARY_DIR}/icons/Monitor.ico"
    INCLUDE_DIRECTORIES "${CMAKE_BINARY_DIR}/icons;${PROJECT_SOURCE_DIR}")
  add_dependencies(${target} icons)
endfunction()
