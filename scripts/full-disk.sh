# A full disk under Wine: a small file system of its own (tmpfs, which needs
# root), a drive letter of the prefix for it, a game and its old batch file
# there, then filled to the last byte; the Wine test presses "&Make" there.
# Sourced; expects wine.sh's set-up. Where nothing can be mounted, it says
# so and fails.
full_disk() {
    local tests="$1" mnt="$PWD/build/full-disk" drive="$WINEPREFIX/dosdevices/m:"
    if [ "$(id -u)" -ne 0 ]; then
        echo "FAILED: mounting a small disk needs root"
        return 1
    fi
    mkdir -p "$mnt"
    mountpoint -q "$mnt" && umount "$mnt"
    if ! mount -t tmpfs -o size=64k,mode=0777 corvane-full "$mnt" 2>/dev/null; then
        echo "FAILED: no small file system could be mounted here"
        return 1
    fi
    mkdir -p "$mnt/Hover"
    : > "$mnt/Hover/Hover Tank.exe"
    printf '@echo off\r\nREM made last week\r\nHOVERT~1' > "$mnt/Hover/Hover Tank.bat"
    dd if=/dev/zero of="$mnt/Hover/filler" bs=1k 2>/dev/null || true
    sync
    ln -sfn "$mnt" "$drive"
    local status=0
    CORVANE_FULL_DISK='M:\Hover' tests_pass build/full-disk-test.txt with_display scripts/wine-session.sh "$WINE" \
        "$tests" --gtest_filter='FullDiskUnderWine.*' || status=1
    rm -f "$drive"
    umount "$mnt"
    return $status
}
