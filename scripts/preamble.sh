# The start of every script: stop at the first failure, work from the
# project's folder, and have every helper at hand. Sourced first.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[1]}")/.."
for helper in setup wine emulation build-windows release fuzz cpu-trace full-disk; do
    source "scripts/$helper.sh"
done
