#!/usr/bin/env bash
# Fresh machine to tested program: packages, build, every test through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
mkdir -p /tmp/vantegra-xdg && chmod 700 /tmp/vantegra-xdg
cd build
ctest --output-on-failure --parallel "$(nproc)" --timeout 300
