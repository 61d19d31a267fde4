#!/usr/bin/env bash
# Runs the tests under the sanitizers, each in a build folder of its own:
#   asan  AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer over
#         every test (build-asan/)
#   tsan  ThreadSanitizer over the tests that run worker threads, the ones
#         labelled "threads" (build-tsan/)
# Any finding fails the test it happens in. Only the test programs and what
# they need are built (no gallery, no benchmarks).
#
#   bash scripts/sanitize.sh            # both stages
#   bash scripts/sanitize.sh tsan       # one of them
set -euo pipefail
cd "$(dirname "$0")/.."
[ "${SKIP_DEPS:-}" = 1 ] || bash scripts/install-deps.sh
stages=("$@")
[ ${#stages[@]} -gt 0 ] || stages=(asan tsan)
jobs=$(nproc)
root=$PWD

# configure_and_build <build dir> <cmake options...>
configure_and_build() {
  local dir=$1
  shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  cmake --build "$dir" -j "$jobs" --target test-binaries
}

# run_tests <build dir> <ctest options...>
run_tests() {
  local dir=$1
  shift
  (cd "$dir" && xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure -j "$jobs" "$@")
}

for stage in "${stages[@]}"; do
  case $stage in
    asan)
      configure_and_build build-asan -DHANDOVER_SANITIZE=ON
      # A finding ends the process with an error (UBSan: the build already
      # makes every check fatal), which fails the test.
      export ASAN_OPTIONS="halt_on_error=1:detect_stack_use_after_return=1:strict_init_order=1"
      export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
      export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
      # Leaks are looked for in the tests without a window: they cover the
      # device library, detection, content rows and exports. GTK, GLib,
      # fontconfig and D-Bus keep caches for the life of any process with a
      # display and free none of them at exit; their stacks end inside those
      # uninstrumented libraries, so they cannot be told from the program's
      # own by a narrow rule. The window tests run with every other check.
      ASAN_OPTIONS="$ASAN_OPTIONS:detect_leaks=1" run_tests build-asan -LE gui
      ASAN_OPTIONS="$ASAN_OPTIONS:detect_leaks=0" run_tests build-asan -L gui
      ;;
    tsan)
      configure_and_build build-tsan -DHANDOVER_TSAN=ON
      TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$root/tests/tsan.supp" \
        run_tests build-tsan -L threads
      ;;
    *)
      echo "unknown stage: $stage (asan or tsan)" >&2
      exit 2
      ;;
  esac
done
