#!/usr/bin/env bash
# Installs what is missing, builds and starts Coinwell.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
# Run from the build tree: the generated pictures and help pages are there.
export COINWELL_SHARE_DIR="$PWD/build/share/coinwell"
exec build/src/app/coinwell "$@"
