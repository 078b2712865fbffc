# make run    install what is missing, build, start Orvane
# make check  install what is missing, build with warnings as errors, run every test:
#             plain, ASan+UBSan, the threading tests under TSan, and short fuzz runs
# make install  build and install Orvane with its desktop entry and icon under PREFIX
JOBS        ?= $(shell nproc)
FUZZ_SECONDS ?= 15
PREFIX      ?= /usr/local
CMAKE_FLAGS  = -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
CTEST        = ctest --output-on-failure -j $(JOBS) --timeout 600

.PHONY: run check install deps build test asan tsan fuzz clean

run: deps
	cmake -S . -B build $(CMAKE_FLAGS)
	cmake --build build -j $(JOBS) --target Orvane
	./build/src/Orvane/Orvane

check: deps test asan tsan fuzz

install: deps
	cmake -S . -B build $(CMAKE_FLAGS)
	cmake --build build -j $(JOBS) --target Orvane
	cmake --install build --prefix $(PREFIX)

deps:
	scripts/install-deps

build: deps
	cmake -S . -B build $(CMAKE_FLAGS) -DORVANE_WERROR=ON
	cmake --build build -j $(JOBS)

test: build
	cd build && $(CTEST)

asan: deps
	cmake -S . -B build-asan $(CMAKE_FLAGS) -DORVANE_WERROR=ON -DORVANE_SANITIZE=address -DORVANE_BENCH=OFF
	cmake --build build-asan -j $(JOBS)
	cd build-asan && $(CTEST)

tsan: deps
	cmake -S . -B build-tsan $(CMAKE_FLAGS) -DORVANE_WERROR=ON -DORVANE_SANITIZE=thread -DORVANE_BENCH=OFF
	cmake --build build-tsan -j $(JOBS)
	cd build-tsan && $(CTEST) -L threads

fuzz: deps
	cmake -S . -B build-fuzz $(CMAKE_FLAGS) -DORVANE_WERROR=ON -DORVANE_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++
	cmake --build build-fuzz -j $(JOBS) --target fuzzers
	scripts/run-fuzzers build-fuzz $(FUZZ_SECONDS)

clean:
	rm -rf build build-asan build-tsan build-fuzz
