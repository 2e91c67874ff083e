#!/bin/sh
# Checks VEXA's desktop integration and its Debian package:
#   - the desktop entry, the AppStream description, the MIME type and the man
#     page are valid, with no warning or hint;
#   - the package holds every file a desktop needs, and the files as installed
#     still validate (names, links between them);
#   - the package installs with dpkg, the MIME database then knows results
#     files, and the installed program answers --version.
# Usage: tools/check-package.sh PACKAGE.deb
# Installing needs root (or sudo without a password); CI runs as root.
set -eu
export LC_ALL=C.UTF-8    # the validators' messages are matched below

deb=${1:?usage: check-package.sh PACKAGE.deb}
here=$(cd "$(dirname "$0")/.." && pwd)
version=$(sed -n 's/^project(VEXA VERSION \([0-9.]*\).*/\1/p' "$here/CMakeLists.txt")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
pass() {
    echo "ok: $*"
}

# A validator passes only when it succeeds and has nothing at all to say.
quiet() {
    what=$1
    shift
    if out=$("$@" 2>&1) && [ -z "$(printf '%s' "$out" | grep -v '^✔ Validation was successful')" ]; then
        pass "$what"
    else
        fail "$what"
        printf '%s\n' "$out" >&2
    fi
}

# ---------------------------------------------------------- the source files

quiet "desktop entry" desktop-file-validate "$here/assets/vexa.desktop"
quiet "AppStream description" appstreamcli validate --no-net --pedantic "$here/assets/vexa.metainfo.xml"
quiet "MIME type XML" xmllint --noout "$here/assets/vexa-mime.xml"
quiet "man page" groff -man -Tutf8 -ww -z "$here/man/vexa.1"
quiet "vexa-batch man page" groff -man -Tutf8 -ww -z "$here/man/vexa-batch.1"

# ---------------------------------------------------------- the package

[ -f "$deb" ] || { echo "FAIL: no package $deb" >&2; exit 1; }
case $(basename "$deb") in
    "vexa_${version}_amd64.deb") pass "package name $(basename "$deb")" ;;
    *) fail "package name $(basename "$deb"), expected vexa_${version}_amd64.deb" ;;
esac

contents=$work/contents
dpkg-deb --contents "$deb" | awk '{ print $NF }' | sed 's|^\./||' > "$contents"
for size in 16 22 24 32 48 64 128 256; do
    echo "usr/share/icons/hicolor/${size}x${size}/apps/vexa.png"
done > "$work/expected"
cat >> "$work/expected" <<'LIST'
usr/bin/vexa
usr/share/icons/hicolor/scalable/apps/vexa.svg
usr/share/applications/vexa.desktop
usr/share/mime/packages/vexa.xml
usr/share/metainfo/org.vexa.vexa.metainfo.xml
usr/share/man/man1/vexa.1.gz
usr/bin/vexa-batch
usr/share/man/man1/vexa-batch.1.gz
LIST
missing=$(grep -vxF -f "$contents" "$work/expected" || true)
if [ -z "$missing" ]; then
    pass "package holds all $(wc -l < "$work/expected") files"
else
    fail "package lacks:"
    printf '  %s\n' $missing >&2
fi

depends=$(dpkg-deb --field "$deb" Depends)
for dep in fonts-liberation2 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6; do
    case ", $depends," in
        *", $dep"[,\ ]*) pass "depends on $dep" ;;
        *) fail "does not depend on $dep (Depends: $depends)" ;;
    esac
done

# The files as the package installs them: the desktop entry the description
# launches, the icon it names, the description's own file name.
root=$work/root
dpkg-deb --extract "$deb" "$root"
quiet "installed desktop entry" desktop-file-validate "$root/usr/share/applications/vexa.desktop"
quiet "installed AppStream tree" appstreamcli validate-tree --no-net "$root"
mkdir -p "$work/mime/packages"
cp "$root/usr/share/mime/packages/vexa.xml" "$work/mime/packages/"
if XDG_DATA_HOME="$work" XDG_DATA_DIRS="$work" update-mime-database "$work/mime" 2>"$work/mime.err" && [ ! -s "$work/mime.err" ] &&
    grep -qx '50:application/x-vexa-results:\*\.qrl' "$work/mime/globs2"; then
    pass "MIME type application/x-vexa-results for *.qrl"
else
    fail "MIME database does not take the results-file type"
    cat "$work/mime.err" >&2
fi

# ---------------------------------------------------------- installing it

if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
    SUDO="sudo -n"
else
    echo "FAIL: installing the package needs root or sudo" >&2
    exit 1
fi
if $SUDO dpkg -i "$deb" > "$work/dpkg.log" 2>&1; then
    pass "dpkg -i $(basename "$deb")"
else
    fail "dpkg -i $(basename "$deb")"
    cat "$work/dpkg.log" >&2
fi
answer=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM /usr/bin/vexa --version 2>&1 || true)
if [ "$answer" = "vexa $version" ]; then
    pass "installed vexa --version: $answer"
else
    fail "installed vexa --version said: $answer"
fi
if grep -q '^application/x-vexa-results:\*\.qrl$' /usr/share/mime/globs 2>/dev/null; then
    pass "the system's MIME database knows *.qrl"
else
    fail "the system's MIME database does not know *.qrl after installing"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures package check(s) failed" >&2
    exit 1
fi
echo "package checks passed"
