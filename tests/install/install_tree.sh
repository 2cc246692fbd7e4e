#!/bin/bash
# Installs the build tree into a temporary prefix and checks what a desktop
# needs from it: the program and its modules, the entry, the file type, the
# AppStream data and the icons.
set -u
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

if ! cmake --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1; then
    cat "$prefix.log" >&2
    rm -f "$prefix.log"
    echo "FAIL: cmake --install" >&2
    exit 1
fi
rm -f "$prefix.log"

for file in bin/vornexa bin/libvornexa_gui.so bin/libvornexa_export.so bin/libvornexa_graph.so \
    bin/libvornexa_print.so \
    share/applications/vornexa.desktop share/mime/packages/vornexa-mime.xml \
    share/metainfo/vornexa.metainfo.xml share/icons/hicolor/scalable/apps/vornexa.svg; do
    [ -s "$prefix/$file" ] || fail "missing $file"
done
[ -x "$prefix/bin/vornexa" ] || fail "bin/vornexa is not executable"

for size in 16 32 48 64 128 256; do
    png="$prefix/share/icons/hicolor/${size}x${size}/apps/vornexa.png"
    if [ ! -s "$png" ]; then
        fail "missing ${size}x${size} icon"
    elif command -v file >/dev/null && ! file "$png" | grep -q "PNG image data, $size x $size,"; then
        fail "${size}x${size} icon is $(file -b "$png")"
    fi
done

grep -qx 'Exec=vornexa %f' "$prefix/share/applications/vornexa.desktop" ||
    fail "the installed entry does not open a file with vornexa"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/vornexa.desktop" || fail "desktop-file-validate"
fi
if command -v appstreamcli >/dev/null; then
    # Only errors count: the short component id draws a style warning.
    report="$(appstreamcli validate --no-net "$prefix/share/metainfo/vornexa.metainfo.xml" 2>&1)"
    if grep -q '^E:' <<<"$report"; then
        fail "appstreamcli validate: $report"
    fi
fi
if command -v update-mime-database >/dev/null; then
    update-mime-database "$prefix/share/mime" >/dev/null || fail "update-mime-database"
    grep -q 'application/x-vornexa-project:\*\.vrn' "$prefix/share/mime/globs2" 2>/dev/null ||
        fail "the installed file type has no *.vrn glob"
fi

# From the prefix, away from the build tree: the program answers, and its
# modules load from its own folder.
cd "$prefix" || exit 1
version="$("$prefix/bin/vornexa" --version 2>&1)" || fail "--version failed: $version"
[ -n "$version" ] || fail "--version printed nothing"
diagram="$(QT_QPA_PLATFORM=offscreen "$prefix/bin/vornexa" --diagram "$prefix/none.VRN" \
    "$prefix/none.png" 2>&1)"
if grep -q 'Cannot load\|Cannot start' <<<"$diagram"; then
    fail "the installed export module does not load: $diagram"
fi

[ "$failures" -eq 0 ] && echo "install tree complete: $version"
exit $((failures > 0))
