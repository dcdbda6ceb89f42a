# SPDX-FileCopyrightText: 2026 The Pokurimo developers
# SPDX-License-Identifier: MIT

# The two commands a newcomer needs: `make run` and `make test`.
JOBS      ?= 2
RELEASE   := build/release
CHECK     := build/asan
# ccache, where installed, spares rebuilding what has not changed.
LAUNCHER  := $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
CMAKE_GEN := cmake -S . -G "Unix Makefiles" $(LAUNCHER)

.PHONY: deps run release test check-build bench screenshots screenshot-references assets package clean

deps:
	@bash tools/deps.sh

$(RELEASE)/CMakeCache.txt:
	$(CMAKE_GEN) -B $(RELEASE) -DCMAKE_BUILD_TYPE=Release

$(CHECK)/CMakeCache.txt:
	$(CMAKE_GEN) -B $(CHECK) -DCMAKE_BUILD_TYPE=Debug -DPOKURIMO_SANITIZE=ON

release: deps $(RELEASE)/CMakeCache.txt
	cmake --build $(RELEASE) -j $(JOBS)

run: release
	$(RELEASE)/pokurimo

check-build: deps $(CHECK)/CMakeCache.txt
	cmake --build $(CHECK) -j $(JOBS)

test: check-build
	cd $(CHECK) && QT_QPA_PLATFORM=offscreen ctest -j $(JOBS) --output-on-failure

# Micro-benchmarks, then the whole-process measurements; writes bench/results.md.
bench: release
	cmake --build $(RELEASE) -j $(JOBS) --target benches
	cd $(RELEASE) && ./bench/pokurimo_bench --benchmark_out=bench/micro.json --benchmark_out_format=json
	bash bench/run_all.sh $(RELEASE) $(RELEASE)/bench/micro.json

screenshots: release
	cmake --build $(RELEASE) -j $(JOBS) --target take_screenshots
	cd $(RELEASE) && QT_QPA_PLATFORM=offscreen ./tools/take_screenshots screenshots
	@echo "Screenshots are in $(RELEASE)/screenshots"

# Renders the screens anew as the references `make test` compares with (commit
# them with the change that alters what a screen shows).
screenshot-references: release
	cmake --build $(RELEASE) -j $(JOBS) --target take_screenshots
	rm -rf tests/screenshots/references && mkdir -p tests/screenshots/references
	cd $(RELEASE) && QT_QPA_PLATFORM=offscreen ./tools/take_screenshots screenshots-ref
	cp -r $(RELEASE)/screenshots-ref/ja $(RELEASE)/screenshots-ref/en tests/screenshots/references/

# Redraws every picture, course map and sound into assets/ (commit the result).
assets: release
	cmake --build $(RELEASE) -j $(JOBS) --target generators
	QT_QPA_PLATFORM=offscreen $(RELEASE)/tools/gen_pictures assets
	QT_QPA_PLATFORM=offscreen $(RELEASE)/tools/gen_courses assets
	$(RELEASE)/tools/gen_sounds assets

package: release
	cd $(RELEASE) && cpack -G DEB

clean:
	rm -rf build
