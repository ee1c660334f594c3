# vornak-report.exe: the companion as a 32-bit console program, linked
# statically and built for the 486 like the program, so that one file runs on
# Windows 95 to 11. Its system side is vornak-report/win32/; its entry point
# installs the CMOV handlers as the program's does.

# nlohmann/json is headers only: those alone go on the cross compiler's path,
# not the host's include folder with its C library.
find_path(NLOHMANN_JSON_INCLUDE nlohmann/json.hpp PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH NO_DEFAULT_PATH)
if(NOT NLOHMANN_JSON_INCLUDE)
  message(FATAL_ERROR "nlohmann/json.hpp not found (tools/bootstrap installs nlohmann-json3-dev)")
endif()
set(REPORT_JSON_INCLUDE ${CMAKE_BINARY_DIR}/json-include)
file(MAKE_DIRECTORY ${REPORT_JSON_INCLUDE})
if(NOT EXISTS ${REPORT_JSON_INCLUDE}/nlohmann)
  file(CREATE_LINK ${NLOHMANN_JSON_INCLUDE}/nlohmann ${REPORT_JSON_INCLUDE}/nlohmann SYMBOLIC)
endif()

file(GLOB WIN_REPORT_SOURCES CONFIGURE_DEPENDS vornak-report/*.cpp vornak-report/win32/*.cpp)
add_executable(vornak-report ${WIN_REPORT_SOURCES}
               platform/win32/runtime/cmov_handler.cpp platform/win32/runtime/processor_support.cpp)
target_include_directories(vornak-report PRIVATE ${CMAKE_SOURCE_DIR})
target_include_directories(vornak-report SYSTEM PRIVATE ${REPORT_JSON_INCLUDE})
target_link_libraries(vornak-report PRIVATE vornak_core)
# The C runtime's printf (msvcrt.dll): mingw's own, even for "%s", links a
# number formatter compiled with FCOMI, which the 486 lacks. The tool prints
# no floating-point number with printf (decimal.h).
target_compile_definitions(vornak-report PRIVATE __USE_MINGW_ANSI_STDIO=0)
target_link_options(vornak-report PRIVATE ${STATIC_RUNTIME} ${EXE_SIZE_OPTIONS}
                    -Wl,--entry,_VornakReportStartup -Wl,-Map,${CMAKE_BINARY_DIR}/vornak-report.map)

# Its file replacement with MoveFileEx as each Windows has it, the site's
# folder put in place, and its paths split (tests/wine/report-replace.test.sh).
add_executable(replace_file_test tests/wine/replace_file_test.cpp vornak-report/win32/replace_file.cpp
               vornak-report/paths.cpp vornak-report/win32/paths.cpp vornak-report/site_files.cpp
               vornak-report/win32/site_files.cpp vornak-report/win32/system_error.cpp)
set_target_properties(replace_file_test PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
target_include_directories(replace_file_test PRIVATE ${CMAKE_SOURCE_DIR})
target_link_options(replace_file_test PRIVATE ${STATIC_RUNTIME})

