#!/usr/bin/env bash
# Fresh machine to running program: packages, build, start.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
cd build
exec ./vantegra
