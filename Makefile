# VORNAK95: `make` builds everything, `make test` runs every test, `make run`
# runs the analysis under Wine. Build outputs and Wine prefixes stay in build/.
BUILD   ?= build
JOBS    ?= 2
SRC     := $(CURDIR)
WIN32   := $(BUILD)/win32
NATIVE  := $(BUILD)/native
SAN     := $(BUILD)/native-san
RUNDIR  := $(BUILD)/run

.PHONY: all native sanitize win32 test run clean bootstrap

all: native win32

bootstrap:
	@tools/bootstrap

$(NATIVE)/CMakeCache.txt:
	cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
$(SAN)/CMakeCache.txt:
	cmake -S . -B $(SAN) -DCMAKE_BUILD_TYPE=Debug -DVORNAK_SANITIZE=ON >/dev/null
$(WIN32)/CMakeCache.txt:
	cmake -S . -B $(WIN32) -DCMAKE_TOOLCHAIN_FILE=$(SRC)/cmake/toolchain-i686-mingw.cmake \
	  -DCMAKE_BUILD_TYPE=Release >/dev/null

native: $(NATIVE)/CMakeCache.txt
	cmake --build $(NATIVE) -j $(JOBS)
sanitize: $(SAN)/CMakeCache.txt
	cmake --build $(SAN) -j $(JOBS)
win32: $(WIN32)/CMakeCache.txt
	cmake --build $(WIN32) -j $(JOBS)

# Unit tests natively, then under ASan and UBSan, then the Wine tests.
test: bootstrap
	$(MAKE) native sanitize win32
	cd $(NATIVE) && ctest --output-on-failure -j $(JOBS)
	cd $(SAN) && ctest --output-on-failure -j $(JOBS)
	cd $(WIN32) && ctest --output-on-failure

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
