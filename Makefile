# Two commands matter: `make run` and `make test`. Everything else is a step of theirs.
SHELL := /bin/sh
JOBS ?= $(shell nproc)
GEN := -G Ninja
CTEST := ctest --output-on-failure -j $(JOBS)

.PHONY: run test bench deps-run deps-test deps-bench native asan win64 fuzz clean

run: deps-run
	@cmake -S . -B build/native $(GEN) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build build/native -j $(JOBS) --target txt2bmp
	@mkdir -p out
	@build/native/bin/txt2bmp data/samples/sample.txt out/sample.bmp
	@echo "wrote out/sample.bmp ($$(wc -c < out/sample.bmp) bytes)"
	@if [ -n "$${DISPLAY:-}" ]; then \
	  scripts/install-deps.sh test && \
	  cmake -S . -B build/win64 $(GEN) -DCMAKE_BUILD_TYPE=Release \
	    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake >/dev/null && \
	  cmake --build build/win64 -j $(JOBS) --target korvane && \
	  echo "starting korvane.exe under Wine (close its window to finish)" && \
	  cd out && ../cmake/wine-run ../build/win64/bin/korvane.exe; \
	else echo "no DISPLAY: the desktop tool is not started"; fi

test: deps-test native asan win64 fuzz
	$(CTEST) --test-dir build/native
	$(CTEST) --test-dir build/asan
	$(CTEST) --test-dir build/fuzz
	scripts/run-windows-tests.sh build/win64 -j $(JOBS)

native:
	@cmake -S . -B build/native $(GEN) -DCMAKE_BUILD_TYPE=Release >/dev/null
	cmake --build build/native -j $(JOBS)

asan:
	@cmake -S . -B build/asan $(GEN) -DCMAKE_BUILD_TYPE=Debug -DKORVANE_SANITIZE=ON >/dev/null
	cmake --build build/asan -j $(JOBS)

win64:
	@cmake -S . -B build/win64 $(GEN) -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake >/dev/null
	cmake --build build/win64 -j $(JOBS)

fuzz:
	@cmake -S . -B build/fuzz $(GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVANE_FUZZ=ON \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
	cmake --build build/fuzz -j $(JOBS) --target korvane_fuzzers

bench: deps-bench
	@cmake -S . -B build/bench $(GEN) -DCMAKE_BUILD_TYPE=Release -DKORVANE_BENCH=ON >/dev/null
	cmake --build build/bench -j $(JOBS)
	bench/run-all.sh build/bench

deps-run:
	@scripts/install-deps.sh run
deps-test:
	@scripts/install-deps.sh test
deps-bench:
	@scripts/install-deps.sh bench

clean:
	rm -rf build out
