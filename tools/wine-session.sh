#!/usr/bin/env bash
# Runs a command inside a throw-away Wine session: a fresh WINEPREFIX, an Xvfb
# display of its own (1024x768x24) and a PulseAudio server with a null sink.
# Everything it started is ended and removed when the command ends, whether
# it succeeds or fails. The command's exit status is the script's.
#
#   tools/wine-session.sh [--use-display] COMMAND [ARGS...]
#
#   --use-display   show the windows on the current $DISPLAY instead of Xvfb
#
# Inside the session WINEPREFIX, DISPLAY, WINEDEBUG=-all, HOME and
# XDG_DATA_HOME (so the trash is the session's own) and ZELVIO_WINE_SESSION
# (a scratch directory removed at the end) are set.
set -euo pipefail

usage() {
    echo "usage: $0 [--use-display] COMMAND [ARGS...]" >&2
    exit 2
}

use_display=0
while [[ $# -gt 0 ]]; do
    case $1 in
        --use-display) use_display=1; shift ;;
        --) shift; break ;;
        -*) usage ;;
        *) break ;;
    esac
done
[[ $# -gt 0 ]] || usage

session=$(mktemp -d "${TMPDIR:-/tmp}/zelvio-wine.XXXXXX")
xvfb_pid=
pulse_started=0
command_pid=

say() { echo "wine-session: $*" >&2; }

cleanup() {
    local status=$?
    set +e
    if [[ -n $command_pid ]]; then
        kill "$command_pid" 2>/dev/null
        wait "$command_pid" 2>/dev/null
    fi
    if [[ -d $session/prefix ]]; then
        wineserver -k 2>/dev/null
        wineserver -w 2>/dev/null
    fi
    # What the end-to-end tests mounted inside the session (tools/e2e-mount.sh)
    # goes before the session's files.
    "$(dirname "${BASH_SOURCE[0]}")/e2e-mount.sh" unmount-all >/dev/null 2>&1
    if [[ $pulse_started == 1 ]]; then
        pulseaudio --kill 2>/dev/null
    fi
    if [[ -n $xvfb_pid ]]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
    rm -rf "$session"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

export ZELVIO_WINE_SESSION=$session
export WINEPREFIX=$session/prefix
export WINEDEBUG=-all
# No Mono or Gecko: the programs need neither, and their installers would
# stop wineboot with a dialog.
export WINEDLLOVERRIDES="mscoree,mshtml="
# A home of its own keeps Wine's folders, its trash (the Recycle Bin) and
# PulseAudio's files out of the user's; the X authority of the user's display
# stays reachable.
export XAUTHORITY=${XAUTHORITY:-$HOME/.Xauthority}
export HOME=$session/home
export XDG_DATA_HOME=$HOME/.local/share
export XDG_RUNTIME_DIR=$session/runtime
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

if [[ $use_display == 1 ]]; then
    [[ -n ${DISPLAY:-} ]] || { say "--use-display needs \$DISPLAY"; exit 2; }
else
    # Xvfb picks a free display number itself and writes it to fd 3 once
    # it accepts connections.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$session/display" >"$session/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [[ -s $session/display ]] && break
        kill -0 "$xvfb_pid" 2>/dev/null || { say "Xvfb failed:"; cat "$session/xvfb.log" >&2; exit 1; }
        sleep 0.1
    done
    [[ -s $session/display ]] || { say "Xvfb did not start within 10 s"; exit 1; }
    export DISPLAY=:$(head -n1 "$session/display")
fi

if pulseaudio -D --exit-idle-time=-1 -n --load=module-null-sink --load=module-native-protocol-unix \
        >"$session/pulseaudio.log" 2>&1; then
    pulse_started=1
else
    say "PulseAudio did not start; sound devices will fail:"
    cat "$session/pulseaudio.log" >&2
fi

wineboot -i >"$session/wineboot.log" 2>&1 || { say "wineboot failed:"; cat "$session/wineboot.log" >&2; exit 1; }
"$(dirname "${BASH_SOURCE[0]}")/wine-fonts.sh"
if [[ $use_display == 0 ]]; then
    # Xvfb has no window manager; Wine would wait 2 s for one at every
    # window it hides. Windows that draw their own frames need none.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >>"$session/wineboot.log" 2>&1
fi
wineserver -w
# The command finds the server started, with its window station and desktop:
# a program that is the first process of a new server has neither, and one of
# its threads may then get no message queue and see no window at all (seen
# with an end-to-end test whose program starts from a read-only directory).
wine cmd /c exit >>"$session/wineboot.log" 2>&1

# In the background, so that a signal to this script is handled at once
# rather than when the command ends; stdin stays the script's.
"$@" <&0 &
command_pid=$!
status=0
wait "$command_pid" || status=$?
command_pid=
exit "$status"
