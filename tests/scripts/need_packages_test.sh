#!/usr/bin/env bash
# need_packages against stand-ins for apt-get and its helpers, first in PATH:
# a mirror whose i386 index fails to download, where an install goes through
# only when it prefers the release's own suite (-t CODENAME), as on a
# machine whose lists hold a library's two architectures at two versions.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/setup.sh"
bin=$(mktemp -d)
trap 'rm -rf "$bin"' EXIT
release=$(. /etc/os-release && echo "$VERSION_CODENAME")
cat >"$bin/apt-get" <<STANDIN
#!/usr/bin/env bash
echo "\$*" >>"$bin/calls"
case "\$*" in
  update*) echo "E: Failed to fetch http://mirror.invalid/dists/x-security/main/binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress? [IP: 192.0.2.1 80]" >&2
           echo "E: Some index files failed to download. They have been ignored, or old ones used instead." >&2
           exit 100 ;;
  *" -t $release "*no-suite-has-this*) echo "E: Unable to locate package no-suite-has-this" >&2; exit 100 ;;
  *" -t $release "*) exit 0 ;;
  *) echo "E: Unable to correct problems, you have held broken packages." >&2; exit 100 ;;
esac
STANDIN
printf '#!/bin/sh\ncase "$2" in no-suite-has-this) ;; *) echo "  Candidate: 1.0-1" ;; esac\n' >"$bin/apt-cache"
printf '#!/bin/sh\nexit 1\n' >"$bin/dpkg-query"
printf '#!/bin/sh\necho i386\n' >"$bin/dpkg"
printf '#!/bin/sh\n' >"$bin/sleep"
printf '#!/bin/sh\nexec "$@"\n' >"$bin/sudo"
chmod +x "$bin"/*
export PATH="$bin:$PATH"

failures=0
check() {  # what, then a command that must succeed
    local what="$1"
    shift
    if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}

said=$(need_packages stand-in-one stand-in-two:i386 2>&1)
status=$?
check "the install passes on the second try" test "$status" -eq 0
check "the failed index is named with its reason" grep -q 'binary-i386/Packages.xz: File has unexpected size' <<<"$said"
check "it says why it tries again" grep -q "preferring the release's own suite ($release)" <<<"$said"
check "the second install prefers the release's suite" grep -q "^install .* -t $release stand-in-one stand-in-two:i386\$" "$bin/calls"

: >"$bin/calls"
said=$(need_packages stand-in-one no-suite-has-this 2>&1)
status=$?
check "a package no suite has still fails" test "$status" -ne 0
check "and is named" grep -q '^FAILED: no suite of the package lists has no-suite-has-this$' <<<"$said"
check "after one try with the release's suite" test "$(grep -c -- "-t $release" "$bin/calls")" -eq 1

echo "$((7 - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
