# The shipped 32-bit exe where the kernel runs no 32-bit programs: for this
# run only, the kernel is taught (binfmt_misc, as root) to run i386 programs
# through qemu-user; a 64-bit (WoW64) Wine prefix then runs the exe, only its
# own process emulated. Sourced; expects setup.sh and wine.sh.

BINFMT=/proc/sys/fs/binfmt_misc
BINFMT_NAME=corvane-i386
BINFMT_REGISTERED=""  # set when this run registered the entry

# Says why the emulator can't be had; fails unless CORVANE_ALLOW_NO_I686=1
# (a developer's escape: the shipped exe then goes unrun).
no_emulator() {
    echo "FAILED: $1; the shipped i686 corvane.exe can't be run here"
    if [ "${CORVANE_ALLOW_NO_I686:-}" = 1 ]; then
        echo "SKIPPED: CORVANE_ALLOW_NO_I686=1"
        return 0
    fi
    return 1
}

# Makes i386 programs run through qemu-i386, unless an entry does so
# already (left as found). Returns 2 after no_emulator has answered.
i686_emulation_on() {
    i386_through_emulator && return 0
    [ "$(id -u)" -eq 0 ] || { no_emulator "registering an emulator with binfmt_misc needs root"; return 2; }
    command -v qemu-i386 >/dev/null 2>&1 || need_packages qemu-user || true
    command -v qemu-i386 >/dev/null 2>&1 || { no_emulator "qemu-user could not be installed"; return 2; }
    if [ ! -e "$BINFMT/register" ]; then
        mount -t binfmt_misc binfmt_misc "$BINFMT" 2>/dev/null ||
            { no_emulator "binfmt_misc could not be mounted"; return 2; }
    fi
    if [ ! -e "$BINFMT/$BINFMT_NAME" ]; then
        # i386 ELF executables (the usual magic and mask); F: the emulator is
        # opened now, so it serves inside any root.
        printf '%s' ":$BINFMT_NAME:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:$(command -v qemu-i386):F" \
            >"$BINFMT/register" 2>/dev/null || { no_emulator "the emulator could not be registered"; return 2; }
        BINFMT_REGISTERED=1
        echo "Registered $BINFMT/$BINFMT_NAME: i386 programs run through $(command -v qemu-i386) for this run"
    fi
    /usr/lib/wine/wine --version >/dev/null 2>&1 || { no_emulator "32-bit Wine does not start through the emulator"; return 2; }
}

# Removes the entry this run registered; anything else stays as found.
i686_emulation_off() {
    if [ -n "$BINFMT_REGISTERED" ] && [ -e "$BINFMT/$BINFMT_NAME" ]; then
        echo -1 >"$BINFMT/$BINFMT_NAME"
        echo "Removed $BINFMT/$BINFMT_NAME"
    fi
    BINFMT_REGISTERED=""
}

# A 64-bit prefix with its 32-bit half (syswow64), copied from a pristine
# one made while the emulator serves: one made without it has an empty half
# and must be made anew.
wow64_prefix() {
    local prefix="$1" version="${2:-}" pristine="$PWD/build/wine-pristine-wow64" p
    for p in "$pristine" "$prefix"; do
        if [ -f "$p/system.reg" ] && [ ! -f "$p/drive_c/windows/syswow64/kernel32.dll" ]; then
            rm -rf "$p"
        fi
    done
    if [ ! -f "$pristine/system.reg" ]; then
        echo "Its 32-bit half is made through the emulator: about two minutes"
    fi
    WINEARCH=win64 wine_prefix "$prefix" "$version" "$pristine"
    [ -f "$prefix/drive_c/windows/syswow64/kernel32.dll" ] || { echo "FAILED: $prefix has no 32-bit half"; return 1; }
}
