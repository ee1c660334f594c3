# Win32 build: VORNAK95.EXE and its two DLLs, plus the tests that run under Wine.
enable_language(RC)
# The guarded PC-98 port and BIOS accessors are assembly (no __try in g++).
enable_language(ASM)
# Only system DLLs at run time: no libgcc/libstdc++/winpthread DLLs beside us.
# PE headers the Windows 95 and NT 4.0 loaders take: OS and subsystem 4.0.
set(STATIC_RUNTIME -static -static-libgcc -static-libstdc++
    -Wl,--major-os-version=4,--minor-os-version=0
    -Wl,--major-subsystem-version=4,--minor-subsystem-version=0)
# Declare only what Windows 95 / NT 4.0 and the first common controls offer,
# so a newer API is a compile error rather than a program that won't load.
add_compile_definitions(WINVER=0x0400 _WIN32_WINNT=0x0400 _WIN32_WINDOWS=0x0400 _WIN32_IE=0x0200)

# Size first: the program is copied to floppies and old disks. -Os for every
# object of this build (the core included, so the x87 arithmetic of the
# program and of its precision test stay alike); sections per function so the
# linker drops what nothing calls; no relocations in the EXE, which Windows 95
# always loads at its preferred base.
set(CMAKE_CXX_FLAGS_RELEASE "-Os -DNDEBUG -ffunction-sections -fdata-sections")
set(CMAKE_C_FLAGS_RELEASE "${CMAKE_CXX_FLAGS_RELEASE}")
set(EXE_SIZE_OPTIONS -Wl,--gc-sections -Wl,--disable-dynamicbase,--disable-reloc-section)
# The two DLLs need no C or C++ runtime: DllMain is their entry point and they
# import only from system DLLs, so nothing of mingw's start-up or msvcrt.dll.
set(BARE_DLL_OPTIONS -nostdlib -Wl,--entry,_DllMain@12 -Wl,--gc-sections
    -Wl,--major-os-version=4,--minor-os-version=0
    -Wl,--major-subsystem-version=4,--minor-subsystem-version=0)

set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

add_subdirectory(nuvash32)
if(EXISTS ${CMAKE_SOURCE_DIR}/harlix/CMakeLists.txt)
  add_subdirectory(harlix)
endif()

