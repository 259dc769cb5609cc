#!/usr/bin/env bash
# Real read-only directories and full disks for the end-to-end tests, which
# run under Wine and cannot mount: a test asks this script through
# tests/e2e/mounts.cpp, and tools/run-e2e.sh tells the tests where it is.
#
#   e2e-mount.sh [--report FILE] tmpfs SIZE DIR   an empty tmpfs of SIZE (8m, 64k) on DIR, made when missing
#   e2e-mount.sh [--report FILE] readonly DIR     the tmpfs on DIR remounted read-only
#   e2e-mount.sh [--report FILE] unmount DIR      the tmpfs on DIR unmounted
#   e2e-mount.sh unmount-all                      every mount inside the Wine session unmounted
#
# Only directories inside the Wine session ($ZELVIO_WINE_SESSION) are
# accepted. Exit status 0 when done; 77, with the reason on standard output,
# when mounting is refused here (not root), and the test skips; anything else,
# a mount refused to root among it, is a fault, and the test fails.
# Wine can neither wait for a Linux program it started nor read its output:
# with --report, the output and a last line "e2e-mount status N" go to FILE,
# which appears whole once the script has ended.
set -euo pipefail

if [[ ${1-} == --report ]]; then
    report=$2
    shift 2
    exec >"$report.part" 2>&1
    trap 'echo "e2e-mount status $?"; mv -f "$report.part" "$report"' EXIT
fi

session=${ZELVIO_WINE_SESSION:-}
refuse() { echo "$*"; exit 77; }
fail() { echo "e2e-mount: $*" >&2; exit 1; }

[[ -n $session && -d $session ]] || fail "no Wine session (ZELVIO_WINE_SESSION)"
session=$(realpath "$session")

# A directory given by the test, which must lie inside the session.
inside() {
    local path
    path=$(realpath -m "$1")
    [[ $path == "$session"/* ]] || fail "$1 is outside the Wine session"
    echo "$path"
}

# The mount points inside the session, deepest first ("\040" and the like
# decoded from /proc/mounts).
session_mounts() {
    awk '{ print $2 }' /proc/mounts | while IFS= read -r target; do
        target=$(printf '%b' "$target")
        [[ $target == "$session"/* ]] && echo "$target"
    done | sort -r
}

case ${1-} in
    tmpfs)
        [[ $# == 3 ]] || fail "usage: $0 tmpfs SIZE DIR"
        dir=$(inside "$3")
        [[ $(id -u) == 0 ]] || refuse "mounting needs root, and this runs as $(id -un)"
        mkdir -p "$dir"
        mount -t tmpfs -o "size=$2" tmpfs "$dir" 2>"$session/mount.err" ||
            fail "mount -t tmpfs was refused to root: $(cat "$session/mount.err")"
        ;;
    readonly)
        [[ $# == 2 ]] || fail "usage: $0 readonly DIR"
        dir=$(inside "$2")
        sync
        mount -o remount,ro "$dir"
        ;;
    unmount)
        [[ $# == 2 ]] || fail "usage: $0 unmount DIR"
        dir=$(inside "$2")
        # Lazily: a program that has just ended may hold a file there a moment longer.
        if mountpoint -q "$dir"; then umount -l "$dir"; fi
        ;;
    unmount-all)
        session_mounts | while IFS= read -r target; do umount -l "$target" || true; done
        ;;
    *)
        fail "usage: $0 tmpfs SIZE DIR | readonly DIR | unmount DIR | unmount-all"
        ;;
esac
