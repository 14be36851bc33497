# Vexal: make run | make test | make bench

BUILD    ?= build
BENCH_BUILD ?= build-bench
JOBS     ?= $(shell nproc)
CMAKE_FLAGS ?=

# Debian 12 packages the build and the tests need.
PACKAGES = \
	g++ \
	make \
	cmake \
	ninja-build \
	qt6-base-dev \
	libgl-dev \
	libgtest-dev \
	libgmock-dev \
	libbenchmark-dev \
	fonts-liberation2 \
	poppler-utils \
	libwmf-bin \
	emf2svg \
	fonts-urw-base35 \
	python3

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps configure build run test fuzz bench clean

all: build

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -q && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -q --no-install-recommends $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -x $(BUILD)/bin/vexal ]; then $(BUILD)/bin/vexal; else echo "Built; the program has no main window yet."; fi

# The tests build without debug information: the same code, compiled and linked sooner.
test: CMAKE_FLAGS += -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -DNDEBUG"
test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) -LE fuzz-long

# The file readers' fuzz runs at twenty times their length, under the sanitizers.
fuzz: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -L fuzz-long

bench: deps
	cmake -S . -B $(BENCH_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DVEXAL_BUILD_TESTS=OFF -DVEXAL_BUILD_BENCH=ON
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	@for b in $(BENCH_BUILD)/bench/*_bench; do echo "== $$b"; $$b; done

# Element data: data/Vexal.prt and data/Vexal.txt from the packages' element tables.
ELEMENT_DATA_PACKAGES = bodr python3-periodictable
data: data-elements
data-elements:
	@missing=""; for p in $(ELEMENT_DATA_PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -q && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -q --no-install-recommends $$missing; \
	fi
	/usr/bin/python3 data/generate/make_element_table.py data
.PHONY: data data-elements

clean:
	rm -rf $(BUILD) $(BENCH_BUILD)

# The general unit table data/Vexal.gun, written again from its exact values and each unit checked
# against GNU units (a checking tool only; installed from Debian when missing).
.PHONY: data data-units
data: data-units
data-units:
	@command -v units >/dev/null || { $(SUDO) apt-get update -q && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -q --no-install-recommends units; }
	python3 data/generate/make_unit_table.py --check
	@git diff --quiet -- data/Vexal.gun 2>/dev/null && echo "data/Vexal.gun unchanged" || echo "data/Vexal.gun changed"
