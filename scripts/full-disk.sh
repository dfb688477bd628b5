# A full disk under Wine: a small file system of its own (tmpfs, which needs
# root), a drive letter of the prefix for it, a game and its old batch file
# there, then filled to the last byte; and a second such disk made read-only
# as N:. The Wine test presses "&Make" on each.
# Sourced; expects wine.sh's set-up. Where nothing can be mounted, it says
# so and fails.
full_disk() {
    local tests="$1" mnt="$PWD/build/full-disk" drive="$WINEPREFIX/dosdevices/m:"
    local ro="$PWD/build/read-only-disk" roDrive="$WINEPREFIX/dosdevices/n:"
    if [ "$(id -u)" -ne 0 ]; then
        echo "FAILED: mounting a small disk needs root"
        return 1
    fi
    local m
    for m in "$mnt" "$ro"; do
        mkdir -p "$m"
        mountpoint -q "$m" && umount "$m"
        if ! mount -t tmpfs -o size=64k,mode=0777 corvane-disk "$m" 2>/dev/null; then
            echo "FAILED: no small file system could be mounted here"
            return 1
        fi
        mkdir -p "$m/Hover"
        : > "$m/Hover/Hover Tank.exe"
        printf '@echo off\r\nREM made last week\r\nHOVERT~1' > "$m/Hover/Hover Tank.bat"
    done
    dd if=/dev/zero of="$mnt/Hover/filler" bs=1k 2>/dev/null || true
    sync
    mount -o remount,ro "$ro"
    ln -sfn "$mnt" "$drive"
    ln -sfn "$ro" "$roDrive"
    local status=0
    CORVANE_FULL_DISK='M:\Hover' CORVANE_READ_ONLY_DISK='N:\Hover' tests_pass build/full-disk-test.txt \
        with_display scripts/wine-session.sh "$WINE" "$tests" --gtest_filter='FullDiskUnderWine.*' || status=1
    rm -f "$drive" "$roDrive"
    umount "$mnt"
    umount "$ro"
    return $status
}
