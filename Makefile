# Entry points: run, test, bench, screenshots, format. Each installs the
# Debian packages the build needs first, so a bare machine works.
SHELL := /bin/bash
JOBS ?= 2
BUILD ?= build

DEBIAN_PACKAGES := cmake g++ make qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-qpa-plugins libgl-dev \
    nlohmann-json3-dev libcli11-dev libsqlitecpp-dev libsqlite3-dev \
    libgtest-dev libgmock-dev libbenchmark-dev \
    fonts-noto-cjk qt6-translations-l10n clang-format desktop-file-utils appstream
# Only `make fuzz` needs these: clang and its libFuzzer runtime.
FUZZ_DEBIAN_PACKAGES := clang libclang-rt-dev

SOURCES = $(shell git ls-files '*.cpp' '*.hpp' 2>/dev/null || find src tests bench tools -name '*.[ch]pp')

.PHONY: deps run test bench fuzz monkey screenshots format format-check install-local

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

# Fuzzing: every fuzz/fuzz_*.cpp target for SECONDS each, one after another,
# with clang, libFuzzer, ASan and UBSan over the target and every library it
# links. Each target starts from fuzz/corpus/<target>/ and the corpus is then
# merged down to a small set of inputs that reach all the code it reached: the
# named inputs (seeds, crash reproducers) always stay, found ones are kept
# under their hash only while they add coverage. fuzz/<name>.dict is the
# target's dictionary when there is one. A crash, a leak, an abort or a
# timeout fails the run and leaves the input in $(BUILD)/fuzz/crashes/<target>/; replay it
# with any build's reproducer: build/test/fuzz/<target> FILE.
#   make fuzz SECONDS=600 FUZZ_TARGETS="fuzz_scheme fuzz_draw_text"
SECONDS ?= 60
FUZZ_TARGETS ?= $(sort $(basename $(notdir $(wildcard fuzz/fuzz_*.cpp))))
FUZZ_BUILD := $(BUILD)/fuzz
FUZZ_LAUNCHER := $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

fuzz: DEBIAN_PACKAGES += $(FUZZ_DEBIAN_PACKAGES)
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" \
	  -DSORVANTA_FUZZ=ON -DSORVANTA_BUILD_UI=OFF -DSORVANTA_BUILD_TESTS=OFF $(FUZZ_LAUNCHER)
	cmake --build $(FUZZ_BUILD) -j$(JOBS) --target $(FUZZ_TARGETS) sorvanta-scheme-dict
	$(FUZZ_BUILD)/fuzz/sorvanta-scheme-dict > fuzz/scheme.dict
	@failed=""; \
	for t in $(FUZZ_TARGETS); do \
	  corpus=fuzz/corpus/$$t; found=$(FUZZ_BUILD)/found/$$t; crashes=$(FUZZ_BUILD)/crashes/$$t; \
	  log=$(FUZZ_BUILD)/logs/$$t.log; dict=fuzz/$${t#fuzz_}.dict; \
	  rm -rf $$found; mkdir -p $$corpus $$found $$crashes $(FUZZ_BUILD)/logs; \
	  args=(-timeout=30 -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix=$$crashes/); \
	  [ -f $$dict ] && args+=(-dict=$$dict); \
	  echo "== $$t: $(SECONDS) s, log $$log"; \
	  if nice $(FUZZ_BUILD)/fuzz/$$t "$${args[@]}" -max_total_time=$(SECONDS) $$found $$corpus > $$log 2>&1; then \
	    grep -E '^#[0-9]+' $$log | tail -1; \
	    grep -E '^stat::(number_of_executed_units|new_units_added|peak_rss_mb)' $$log; \
	  else \
	    failed="$$failed $$t"; tail -n 60 $$log; ls $$crashes; \
	  fi; \
	  before=$$(ls $$corpus | wc -l); merged=$(FUZZ_BUILD)/merged/$$t; \
	  rm -rf $$merged; mkdir -p $$merged; \
	  find $$corpus -maxdepth 1 -type f -regextype posix-extended ! -regex '.*/[0-9a-f]{40}' \
	    -exec cp {} $$merged \; ; \
	  if nice $(FUZZ_BUILD)/fuzz/$$t "$${args[@]}" -set_cover_merge=1 $$merged $$corpus $$found > $$log.merge 2>&1; then \
	    rm -rf $$corpus && mv $$merged $$corpus; \
	  else \
	    echo "merge of $$t failed, see $$log.merge"; failed="$$failed $$t(merge)"; \
	  fi; \
	  echo "   corpus $$corpus: $$before -> $$(ls $$corpus | wc -l) inputs, $$(du -sh --apparent-size $$corpus | cut -f1)"; \
	done; \
	if [ -n "$$failed" ]; then echo "fuzz: failed:$$failed"; exit 1; fi; \
	echo "fuzz: every target ran $(SECONDS) s without a finding"

screenshots: deps
	cmake -S . -B $(BUILD)/release -DCMAKE_BUILD_TYPE=Release -DSORVANTA_BUILD_TESTS=OFF
	cmake --build $(BUILD)/release -j$(JOBS) --target sorvanta-screenshots
	@# zh_CN is what players run (Noto Sans CJK, wider and taller than the C
	@# locale's font); C, 1.5x and 2x show the layout holds elsewhere too.
	for locale in zh_CN.UTF-8 C; do \
	  LANG=$$locale LC_ALL=$$locale QT_QPA_PLATFORM=offscreen \
	    $(BUILD)/release/sorvanta-screenshots screenshots/$${locale%%.*}; \
	done
	for scale in 1.5 2; do \
	  LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 QT_SCALE_FACTOR=$$scale QT_QPA_PLATFORM=offscreen \
	    $(BUILD)/release/sorvanta-screenshots screenshots/zh_CN-$${scale}x; \
	done

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
