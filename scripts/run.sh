#!/usr/bin/env bash
# Installs what is missing, builds and starts Coinwell.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
exec build/src/app/coinwell "$@"
