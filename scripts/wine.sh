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

# Makes WINEPREFIX the given prefix. One that does not exist yet is made as
# a copy of a pristine prefix (made once for the architecture and never run
# in; the third argument names another), told the Windows version it is to
# report where one is given (win98): seconds, where making a prefix takes a
# minute or more, two through the emulator. The pristine prefix has one
# virtual desktop for every program of the prefix (it draws the title bars
# and keeps the keyboard focus where a window manager would). Every prefix
# gets Wine's own fonts in its Fonts folder: 64-bit Wine 8 on Debian does
# not look for them in its data folder, and without them MS Shell Dlg,
# Tahoma and Marlett fall back to a wider face and the title-bar buttons
# show letters.
wine_prefix() {
    local prefix="$1" version="${2:-}" pristine="${3:-$PWD/build/wine-pristine-${WINEARCH:-win32}}"
    if [ ! -f "$prefix/system.reg" ]; then
        if [ ! -f "$pristine/system.reg" ]; then
            echo "Creating the Wine prefix $pristine"
            mkdir -p "$(dirname "$pristine")"  # Wine makes the prefix, not the folders above it
            WINEPREFIX="$pristine" "$WINE" wineboot -i >/dev/null 2>&1 || true
            WINEPREFIX="$pristine" wineserver -w
            WINEPREFIX="$pristine" "$WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d corvane /f >/dev/null 2>&1
            WINEPREFIX="$pristine" "$WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v corvane /d 1024x768 /f >/dev/null 2>&1
            WINEPREFIX="$pristine" wineserver -w
        fi
        echo "Making the Wine prefix $prefix${version:+ (Windows version $version)} as a copy of $pristine"
        rm -rf "$prefix"
        cp -a "$pristine" "$prefix"
        if [ -n "$version" ]; then
            WINEPREFIX="$prefix" "$WINE" reg add 'HKCU\Software\Wine' /v Version /d "$version" /f >/dev/null 2>&1
            WINEPREFIX="$prefix" wineserver -w
        fi
    fi
    export WINEPREFIX="$prefix"
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
        xvfb-run -a -n "${CORVANE_FIRST_DISPLAY:-99}" -s "-screen 0 1024x768x24" "$@"
    fi
}
