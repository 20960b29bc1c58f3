#!/usr/bin/env bash
# Builds FeldSpan (installing what is missing) and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
. scripts/test-env.sh
ctest --test-dir build --output-on-failure -j2 --timeout 600 "$@"
