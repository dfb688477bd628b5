# The Wine that runs on this machine, in a prefix of the build's own.
# Sourced. Sets WIN_ARCH (i686 or x86_64) and WINE, and exports WINEPREFIX.
#
# The shipped program is 32-bit, and a 32-bit prefix is the one that has
# C:\windows\system as the target systems do. Where the kernel can't run
# 32-bit programs (32-bit emulation switched off), 32-bit Wine can't start
# either; the same code is then built for x86_64 and run in a 64-bit prefix,
# and the shipped exe itself runs through an emulator (emulation.sh). Where
# i386 programs already go to an emulator (an entry of binfmt_misc), a
# 32-bit prefix would run every Wine process emulated, far too slowly: that
# machine is treated as one without 32-bit support. CORVANE_EMULATE_I686=1
# treats any machine so, to try that path where it is not needed.
wine_setup() {
    if [ -z "${CORVANE_EMULATE_I686:-}" ] && ! i386_through_emulator && /usr/lib/wine/wine --version >/dev/null 2>&1; then
        WIN_ARCH=i686
        WINE=/usr/lib/wine/wine
        export WINEARCH=win32
    else
        WIN_ARCH=x86_64
        WINE=/usr/lib/wine/wine64
        export WINEARCH=win64
        echo "note: this kernel runs no 32-bit programs of its own; using 64-bit Wine and an x86_64 build of the same code, and the shipped exe through an emulator" >&2
    fi
    export WINELOADER="$WINE"
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    wine_prefix "$PWD/build/wine-$WIN_ARCH"
}

# True when an entry of binfmt_misc sends i386 programs to an emulator.
i386_through_emulator() {
    local f
    for f in /proc/sys/fs/binfmt_misc/*; do
        [ -f "$f" ] || continue
        grep -qx enabled "$f" 2>/dev/null && grep -q '^interpreter .*qemu-i386' "$f" 2>/dev/null && return 0
    done
    return 1
}

# Makes WINEPREFIX the given prefix, creating it when it does not exist yet
# (with the Windows version it is to report, when one is given: win98),
# with one virtual desktop for every program of the prefix (it draws the title
# bars and keeps the keyboard focus where a window manager would) and Wine's
# own fonts in its Fonts folder. 64-bit Wine 8 on Debian does not look for
# them in its data folder: without them MS Shell Dlg, Tahoma and Marlett fall
# back to a wider face and the title-bar buttons show letters.
wine_prefix() {
    export WINEPREFIX="$1"
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "Creating the Wine prefix $WINEPREFIX"
        mkdir -p "$(dirname "$WINEPREFIX")"  # Wine makes the prefix, not the folders above it
        "$WINE" wineboot -i >/dev/null 2>&1 || true
        wineserver -w
        "$WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d corvane /f >/dev/null 2>&1
        "$WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v corvane /d 1024x768 /f >/dev/null 2>&1
        if [ -n "${2:-}" ]; then
            "$WINE" reg add 'HKCU\Software\Wine' /v Version /d "$2" /f >/dev/null 2>&1
        fi
        wineserver -w
    fi
    local fonts="$WINEPREFIX/drive_c/windows/Fonts" f
    mkdir -p "$fonts"
    for f in /usr/share/wine/fonts/*.ttf; do
        [ -e "$fonts/$(basename "$f")" ] || cp "$f" "$fonts/"
    done
}

# Runs a command with a display: the current one, or a virtual X server.
with_display() {
    if [ -n "${DISPLAY:-}" ]; then
        "$@"
    else
        xvfb-run -a -s "-screen 0 1024x768x24" "$@"
    fi
}
