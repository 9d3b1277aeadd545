#!/usr/bin/env bash
# Installs what is missing, builds Coinwell and makes its Debian package:
# build/coinwell_<version>_<arch>.deb (install it with "apt-get install ./build/coinwell_...deb").
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh "$@"
cd build
cpack -G DEB
