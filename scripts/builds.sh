# The build folders the checks use, for scripts/test and scripts/drills to
# source: the release build with the generated data, and the checked builds
# (sanitizers, fuzzing), which copy the release build's data tree rather than
# generate their own with an instrumented (and much slower) generator.

jobs=$(nproc)

configure() { # folder, then cmake options
  local folder=$1
  shift
  mkdir -p "$folder"
  cmake -S . -B "$folder" -G Ninja -Wno-dev "$@" > "$folder/configure.log" 2>&1 ||
    { cat "$folder/configure.log"; return 1; }
}

configure_release() {
  configure build -DCMAKE_BUILD_TYPE=Release -DZEPHYRA_TESTS=ON -DZEPHYRA_BENCHMARKS=ON
}

configure_asan() {
  configure build/asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZEPHYRA_SANITIZE="address;undefined" \
    -DZEPHYRA_TESTS=ON -DZEPHYRA_BENCHMARKS=OFF -DZEPHYRA_CONTENT_FROM="$PWD/build"
}

configure_tsan() {
  configure build/tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZEPHYRA_SANITIZE=thread \
    -DZEPHYRA_TESTS=ON -DZEPHYRA_BENCHMARKS=OFF -DZEPHYRA_CONTENT_FROM="$PWD/build"
}

configure_fuzz() {
  configure build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DZEPHYRA_FUZZ=ON -DZEPHYRA_TESTS=OFF -DZEPHYRA_BENCHMARKS=OFF -DZEPHYRA_CONTENT_FROM="$PWD/build"
}

# What the sanitizers do on a finding: stop with a stack trace.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1
export TSAN_OPTIONS=halt_on_error=1
