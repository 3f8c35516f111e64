# Vorla 2: the two commands a newcomer needs are `make run` and `make test`.
.PHONY: all deps build run test test-fast test-asan build-asan build-fuzz fuzz clean

PACKAGES := libsdl2-dev libsdl2-image-dev libsdl2-mixer-dev libfreetype-dev libpng-dev \
  libgl1-mesa-dri libglx-mesa0 libegl-mesa0 fonts-dejavu-core fonts-dejavu-extra \
  fonts-liberation2 fonts-crosextra-carlito fonts-comic-neue xvfb xauth xdotool x11-utils \
  mesa-utils librsvg2-bin vorbis-tools sox libsox-fmt-all imagemagick ninja-build cmake \
  pkg-config g++ make libgtest-dev libbenchmark-dev clang libclang-rt-14-dev

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
JOBS ?= $(shell nproc)
BUILD_TYPE ?= RelWithDebInfo

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; \
	done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get update -qq && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; \
	fi

build/build.ninja:
	cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: build/build.ninja
	cmake --build build -j $(JOBS)

run: deps build
	./build/vorla2

build-asan/build.ninja:
	cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVORLA2_SANITIZE=ON -DVORLA2_BENCH=OFF

build-asan: build-asan/build.ninja
	cmake --build build-asan -j $(JOBS)

# The plain build's tests, then the same tests under AddressSanitizer and UndefinedBehaviorSanitizer.
test: deps build
	ctest --test-dir build -j $(JOBS) --output-on-failure --timeout 600
	$(MAKE) test-asan

test-fast: build
	ctest --test-dir build -j $(JOBS) --output-on-failure --timeout 600

test-asan: deps build-asan
	ctest --test-dir build-asan -j $(JOBS) --output-on-failure --timeout 900

# The readers of outside bytes under libFuzzer (clang, ASan+UBSan), in a tree of their own: each
# target runs FUZZ_SECONDS, FUZZ_PARALLEL at a time (see tests/fuzz/run_fuzz.sh). CI does not run
# this; it replays the corpora in the plain and sanitizer builds.
FUZZ_SECONDS ?= 180
FUZZ_PARALLEL ?= 4
FUZZ_TARGETS ?= ini_parser ini_loader csv spreadsheet translation script modifier timechunktype events dds \
  widths formatted_text savegame

build-fuzz/build.ninja:
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORLA2_FUZZ=ON

build-fuzz: deps build-fuzz/build.ninja
	cmake --build build-fuzz -j $(JOBS) --target fuzz_all

fuzz: build-fuzz
	tests/fuzz/run_fuzz.sh build-fuzz $(FUZZ_SECONDS) $(FUZZ_PARALLEL) $(FUZZ_TARGETS)

clean:
	rm -rf build build-asan build-fuzz
