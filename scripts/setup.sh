# Installs the Debian packages that the build and the tests need, where they
# are missing. Sourced by the other scripts; runs apt-get only when needed.
need_packages() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    if printf '%s\n' "${missing[@]}" | grep -q ':i386$'; then
        dpkg --print-foreign-architectures | grep -q i386 || $sudo dpkg --add-architecture i386
    fi
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

NATIVE_PACKAGES=(g++ clang cmake make libgtest-dev googletest libclang-rt-dev dosbox nasm)
WINDOWS_PACKAGES=(mingw-w64 wine wine32:i386 wine64 fonts-wine xvfb xauth locales)
