#!/usr/bin/env bash
# Installs what is missing, builds and starts Coinwell.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
# Straight from the build tree: the program finds the pictures and help pages built beside it.
exec build/src/app/coinwell "$@"
