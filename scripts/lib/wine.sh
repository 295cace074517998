# shellcheck shell=bash
# Wine and a virtual display for running the Windows programs on Linux. Source this file.
#
#   wine_use_prefix DIR    use (and create on first use) the Wine prefix DIR; sets the Wine environment
#   display_ensure         start Xvfb when there is no DISPLAY (display_stop ends it again)
#   wine_32bit_missing     prints why 32-bit Windows programs cannot run here; false when they can
#
# Wine must never wait for its Mono or Gecko installers, which cannot be downloaded on a build machine,
# and must not link the prefix's Desktop or Documents to the real home folder, where a test would write
# into the developer's own files. Prefixes are created once and reused; creating one takes about 10 s.

# Debian's wine32 brings the 32-bit loader; the 64-bit programs run under wine64 alone.
_wine32_loader=/usr/lib/wine/wine
_wine64_loader=/usr/lib/wine/wine64

# Prints the reason and succeeds when 32-bit programs cannot run: wine32 is missing (it is an i386
# package, which a mirror in the middle of a sync may not serve), or the machine refuses its 32-bit loader.
wine_32bit_missing() {
    if [ ! -x "$_wine32_loader" ]; then
        echo "wine32 is not installed"
    elif ! "$_wine32_loader" --version >/dev/null 2>&1; then
        echo "this machine does not start Wine's 32-bit loader"
    else
        return 1
    fi
}

# Debian's wine command takes the 32-bit loader whenever wine32 is installed; where that loader cannot
# start, commands of the same names that go to wine64 come first on the PATH.
_wine_use_64bit_loader_when_needed() {
    if [ ! -x "$_wine32_loader" ] || [ ! -x "$_wine64_loader" ] || ! wine_32bit_missing >/dev/null; then
        return 0
    fi
    local shims=${TMPDIR:-/tmp}/karvello-wine64-$(id -u)
    mkdir -p "$shims"
    local name
    for name in wine wine-stable; do
        printf '#!/bin/sh\nexport WINELOADER=%s\nexec %s "$@"\n' "$_wine64_loader" "$_wine64_loader" >"$shims/$name"
        chmod +x "$shims/$name"
    done
    case ":$PATH:" in
    *":$shims:"*) ;;
    *) export PATH="$shims:$PATH" ;;
    esac
}

wine_use_prefix() {
    _wine_use_64bit_loader_when_needed
    export WINEPREFIX
    WINEPREFIX=$(realpath -m "$1")
    export WINEDEBUG=${WINEDEBUG:--all}
    export WINEDLLOVERRIDES="mscoree,mshtml="
    export WINEARCH=win64
    # Wine links the shell folders to the XDG folders of HOME; a home of its own keeps them inside the prefix.
    export HOME=$WINEPREFIX.home
    mkdir -p "$HOME"
    _wine_create_prefix
}

_wine_create_prefix() {
    if [ -f "$WINEPREFIX/.karvello-ready" ]; then
        return 0
    fi
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        # Two runs that need the prefix at the same time create it once.
        flock 9
        if [ -f "$WINEPREFIX/.karvello-ready" ]; then
            exit 0
        fi
        # A prefix counts as made when its system folder has kernel32.dll; one failed attempt is retried.
        local attempt
        for attempt in 1 2; do
            rm -rf "$WINEPREFIX"
            echo "creating Wine prefix $WINEPREFIX" >&2
            DISPLAY="" wineboot -i >"$WINEPREFIX.boot.log" 2>&1 || true
            wineserver -w
            [ -f "$WINEPREFIX/drive_c/windows/system32/kernel32.dll" ] && break
            echo "wineboot did not finish the prefix (attempt $attempt, log: $WINEPREFIX.boot.log)" >&2
        done
        if [ ! -f "$WINEPREFIX/drive_c/windows/system32/kernel32.dll" ]; then
            exit 1
        fi
        # Replace every link to a folder outside the prefix by a folder of its own.
        local link
        find "$WINEPREFIX/drive_c/users" -maxdepth 2 -type l -print0 | while IFS= read -r -d '' link; do
            rm -f "$link"
            mkdir -p "$link"
        done
        touch "$WINEPREFIX/.karvello-ready"
    ) 9>"$WINEPREFIX.lock"
}

# Starts Xvfb on a free display number unless a display is already there (or force is given).
display_ensure() {
    if [ -n "${DISPLAY:-}" ] && [ "${1:-}" != force ]; then
        return 0
    fi
    local fifo
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 "${KARVELLO_SCREEN:-1280x800x24}" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    KARVELLO_XVFB_PID=$!
    local number
    if ! read -r -t 20 number <"$fifo"; then
        rm -f "$fifo"
        echo "error: Xvfb did not start" >&2
        return 1
    fi
    rm -f "$fifo"
    export DISPLAY=":$number"
    export KARVELLO_XVFB_PID
}

# Ends the Wine processes of the prefix and the Xvfb that display_ensure started (if it started one).
display_stop() {
    if [ -n "${KARVELLO_XVFB_PID:-}" ]; then
        wineserver -k 2>/dev/null || true
        kill "$KARVELLO_XVFB_PID" 2>/dev/null || true
        wait "$KARVELLO_XVFB_PID" 2>/dev/null || true
        unset KARVELLO_XVFB_PID
    fi
}