file(GLOB LIVE_SOURCES CONFIGURE_DEPENDS platform/win32/*.cpp)
list(REMOVE_ITEM LIVE_SOURCES ${CMAKE_SOURCE_DIR}/platform/win32/log_file.cpp)  # in the core
# Every entry from the system links the CMOV frame handler (cmov_frame.h).
set(LIVE_SOURCES ${LIVE_SOURCES} platform/win32/pc98_io.S platform/win32/runtime/cmov_handler.cpp)
file(GLOB SHELL_SOURCES CONFIGURE_DEPENDS vornak95/win32/*.cpp)
add_executable(VORNAK95 WIN32 ${SHELL_SOURCES} ${LIVE_SOURCES} res/vornak95.rc
               platform/win32/runtime/processor_support.cpp)
set_target_properties(VORNAK95 PROPERTIES OUTPUT_NAME VORNAK95 SUFFIX .EXE)
target_include_directories(VORNAK95 PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(VORNAK95 PRIVATE vornak_core nuvash32 comctl32 gdi32 user32 kernel32)
if(TARGET harlix)
  target_link_libraries(VORNAK95 PRIVATE harlix)
endif()
# Our entry point installs the CMOV filter before the runtime's start-up
# runs; the link map tells tools/check-cmov where each function came from.
target_link_options(VORNAK95 PRIVATE ${STATIC_RUNTIME} ${EXE_SIZE_OPTIONS}
                    -Wl,--entry,_VornakStartup -Wl,-Map,${CMAKE_BINARY_DIR}/VORNAK95.map)

# DirectX is bound at load time. DirectPlay is imported by ordinal through
# import libraries of our own: mingw has none for DPLAY.dll at all.
find_program(DLLTOOL NAMES ${TOOLCHAIN_PREFIX}-dlltool dlltool)
if(NOT DLLTOOL)
  message(FATAL_ERROR "dlltool not found: needed for the DirectPlay import libraries")
endif()
set(ORDINAL_IMPORTS)
foreach(dll dplay dplayx)
  set(def ${CMAKE_SOURCE_DIR}/platform/win32/imports/${dll}.def)
  set(lib ${CMAKE_BINARY_DIR}/imports/lib${dll}_ordinals.a)
  add_custom_command(OUTPUT ${lib}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/imports
    COMMAND ${DLLTOOL} -k -d ${def} -l ${lib}
    DEPENDS ${def} VERBATIM)
  list(APPEND ORDINAL_IMPORTS ${lib})
endforeach()
add_custom_target(ordinal_imports DEPENDS ${ORDINAL_IMPORTS})
add_dependencies(VORNAK95 ordinal_imports)
target_link_libraries(VORNAK95 PRIVATE ${ORDINAL_IMPORTS} ddraw d3drm dsound winmm)

# The live PC-98 probe on its own, for tests/wine/pc98-probe.test.sh. It links
# whatever the program links, since the live machine's answers need it.
add_executable(pc98_probe_test tests/wine/pc98_probe_test.cpp ${LIVE_SOURCES})
set_target_properties(pc98_probe_test PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
target_include_directories(pc98_probe_test PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(pc98_probe_test PRIVATE $<TARGET_PROPERTY:VORNAK95,LINK_LIBRARIES>)
target_link_options(pc98_probe_test PRIVATE ${STATIC_RUNTIME})
add_dependencies(pc98_probe_test ordinal_imports)

# Exceptions thrown in system callbacks and window procedures, with the
# live layer they are thrown in.
add_executable(callback_guard_test tests/wine/callback_guard_test.cpp vornak95/win32/failure.cpp ${LIVE_SOURCES})
set_target_properties(callback_guard_test PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
target_include_directories(callback_guard_test PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(callback_guard_test PRIVATE $<TARGET_PROPERTY:VORNAK95,LINK_LIBRARIES>)
target_link_options(callback_guard_test PRIVATE ${STATIC_RUNTIME})
add_dependencies(callback_guard_test ordinal_imports)

# The CMOV handlers at each entry from the system, entered through the
# program's own entry point.
add_executable(cmov_filter_test tests/wine/cmov_filter_test.cpp vornak95/win32/failure.cpp ${LIVE_SOURCES}
               platform/win32/runtime/processor_support.cpp)
set_target_properties(cmov_filter_test PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
target_include_directories(cmov_filter_test PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(cmov_filter_test PRIVATE $<TARGET_PROPERTY:VORNAK95,LINK_LIBRARIES>)
target_link_options(cmov_filter_test PRIVATE ${STATIC_RUNTIME} -Wl,--entry,_VornakStartup)
add_dependencies(cmov_filter_test ordinal_imports)

# tools/bench-startup: its launcher and two yardsticks, an empty window with
# and without DirectX bound at load time. Same size options as the program.
add_executable(startup_launcher tests/startup/launcher.cpp)
add_executable(startup_empty WIN32 tests/startup/empty_window.cpp)
add_executable(startup_empty_dx WIN32 tests/startup/empty_window.cpp)
target_compile_definitions(startup_empty_dx PRIVATE BIND_DIRECTX)
target_link_libraries(startup_empty_dx PRIVATE ddraw dsound d3drm winmm)
foreach(t startup_launcher startup_empty startup_empty_dx)
  set_target_properties(${t} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_options(${t} PRIVATE ${STATIC_RUNTIME} ${EXE_SIZE_OPTIONS})
endforeach()

# tools/bench-commit: a logged line and a commit timed in one process.
add_executable(log_commit_bench tests/bench/log_commit_bench.cpp)
set_target_properties(log_commit_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
target_link_libraries(log_commit_bench PRIVATE vornak_core)
target_link_options(log_commit_bench PRIVATE ${STATIC_RUNTIME})

enable_testing()
# The native build beside this one (the Makefile's layout), for the replay
# tool that some Wine tests compare against.
set(VORNAK_NATIVE_BUILD "${CMAKE_BINARY_DIR}/../native" CACHE PATH "native build folder")
file(GLOB WINE_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/wine/*.test.sh)
foreach(t ${WINE_TESTS})
  get_filename_component(name ${t} NAME_WE)
  add_test(NAME wine.${name} COMMAND bash ${t})
  set_tests_properties(wine.${name} PROPERTIES
    ENVIRONMENT "VORNAK_BIN=${CMAKE_BINARY_DIR}/bin;VORNAK_WINE=${CMAKE_BINARY_DIR}/../wine;VORNAK_BUILD=${CMAKE_BINARY_DIR};VORNAK_SOURCE=${CMAKE_SOURCE_DIR};VORNAK_NATIVE=${VORNAK_NATIVE_BUILD}"
    RUN_SERIAL TRUE TIMEOUT 600)
endforeach()

# No instruction the 486 and the Pentium lack in code we compile ourselves.
add_test(NAME processors.check
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/tools/check-cmov.test.sh ${CMAKE_BINARY_DIR})

# Every import must exist on Windows 95 (tools/check-imports).
add_test(NAME imports.check
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/tools/check-imports.test.sh ${CMAKE_BINARY_DIR}/bin)

# The helper that drives the running program in the shell's Wine test.
add_executable(shell_driver tests/wine/shell_driver.cpp)
target_link_libraries(shell_driver PRIVATE user32 gdi32)
target_link_options(shell_driver PRIVATE ${STATIC_RUNTIME})

# Holds a file open as another program would while it runs ours
# (tests/wine/batch-log.test.sh).
add_executable(hold_file tests/wine/hold_file.cpp)
target_link_options(hold_file PRIVATE ${STATIC_RUNTIME})

# The compare arithmetic at the program's x87 precision.
add_executable(compare_precision_test tests/wine/compare_precision_test.cpp)
set_target_properties(compare_precision_test PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
target_include_directories(compare_precision_test PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(compare_precision_test PRIVATE vornak_core)
target_link_options(compare_precision_test PRIVATE ${STATIC_RUNTIME})

# The report tree's index of lines on the real tree control, against the
# system's own comparison (tests/wine/tree-key.test.sh, japanese.test.sh).
add_executable(tree_key_test tests/wine/tree_key_test.cpp vornak95/win32/tree_view_outline.cpp)
set_target_properties(tree_key_test PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
target_include_directories(tree_key_test PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(tree_key_test PRIVATE vornak_core comctl32 gdi32 user32 kernel32)
target_link_options(tree_key_test PRIVATE ${STATIC_RUNTIME})

include(${CMAKE_CURRENT_LIST_DIR}/vornak-report-win32.cmake)
