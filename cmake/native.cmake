# Native build: the portable core, its unit tests and the replay tool; with
# VORNAK_FUZZ (clang), the core, the HTML page and their fuzz target alone.

# vornak-report but its main(): its outputs, the page, the writer of its
# files, a library of its own so the unit tests, the fuzz target and the
# benchmark can link its parts. The system's side (files, text conversion)
# is vornak-report/posix/.
file(GLOB REPORT_SOURCES CONFIGURE_DEPENDS vornak-report/*.cpp vornak-report/posix/*.cpp)
list(REMOVE_ITEM REPORT_SOURCES ${CMAKE_SOURCE_DIR}/vornak-report/main.cpp)
find_package(nlohmann_json 3 REQUIRED)
add_library(vornak_report STATIC ${REPORT_SOURCES})
target_link_libraries(vornak_report PUBLIC vornak_core nlohmann_json::nlohmann_json)

if(VORNAK_FUZZ)
  # Coverage for the core and the page, the fuzzer's own main in the target.
  target_compile_options(vornak_core PUBLIC -fsanitize=fuzzer-no-link,address,undefined
                         -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(vornak_core PUBLIC -fsanitize=address,undefined)
  add_executable(profile_replay_fuzz tests/fuzz/profile_replay_fuzz.cpp)
  target_link_libraries(profile_replay_fuzz PRIVATE vornak_report vornak_core)
  target_link_options(profile_replay_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)
  return()
endif()

if(VORNAK_SANITIZE)
  set(SAN_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_compile_options(vornak_core PUBLIC ${SAN_FLAGS})
  target_link_options(vornak_core PUBLIC ${SAN_FLAGS})
endif()

add_executable(vornak-report vornak-report/main.cpp)
target_link_libraries(vornak-report PRIVATE vornak_report vornak_core)

# The log reader over many files, for tools/bench-log-reader (run by hand).
add_executable(log_reader_bench tests/bench/log_reader_bench.cpp)
target_link_libraries(log_reader_bench PRIVATE vornak_report vornak_core)

enable_testing()
find_package(GTest REQUIRED)
file(GLOB UNIT_TEST_SOURCES CONFIGURE_DEPENDS tests/unit/*.cpp)
add_executable(unit_tests ${UNIT_TEST_SOURCES})
target_link_libraries(unit_tests PRIVATE vornak_report vornak_core GTest::gtest GTest::gtest_main)
target_compile_definitions(unit_tests PRIVATE
  VORNAK_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
include(GoogleTest)
# Parameterised cases are listed under their names ("All/Versions.X/Windows98"),
# without a dump of the parameter's bytes after them. Each has five minutes:
# the cases that guard against quadratic readers rely on that time-out.
gtest_discover_tests(unit_tests DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES PROPERTIES TIMEOUT 300)

add_test(NAME vornak-report.tool
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/vornak-report/tool.test.sh $<TARGET_FILE:vornak-report>)
# Its JSON (against docs/vornak-report.schema.json), CSV and page of logs
# and profiles alike, read back as a script reads them.
add_test(NAME vornak-report.outputs
         COMMAND python3 ${CMAKE_SOURCE_DIR}/tests/vornak-report/outputs_test.py $<TARGET_FILE:vornak-report>)
# The CSV opened in LibreOffice Calc, in English and in Japanese: every cell
# the JSON's value, texts that look like numbers, dates or truth values too.
add_test(NAME vornak-report.csv-calc
         COMMAND python3 ${CMAKE_SOURCE_DIR}/tests/vornak-report/csv_calc_test.py $<TARGET_FILE:vornak-report>)
set_tests_properties(vornak-report.csv-calc PROPERTIES TIMEOUT 300)
# The page in headless Chromium: DOM, screenshot, no network request.
add_test(NAME vornak-report.html-browser
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/vornak-report/html-browser.test.sh $<TARGET_FILE:vornak-report>)
set_tests_properties(vornak-report.html-browser PROPERTIES TIMEOUT 300)
# --site: folders, duplicates, escaping, links, an old site kept whole.
add_test(NAME vornak-report.site
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/vornak-report/site.test.sh $<TARGET_FILE:vornak-report>)
# The site in Chromium through chromium-driver (Debian's python, which has
# python3-selenium): sorting, filtering, no console error, no request
# outside the site; axe-core and the Nu HTML Checker on the pages and the
# index, the charts' texts in the accessibility tree, the index by keyboard;
# and its canary, the same checks failing on broken sites and pages. One
# test per language, so that the two run side by side.
add_test(NAME vornak-report.site-browser
         COMMAND /usr/bin/python3 ${CMAKE_SOURCE_DIR}/tests/vornak-report/site_browser_test.py $<TARGET_FILE:vornak-report> --lang en)
add_test(NAME vornak-report.site-browser-canary
         COMMAND /usr/bin/python3 ${CMAKE_SOURCE_DIR}/tests/vornak-report/site_browser_test.py $<TARGET_FILE:vornak-report> --canary)
# The same in Japanese (--lang ja): the pages for every reader again, the
# count of rows the script writes, and the policy's hash of that script.
add_test(NAME vornak-report.site-browser-ja
         COMMAND /usr/bin/python3 ${CMAKE_SOURCE_DIR}/tests/vornak-report/site_browser_test.py $<TARGET_FILE:vornak-report> --lang ja)
set_tests_properties(vornak-report.site-browser vornak-report.site-browser-canary vornak-report.site-browser-ja
                     PROPERTIES TIMEOUT 300)
# The tests that read the English pages ask for English whatever the
# caller's locale (a Japanese one makes the pages Japanese).
set_tests_properties(vornak-report.tool vornak-report.outputs vornak-report.html-browser vornak-report.site
                     vornak-report.site-browser vornak-report.site-browser-canary PROPERTIES ENVIRONMENT LC_ALL=C.UTF-8)

# No include reaches up the layers (tools/check-layers), and the check
# fails on trees that break them.
add_test(NAME layers.check COMMAND bash ${CMAKE_SOURCE_DIR}/tests/tools/check-layers.test.sh)

# tools/apt-backports (used by tools/bootstrap) against sample machines.
if(NOT VORNAK_SANITIZE)
  add_test(NAME tools.apt-backports
           COMMAND bash ${CMAKE_SOURCE_DIR}/tests/tools/apt-backports.test.sh)
endif()
