#!/bin/bash
# Packs the build with cpack into a temporary folder, unpacks the Debian package
# into a temporary root and checks what an installation from it gets: the files
# under /usr, the control fields apt reads, and an unpacked program that answers
# and draws.
set -u
build="$1"
version="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    echo "FAIL: cpack -G DEB" >&2
    exit 1
fi
deb="$work/out/vornexa_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { echo "FAIL: no $(basename "$deb") in: $(ls "$work/out")" >&2; exit 1; }

field() { dpkg-deb -f "$deb" "$1"; }
for expected in "Package=vornexa" "Version=$version" "Section=science" \
    "Architecture=$(dpkg --print-architecture)"; do
    name="${expected%%=*}"
    [ "$(field "$name")" = "${expected#*=}" ] || fail "$name is '$(field "$name")', not '${expected#*=}'"
done
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
# The program links Qt Core; its modules bring the rest.
depends="$(field Depends)"
for package in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6svg6 \
    libqt6charts6; do
    grep -Eq "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package: $depends"
done

root="$work/root"
dpkg-deb -x "$deb" "$root" || { echo "FAIL: dpkg-deb -x" >&2; exit 1; }
[ "$(ls -A "$root")" = "usr" ] || fail "files outside /usr: $(ls -A "$root")"
for file in bin/vornexa bin/libvornexa_gui.so bin/libvornexa_export.so \
    share/applications/vornexa.desktop share/mime/packages/vornexa-mime.xml \
    share/metainfo/vornexa.metainfo.xml share/icons/hicolor/scalable/apps/vornexa.svg \
    share/icons/hicolor/48x48/apps/vornexa.png share/vornexa/VORN.pdf \
    share/vornexa/help/contents.tsv share/vornexa/help/index.html; do
    [ -s "$root/usr/$file" ] || fail "missing /usr/$file"
done
[ -x "$root/usr/bin/vornexa" ] || fail "/usr/bin/vornexa is not executable"

# From the unpacked root, away from the build tree: the modules load from the
# program's own folder.
cd "$work" || exit 1
mkdir -p "$work/home"
export HOME="$work/home" QT_QPA_PLATFORM=offscreen
answer="$("$root/usr/bin/vornexa" --version 2>&1)" || fail "--version failed: $answer"
[[ "$answer" == "Vornexa "* ]] || fail "--version printed '$answer'"
printf 'VORN_201\r\n 0 \r\nPackage\r\n##StartDesc##\r\n\r\n##EndDesc##\r\n 0 \r\n 0 \r\n0\r\n0\r\n90\r\n270\r\n 0 \r\n0\r\n 1 \r\n 0 \r\n 1000 \r\n 2 \r\n' \
    >"$work/package.VRN"
if answer="$("$root/usr/bin/vornexa" --diagram "$work/package.VRN" "$work/diagram.png" 2>&1)"; then
    # Width and height are the big-endian words after the PNG signature and IHDR tag.
    read -r w3 w2 w1 w0 h3 h2 h1 h0 < <(od -An -tu1 -j16 -N8 "$work/diagram.png")
    size="$((w3 << 24 | w2 << 16 | w1 << 8 | w0)) x $((h3 << 24 | h2 << 16 | h1 << 8 | h0))"
    [ "$size" = "457 x 465" ] || fail "the diagram is $size, not 457 x 465"
else
    fail "--diagram failed: $answer"
fi

[ "$failures" -eq 0 ] && echo "package complete: $(basename "$deb"), Depends: $depends"
exit $((failures > 0))
