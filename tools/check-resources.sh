#!/usr/bin/env bash
# Checks with a reader we did not write (wrestool, Debian's icoutils) that
# both programs carry their manifest, icon group and version information.
#
#   tools/check-resources.sh [BUILD_DIR]    (build/windows unless told)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/windows}

status=0
for program in "$build/mpzelvio.exe" "$build/install.exe"; do
    listing=$(wrestool -l "$program")
    for wanted in "--type=24 --name=1 " "--type=14 --name=1 " "--type=16 --name=1 "; do
        if ! grep -qF -- "$wanted" <<<"$listing"; then
            echo "check-resources: $program lacks $wanted(24 manifest, 14 icon group, 16 version):" >&2
            echo "$listing" >&2
            status=1
        fi
    done
done
[[ $status == 0 ]] && echo "check-resources: both programs carry their manifest, icon group and version"
exit "$status"
