# Entry points: run, test, bench, screenshots, format. Each installs the
# Debian packages the build needs first, so a bare machine works.
SHELL := /bin/bash
JOBS ?= 2
BUILD ?= build

DEBIAN_PACKAGES := cmake g++ make qt6-base-dev qt6-qpa-plugins libgl-dev \
    nlohmann-json3-dev libcli11-dev libsqlitecpp-dev libsqlite3-dev \
    libgtest-dev libgmock-dev libbenchmark-dev \
    fonts-noto-cjk clang-format desktop-file-utils appstream

SOURCES = $(shell git ls-files '*.cpp' '*.hpp' 2>/dev/null || find src tests bench tools -name '*.[ch]pp')

.PHONY: deps run test bench screenshots format format-check install-local monkey

deps:
	@missing=""; \
	for p in $(DEBIAN_PACKAGES); do \
	  dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing Debian packages:$$missing"; \
	  SUDO=""; [ "$$(id -u)" -eq 0 ] || SUDO=sudo; \
	  $$SUDO apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y -qq --no-install-recommends $$missing; \
	fi

$(BUILD)/release/Makefile: CMakeLists.txt | deps
	cmake -S . -B $(BUILD)/release -DCMAKE_BUILD_TYPE=Release -DSORVANTA_BUILD_TESTS=OFF

run: deps
	cmake -S . -B $(BUILD)/release -DCMAKE_BUILD_TYPE=Release -DSORVANTA_BUILD_TESTS=OFF
	cmake --build $(BUILD)/release -j$(JOBS)
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ] && [ "$$QT_QPA_PLATFORM" != "offscreen" ]; then \
	  echo "No display found: run headless with $(BUILD)/release/src/sorvanta-cli shrink SCHEME.json (see README)."; \
	else \
	  $(BUILD)/release/src/sorvanta; \
	fi

test: deps
	cmake -S . -B $(BUILD)/test -DCMAKE_BUILD_TYPE=Debug -DSORVANTA_SANITIZE=ON -DSORVANTA_WERROR=ON
	cmake --build $(BUILD)/test -j$(JOBS)
	cd $(BUILD)/test && ctest --output-on-failure -j$(JOBS)
	@$(MAKE) --no-print-directory format-check

bench: deps
	cmake -S . -B $(BUILD)/bench -DCMAKE_BUILD_TYPE=Release -DSORVANTA_BUILD_TESTS=OFF -DSORVANTA_BUILD_BENCH=ON
	cmake --build $(BUILD)/bench -j$(JOBS)
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/bench/sorvanta_bench --benchmark_repetitions=5 \
	  --benchmark_report_aggregates_only=true --benchmark_time_unit=us
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/bench/sorvanta-cold-start 15

screenshots: deps
	cmake -S . -B $(BUILD)/release -DCMAKE_BUILD_TYPE=Release -DSORVANTA_BUILD_TESTS=OFF
	cmake --build $(BUILD)/release -j$(JOBS) --target sorvanta-screenshots
	@# zh_CN is what players run (Noto Sans CJK, wider and taller than the C
	@# locale's font); C and 1.5x show the layout holds elsewhere too.
	for locale in zh_CN.UTF-8 C; do \
	  LANG=$$locale LC_ALL=$$locale QT_QPA_PLATFORM=offscreen \
	    $(BUILD)/release/sorvanta-screenshots screenshots/$${locale%%.*}; \
	done
	LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 QT_SCALE_FACTOR=1.5 QT_QPA_PLATFORM=offscreen \
	  $(BUILD)/release/sorvanta-screenshots screenshots/zh_CN-1.5x

# The whole window under a long seeded run of random gestures, e.g.
# `make monkey SEED=7 EVENTS=50000` (defaults: the suite's seed, 20000 gestures).
monkey: deps
	cmake -S . -B $(BUILD)/monkey -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD)/monkey -j$(JOBS) --target ui_test_monkey
	cd $(BUILD)/monkey/tests && QT_QPA_PLATFORM=offscreen XDG_DATA_HOME=$$PWD/ui-home/data \
	  XDG_CONFIG_HOME=$$PWD/ui-home/config MONKEY_SEED=$(SEED) \
	  MONKEY_EVENTS=$(or $(EVENTS),20000) ./ui_test_monkey randomGestures

format: deps
	clang-format -i $(SOURCES)

format-check:
	@clang-format --dry-run --Werror $(SOURCES) && echo "clang-format: all files formatted"
