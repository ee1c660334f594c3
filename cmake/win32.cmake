# Win32 build: VORNAK95.EXE and its two DLLs, plus the tests that run under Wine.
enable_language(RC)
# Only system DLLs at run time: no libgcc/libstdc++/winpthread DLLs beside us.
set(STATIC_RUNTIME -static -static-libgcc -static-libstdc++)
add_compile_definitions(WINVER=0x0400 _WIN32_WINNT=0x0400 _WIN32_IE=0x0300)

set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

add_subdirectory(nuvash32)
if(EXISTS ${CMAKE_SOURCE_DIR}/harlix/CMakeLists.txt)
  add_subdirectory(harlix)
endif()

file(GLOB SHELL_SOURCES CONFIGURE_DEPENDS app/win32/*.cpp platform/win32/*.cpp)
add_executable(VORNAK95 WIN32 ${SHELL_SOURCES} res/vornak95.rc)
set_target_properties(VORNAK95 PROPERTIES OUTPUT_NAME VORNAK95 SUFFIX .EXE)
target_include_directories(VORNAK95 PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(VORNAK95 PRIVATE vornak_core nuvash32 comctl32 comdlg32 gdi32 user32 kernel32)
if(TARGET harlix)
  target_link_libraries(VORNAK95 PRIVATE harlix)
endif()
target_link_options(VORNAK95 PRIVATE ${STATIC_RUNTIME})

enable_testing()
# The native build beside this one (the Makefile's layout), for the replay
# tool that some Wine tests compare against.
set(VORNAK_NATIVE_BUILD "${CMAKE_BINARY_DIR}/../native" CACHE PATH "native build folder")
file(GLOB WINE_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/wine/*.test.sh)
foreach(t ${WINE_TESTS})
  get_filename_component(name ${t} NAME_WE)
  add_test(NAME wine.${name} COMMAND bash ${t})
  set_tests_properties(wine.${name} PROPERTIES
    ENVIRONMENT "VORNAK_BIN=${CMAKE_BINARY_DIR}/bin;VORNAK_BUILD=${CMAKE_BINARY_DIR};VORNAK_SOURCE=${CMAKE_SOURCE_DIR};VORNAK_NATIVE=${VORNAK_NATIVE_BUILD}"
    RUN_SERIAL TRUE TIMEOUT 600)
endforeach()

# The helper that drives the running program in the shell's Wine test.
add_executable(shell_driver tests/wine/shell_driver.cpp)
target_link_libraries(shell_driver PRIVATE user32)
target_link_options(shell_driver PRIVATE ${STATIC_RUNTIME})
