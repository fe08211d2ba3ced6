# Entry points for a fresh Debian/Ubuntu machine; each target installs what it needs first.
SHELL := bash
.SHELLFLAGS := -eu -o pipefail -c

CTEST := ctest -j2 --output-on-failure --no-tests=error
LOGS := build/logs

.PHONY: deps build test run windows web serve package bench fuzz clean

deps:
	scripts/install-deps.sh

build: deps
	cmake --preset dev
	cmake --build --preset dev

test: build package
	mkdir -p $(LOGS)
	$(CTEST) --preset dev | tee $(LOGS)/ctest-dev.txt
	tests/install/deb_check.sh build/package/*.deb | tee $(LOGS)/deb-check.txt
	cmake --preset asan
	cmake --build --preset asan
	$(CTEST) --preset asan | tee $(LOGS)/ctest-asan.txt
	cmake --preset fuzz
	cmake --build --preset fuzz
	scripts/run-fuzzers.sh
	cmake --preset win64
	cmake --build --preset win64
	scripts/with-virtual-display.sh $(CTEST) --preset win64 | tee $(LOGS)/ctest-win64.txt
	cmake --preset web
	cmake --build --preset web
	scripts/install-npm.sh tests/web/npm
	$(CTEST) --preset web | tee $(LOGS)/ctest-web.txt
	@# One closing line summing the ctest runs; a skipped test counts as skipped, not passed.
	@cat $(LOGS)/ctest-dev.txt $(LOGS)/ctest-asan.txt $(LOGS)/ctest-win64.txt $(LOGS)/ctest-web.txt \
		| awk '/tests passed, [0-9]+ tests? failed out of/ { failed += $$(NF-5); total += $$NF } \
		       /^\t *[0-9]+ - .*\(Skipped\)$$/ { skipped++ } \
		       END { printf "%d passed, %d failed, %d skipped\n", total - failed - skipped, failed, skipped }'

# Only what running needs: the run set of packages, the program, and the small sender that
# closes its window when run.sh puts it on a virtual display.
run:
	scripts/install-deps.sh run
	cmake --preset dev
	cmake --build --preset dev --target dravello send_wm_delete
	scripts/run.sh

# The Windows program for users: build/win64/dravello.exe and guirt.dll, stripped,
# build/win64/dravello-windows-x64.zip holding the two, and the installer
# build/win64/dravello-1.0.0-x64.msi.
windows:
	scripts/install-deps.sh windows
	cmake --preset win64
	cmake --build --preset win64 --target windows_dist

# The page: build/web, one folder any static web server can serve as it is (index.html,
# the program's .js and .wasm, the app manifest, icons and the service worker).
web:
	scripts/install-deps.sh web
	cmake --preset web
	cmake --build --preset web --target web_site

# build/web on this machine only, at http://127.0.0.1:$(PORT)/, until Ctrl+C.
PORT ?= 8000
serve: web
	@echo "Dravello is served at http://127.0.0.1:$(PORT)/ (Ctrl+C stops it)"
	python3 -m http.server $(PORT) --bind 127.0.0.1 --directory build/web

# A .deb of a Release build in build/package, the only one there: an older version's goes.
package:
	scripts/install-deps.sh package
	cmake --preset package
	cmake --build --preset package
	rm -f build/package/*.deb
	cpack --preset package

bench: deps
	cmake --preset bench
	cmake --build --preset bench
	@for b in build/bench/bench/*_bench; do \
		if [[ -f $$b && -x $$b ]]; then echo "== $$b"; "$$b"; fi; \
	done
	@echo "== bench/startup_bench.sh"
	bench/startup_bench.sh build/bench
	cmake --preset win64
	cmake --build --preset win64
	@echo "== bench/windows_bench.sh"
	bench/windows_bench.sh build/win64
	cmake --preset web
	cmake --build --preset web --target web_site
	@echo "== bench/web_bench.py"
	/usr/bin/python3 bench/web_bench.py build/web build/win64
	scripts/install-npm.sh bench/web/npm
	@echo "== bench/web_lighthouse.py"
	/usr/bin/python3 bench/web_lighthouse.py build/web

# A longer fuzzing campaign: every fuzzer for FUZZ_SECONDS each (default 600; make test
# gives each 20).
fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz
	FUZZ_SECONDS=$${FUZZ_SECONDS:-600} scripts/run-fuzzers.sh

clean:
	rm -rf build
