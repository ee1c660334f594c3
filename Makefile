# VORNAK95: `make` builds everything, `make test` runs every test, `make run`
# runs the analysis under Wine. Build outputs and Wine prefixes stay in build/.
BUILD   ?= build
JOBS    ?= 2
SRC     := $(CURDIR)
WIN32   := $(BUILD)/win32
NATIVE  := $(BUILD)/native
SAN     := $(BUILD)/native-san
FUZZ    := $(BUILD)/fuzz
FUZZ_SECONDS ?= 600
RUNDIR  := $(BUILD)/run

.PHONY: all native sanitize win32 fuzz-build fuzz test run clean bootstrap

all: native win32

bootstrap:
	@tools/bootstrap

$(NATIVE)/CMakeCache.txt:
	cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
$(SAN)/CMakeCache.txt:
	cmake -S . -B $(SAN) -DCMAKE_BUILD_TYPE=Debug -DVORNAK_SANITIZE=ON >/dev/null
$(FUZZ)/CMakeCache.txt:
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORNAK_FUZZ=ON >/dev/null
$(WIN32)/CMakeCache.txt:
	cmake -S . -B $(WIN32) -DCMAKE_TOOLCHAIN_FILE=$(SRC)/cmake/toolchain-i686-mingw.cmake \
	  -DCMAKE_BUILD_TYPE=Release >/dev/null

native: $(NATIVE)/CMakeCache.txt
	cmake --build $(NATIVE) -j $(JOBS)
sanitize: $(SAN)/CMakeCache.txt
	cmake --build $(SAN) -j $(JOBS)
win32: $(WIN32)/CMakeCache.txt
	cmake --build $(WIN32) -j $(JOBS)
fuzz-build: $(FUZZ)/CMakeCache.txt
	cmake --build $(FUZZ) -j $(JOBS)

# The profile fuzz target for as long as asked: make fuzz FUZZ_SECONDS=3600.
fuzz: bootstrap fuzz-build
	tools/fuzz-run $(FUZZ_SECONDS)

# Unit tests natively, then under ASan and UBSan, then the Wine tests with a
# minute of fuzzing beside them (one core each).
test: bootstrap
	$(MAKE) native sanitize win32 fuzz-build
	cd $(NATIVE) && ctest --output-on-failure -j $(JOBS)
	cd $(SAN) && ctest --output-on-failure -j $(JOBS)
	@tools/fuzz-run 60 > $(FUZZ)/fuzz-run.out 2>&1 & fuzz=$$!; \
	  (cd $(WIN32) && ctest --output-on-failure); wine=$$?; \
	  wait $$fuzz; fuzzed=$$?; cat $(FUZZ)/fuzz-run.out; \
	  [ $$wine = 0 ] && [ $$fuzzed = 0 ]

# With a DISPLAY the program's window opens; without one the batch mode
# writes VORNAK95.LOG in $(RUNDIR) and prints it.
run: bootstrap
	$(MAKE) win32
	@mkdir -p $(RUNDIR)
	@cp -f $(WIN32)/bin/VORNAK95.EXE $(WIN32)/bin/*.dll $(RUNDIR)/
	@if [ -f res/vornak95.htm ]; then cp -f res/vornak95.htm $(RUNDIR)/; fi
	@if [ -n "$$DISPLAY" ]; then \
	  tools/wine-prefix $(abspath $(BUILD))/wine/run-x11 && \
	  cd $(RUNDIR) && WINEPREFIX=$(abspath $(BUILD))/wine/run-x11 WINEDEBUG=-all wine VORNAK95.EXE; \
	else \
	  tools/wine-prefix $(abspath $(BUILD))/wine/run headless && \
	  cd $(RUNDIR) && WINEPREFIX=$(abspath $(BUILD))/wine/run WINEDEBUG=-all wine VORNAK95.EXE /LOG && \
	  echo "--- $(RUNDIR)/VORNAK95.LOG ---" && cat VORNAK95.LOG; \
	fi

# The release package, dist/VORNAK95-<version>.zip (tools/dist).
.PHONY: dist
dist: bootstrap
	$(MAKE) win32
	@tools/dist $(WIN32)/bin dist

clean:
	rm -rf $(BUILD)
