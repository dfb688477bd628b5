# Builds the shipped corvane.exe (32-bit, win32 thread model, static) into
# build/win, or into the folder given. Sourced.
build_shipped_into() {
    cmake -S . -B "$1" -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw.cmake -DCORVANE_MINGW_ARCH=i686 \
        -DCORVANE_MINGW_THREADS=win32 -DCORVANE_TESTS=OFF -DCORVANE_SHIPPED=ON -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
    cmake --build "$1" -j"$(nproc)"
}
build_shipped() { build_shipped_into build/win; }

# Builds corvane.exe for the Wine that runs here; prints its path.
build_for_wine() {
    if [ "$WIN_ARCH" = i686 ]; then
        build_shipped >&2
        echo "$PWD/build/win/corvane.exe"
    else
        cmake -S . -B build/win-x86_64 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw.cmake -DCORVANE_MINGW_ARCH=x86_64 \
            -DCORVANE_MINGW_THREADS=win32 -DCORVANE_TESTS=OFF -DCORVANE_SHIPPED=ON -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
        cmake --build build/win-x86_64 -j"$(nproc)" >&2
        echo "$PWD/build/win-x86_64/corvane.exe"
    fi
}
