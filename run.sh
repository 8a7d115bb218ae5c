#!/usr/bin/env bash
# Installs what is missing, builds and starts Morvane. Arguments are passed
# to the program (-setpath FOLDER, -showpath).
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh
exec build/app/morvane "$@"
