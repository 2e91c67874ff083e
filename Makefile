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
	dpkg-dev \
	file \
	desktop-file-utils \
	appstream \
	shared-mime-info \
	libxml2-utils \
	groff-base

.PHONY: run test build configure deps bench clean package package-check

run: build
	./$(BUILD_DIR)/src/shell/vexa

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	./$(BUILD_DIR)/bench/vexa_bench
	./$(BUILD_DIR)/bench/vexa_results_file_bench

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
	rm -rf $(BUILD_DIR)
