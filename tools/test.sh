#!/usr/bin/env bash
# lorp's test command: installs what is missing, configures, builds and runs
# every test through ctest. Usage: tools/test.sh [--werror] [--sanitize]
#   --werror    warnings are errors (CI turns this on)
#   --sanitize  build and test with -fsanitize=address,undefined (in build-asan/)
set -euo pipefail
cd "$(dirname "$0")/.."

werror=OFF
sanitize=OFF
build_dir=build
for arg in "$@"; do
  case "$arg" in
    --werror) werror=ON ;;
    --sanitize) sanitize=ON; build_dir=build-asan ;;
    *) echo "unknown option: $arg" >&2; exit 2 ;;
  esac
done

tools/install_deps.sh

jobs=$(nproc)
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DLORP_WERROR="$werror" -DLORP_SANITIZE="$sanitize" -DLORP_BUILD_BENCH=ON
cmake --build "$build_dir" -j "$jobs"
cd "$build_dir"
ctest --output-on-failure -j "$jobs"
