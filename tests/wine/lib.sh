# Helpers of the GUI tests under Wine; sourced by the test scripts.
#   BUILD      the x86_64 build directory (first argument of every script)
#   ARTIFACTS  where screenshots go: $BUILD/wine-artifacts/<test name>
# The tests run in a prefix of their own ($BUILD/wineprefix-gui) in which Wine draws
# the window frames itself, so the screenshots show the captions without a window
# manager.
set -euo pipefail
SOURCE=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
BUILD=$(cd "$1" && pwd)
RUN=$SOURCE/tools/wine/run
export WINEPREFIX=$BUILD/wineprefix-gui
export WINEDEBUG=-all
ARTIFACTS=$BUILD/wine-artifacts/$(basename "$0" .sh)
mkdir -p "$ARTIFACTS"
[ -n "${DISPLAY:-}" ] || { echo "no DISPLAY: run under xvfb-run" >&2; exit 1; }

prepare_prefix() {
    if [ ! -f "$WINEPREFIX/.gui-ready" ]; then
        "$RUN" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
        "$RUN" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
        touch "$WINEPREFIX/.gui-ready"
    fi
}

# auto COMMAND... : runs the automation client; its output goes to stdout.
auto() { "$RUN" "$BUILD/automation.exe" "$@"; }

# expect LINE COMMAND... : runs the client and fails unless its output has LINE.
expect() {
    local want=$1; shift
    local out
    out=$(auto "$@" | tr -d '\r') || true
    if grep -q '^error' <<<"$out"; then echo "$out"; echo "FAILED: automation: $*" >&2; return 1; fi
    echo "$out"
    grep -qxF -- "$want" <<<"$out" || { echo "FAILED: expected line: $want" >&2; return 1; }
}

# shot NAME : screenshot of the whole screen into the artifacts.
shot() {
    sleep 0.5
    /usr/bin/import -window root "$ARTIFACTS/$1.png"
    echo "screenshot $ARTIFACTS/$1.png"
}

# Kills what the test started when it ends, whatever happened.
PIDS=()
cleanup() {
    for p in "${PIDS[@]}"; do kill "$p" 2>/dev/null || true; done
    WINEPREFIX=$WINEPREFIX /usr/lib/wine/wineserver -k 2>/dev/null || wineserver -k 2>/dev/null || true
}
trap cleanup EXIT
