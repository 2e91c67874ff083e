# Two commands for a new user: `make run` and `make test`.
# Both first install whatever Debian packages are missing, then configure and build.

BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

PACKAGES := cmake make g++ \
	qt6-base-dev qt6-base-dev-tools libqt6printsupport6 libqt6test6 qt6-qpa-plugins libgl-dev \
	fonts-liberation2 fonts-dejavu-core fontconfig locales-all \
	libbenchmark-dev \
	pkg-config \
	liblcms2-dev \
	poppler-utils \
	clang \
	libclang-rt-14-dev \
	dpkg-dev \
	file \
	desktop-file-utils \
	appstream \
	shared-mime-info \
	libxml2-utils \
	groff-base \
	libcsv-dev \
	libcli11-dev

# `make check` and `make fuzz` use a second build folder: the whole suite and
# the fuzz targets built with clang, AddressSanitizer, UBSan and the checked
# standard library; ccache is used when it is installed.
CHECK_DIR ?= build-check
CHECK_CXX ?= clang++
FUZZ_SECONDS ?= 60
SANITIZE_FLAGS := -fsanitize=address,undefined -fno-sanitize-recover=undefined -D_GLIBCXX_ASSERTIONS
CCACHE := $(shell command -v ccache 2>/dev/null)
CHECK_ENV := QT_QPA_PLATFORM=offscreen \
	ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1 \
	UBSAN_OPTIONS=print_stacktrace=1

.PHONY: run test build configure deps bench clean check check-build fuzz package package-check

run: build
	./$(BUILD_DIR)/src/shell/vexa

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	./$(BUILD_DIR)/bench/vexa_bench
	./$(BUILD_DIR)/bench/vexa_results_file_bench
	./$(BUILD_DIR)/bench/vexa_window_bench

check: check-build
	cd $(CHECK_DIR) && $(CHECK_ENV) ctest --output-on-failure -j $(JOBS)
	$(MAKE) package-check

fuzz: check-build
	cd $(CHECK_DIR) && $(CHECK_ENV) VEXA_FUZZ_SECONDS=$(FUZZ_SECONDS) \
		ctest -L fuzz --output-on-failure -j $(JOBS) --timeout $$(( $(FUZZ_SECONDS) + 300 ))

check-build: deps
	cmake -S . -B $(CHECK_DIR) -G "Unix Makefiles" -DCMAKE_CXX_COMPILER=$(CHECK_CXX) \
		"-DCMAKE_CXX_FLAGS=$(SANITIZE_FLAGS) -fsanitize=fuzzer-no-link" \
		-DVEXA_BUILD_FUZZERS=ON -DVEXA_BUILD_BENCHMARKS=OFF \
		$(if $(CCACHE),-DCMAKE_CXX_COMPILER_LAUNCHER=$(CCACHE))
	cmake --build $(CHECK_DIR) -j $(JOBS)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

# The Debian package vexa_<version>_amd64.deb, left in this folder.
package: build
	rm -f $(BUILD_DIR)/vexa_*.deb
	cd $(BUILD_DIR) && cpack -G DEB
	cp $(BUILD_DIR)/vexa_*.deb .

# Validates the desktop files, the package's contents, and installs it (as root).
package-check: package
	./tools/check-package.sh $$(ls $(BUILD_DIR)/vexa_*.deb)

configure: deps
	cmake -S . -B $(BUILD_DIR) -G "Unix Makefiles"

deps:
	@./tools/install-deps.sh $(PACKAGES)

clean:
	rm -rf $(BUILD_DIR) $(CHECK_DIR)
