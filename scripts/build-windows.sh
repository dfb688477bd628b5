# Windows builds with the mingw-w64 cross compiler. Sourced.

# Configures a build folder for Windows: the folder, the architecture (i686
# or x86_64), the thread model (win32 for the program as shipped, posix for
# the test programs, which GoogleTest needs), the build type, and any
# further CMake options.
configure_windows() {
    local dir="$1" arch="$2" threads="$3" type="$4"
    shift 4
    need_packages "${MINGW_PACKAGES[@]}"
    cmake -S . -B "$dir" -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw.cmake -DCORVANE_MINGW_ARCH="$arch" \
        -DCORVANE_MINGW_THREADS="$threads" -DCMAKE_BUILD_TYPE="$type" "$@" >/dev/null
}

# Builds corvane.exe as shipped for an architecture into a folder.
build_program_into() {
    # Folders this run built from nothing: the release check may count one
    # as one of its two builds.
    [ -f "$1/CMakeCache.txt" ] || BUILT_FROM_NOTHING+=" $1 "
    configure_windows "$1" "$2" win32 MinSizeRel -DCORVANE_TESTS=OFF -DCORVANE_SHIPPED=ON
    cmake --build "$1" -j"$(nproc)"
}

# The shipped corvane.exe (32-bit, win32 thread model, static), into
# build/win or the folder given.
build_shipped_into() { build_program_into "$1" i686; }
build_shipped() { build_shipped_into build/win; }

# Builds corvane.exe for the Wine that runs here; prints its path.
build_for_wine() {
    if [ "$WIN_ARCH" = i686 ]; then
        build_shipped >&2
        echo "$PWD/build/win/corvane.exe"
    else
        build_program_into build/win-x86_64 x86_64 >&2
        echo "$PWD/build/win-x86_64/corvane.exe"
    fi
}

# Builds the Windows test programs for an architecture into
# build/wintest-<arch>, starting the given corvane.exe where one is given;
# further arguments name the targets.
build_windows_tests() {
    local arch="$1" program="$2"
    shift 2
    configure_windows "build/wintest-$arch" "$arch" posix Debug ${program:+-DCORVANE_PROGRAM="$program"}
    cmake --build "build/wintest-$arch" -j"$(nproc)" ${1:+--target "$@"}
}
