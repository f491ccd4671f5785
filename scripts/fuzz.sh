#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz with clang in build-fuzz/ (the core libraries
# only, no windows) and runs them:
#   scripts/fuzz.sh           each target once over its corpus (a regression run, as the
#                             test command does)
#   scripts/fuzz.sh SECONDS   every target for SECONDS, all at once at the lowest priority;
#                             new inputs go to build-fuzz/corpus/<target>, crashes to
#                             build-fuzz/findings/ (copy a finding into its corpus)
# Without clang and its libFuzzer the script says so and does nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-0}

if ! command -v clang++ >/dev/null || ! command -v clang >/dev/null; then
  echo "fuzz: clang not installed, fuzz targets skipped"
  exit 0
fi
probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
echo 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }' \
  >"$probe/p.cpp"
if ! clang++ -fsanitize=fuzzer "$probe/p.cpp" -o "$probe/p" 2>/dev/null; then
  echo "fuzz: clang has no libFuzzer here, fuzz targets skipped"
  exit 0
fi

targets=(fuzz_kurvendatei fuzz_kurvenimport fuzz_konfigdatei fuzz_einstellungen
         fuzz_antworten fuzz_simframes fuzz_kennlinie
         fuzz_csvimport fuzz_pwl)
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build-fuzz -G Ninja "${launcher[@]}" -DCMAKE_C_COMPILER=clang \
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMIV_FUZZ=ON \
  -DMIV_BUILD_GUI=OFF -DMIV_BUILD_TESTS=OFF -DMIV_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target "${targets[@]}" fuzz_saatgut

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

if [ "$seconds" -eq 0 ]; then
  for t in "${targets[@]}"; do
    echo "fuzz: $t over tests/fuzz/corpus/$t"
    build-fuzz/bin/"$t" -runs=0 "tests/fuzz/corpus/$t" 2>&1 | grep -E 'INITED|ERROR|violated' || true
    # grep hides the log; the fuzzer's own status decides.
    if [ "${PIPESTATUS[0]}" -ne 0 ]; then
      echo "fuzz: $t FAILED on its corpus"
      exit 1
    fi
  done
  echo "fuzz: every target passed its corpus"
  exit 0
fi

mkdir -p build-fuzz/findings build-fuzz/logs
pids=()
for t in "${targets[@]}"; do
  mkdir -p "build-fuzz/corpus/$t"
  nice -n 19 build-fuzz/bin/"$t" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="build-fuzz/findings/$t-" "build-fuzz/corpus/$t" "tests/fuzz/corpus/$t" \
    >"build-fuzz/logs/$t.log" 2>&1 &
  pids+=($!)
done
status=0
for i in "${!targets[@]}"; do
  t=${targets[$i]}
  if wait "${pids[$i]}"; then result=ok; else result=FAILED; status=1; fi
  execs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "build-fuzz/logs/$t.log" | grep -o '[0-9]*$' || true)
  cov=$(grep -o 'cov: [0-9]* ft: [0-9]*' "build-fuzz/logs/$t.log" | tail -1 || true)
  echo "fuzz: $t $result, ${execs:-?} executions, $cov (log: build-fuzz/logs/$t.log)"
done
exit $status
