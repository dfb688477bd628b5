# The release archive: CORVANE.EXE (the shipped program) and README.TXT
# (docs/readme-dist.txt, for Notepad on Windows 98: ASCII, CR LF lines, at
# most 78 characters wide). Sourced.

# The program's version: the project's one number, in CMakeLists.txt.
corvane_version() {
    sed -n 's/^project(corvane VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt
}

# Writes <out folder>/corvane-<version>.zip from the given corvane.exe and
# prints its path. The same inputs give the same bytes: the entries in a
# fixed order, dated the commit's time (or SOURCE_DATE_EPOCH), in UTC, with
# no extra fields.
make_dist() {
    local exe="$1" out="$2" version epoch
    version=$(corvane_version)
    epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || echo 315532800)}
    mkdir -p "$out"
    python3 - "$exe" docs/readme-dist.txt "$version" "$epoch" "$out/corvane-$version.zip" <<'PY'
import sys, time, zipfile
exe, readme, version, epoch, zip_path = sys.argv[1:]
text = open(readme, encoding="ascii").read().replace("@VERSION@", version)
lines = text.rstrip("\n").split("\n")
readme_bytes = ("\r\n".join(lines) + "\r\n").encode("ascii")
when = max(time.gmtime(int(epoch))[:6], (1980, 1, 1, 0, 0, 0))
with zipfile.ZipFile(zip_path, "w") as z:
    for name, data in (("CORVANE.EXE", open(exe, "rb").read()), ("README.TXT", readme_bytes)):
        entry = zipfile.ZipInfo(name, date_time=when)
        entry.create_system = 0       # made on MS-DOS: Windows' own attributes
        entry.external_attr = 0x20    # the archive attribute
        entry.compress_type = zipfile.ZIP_DEFLATED
        z.writestr(entry, data, compresslevel=9)
PY
    echo "$out/corvane-$version.zip"
}

# Checks an archive: exactly CORVANE.EXE (the given exe's bytes) and
# README.TXT, which is ASCII in CR LF lines of at most 78 characters and
# names the version.
check_dist() {
    local zip="$1" exe="$2"
    python3 - "$zip" "$exe" "$(corvane_version)" <<'PY'
import sys, zipfile
zip_path, exe, version = sys.argv[1:]
z = zipfile.ZipFile(zip_path)
faults = []
names = z.namelist()
if names != ["CORVANE.EXE", "README.TXT"]:
    faults.append("the archive holds %s" % names)
else:
    if z.read("CORVANE.EXE") != open(exe, "rb").read():
        faults.append("CORVANE.EXE is not the shipped program")
    text = z.read("README.TXT")
    try:
        text.decode("ascii")
    except UnicodeDecodeError as e:
        faults.append("README.TXT: a byte outside ASCII at %d" % e.start)
    if not text.endswith(b"\r\n") or text.replace(b"\r\n", b"").count(b"\n") or text.replace(b"\r\n", b"").count(b"\r"):
        faults.append("README.TXT: a line that does not end in CR LF")
    for n, line in enumerate(text.split(b"\r\n"), 1):
        if len(line) > 78:
            faults.append("README.TXT line %d: %d characters" % (n, len(line)))
    if ("Corvane " + version).encode() not in text:
        faults.append("README.TXT does not name version " + version)
for f in faults:
    print("FAILED: " + f)
sys.exit(1 if faults else 0)
PY
}
