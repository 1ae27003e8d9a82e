#!/usr/bin/env bash
# lorp's main job: builds everything and converts the documents in examples/
# into PDF, SVG and text, printing where the files are.
# Usage: tools/examples.sh [output directory, default out/examples]
set -euo pipefail
cd "$(dirname "$0")/.."
out_dir=${1:-out/examples}

tools/install_deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build -j "$(nproc)" --target lorp
/usr/bin/python3 tools/convert_examples.py build/python examples "$out_dir"
