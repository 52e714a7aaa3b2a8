#!/usr/bin/env bash
# Installs a build into an empty folder under the prefix /usr and checks the
# result: the file list, the menu entry, the AppStream data, the icons and the
# changelog; then makes the .deb from the build and lints it.
# Usage: check-install.sh BUILD_DIR APP_ID VERSION EXPECTED_FILE_LIST
set -euo pipefail
build="$1" id="$2" version="$3" expected="$4"
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
diff -u "$expected" <(cd "$root" && find . -type f -printf '%P\n' | LC_ALL=C sort) ||
    fail "installed files differ from $expected"

[[ "$("$root/usr/games/quorvane" --version)" == "Quorvane $version" ]] ||
    fail "the installed program does not report version $version"

desktop="$root/usr/share/applications/$id.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $id.desktop"
grep -qx 'Exec=/usr/games/quorvane' "$desktop" || fail "the menu entry does not start /usr/games/quorvane"
grep -qx "Icon=$id" "$desktop" || fail "the menu entry does not name the icon $id"

metainfo="$root/usr/share/metainfo/$id.metainfo.xml"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects $id.metainfo.xml"
newest="$(grep -o -m1 '<release version="[^"]*"' "$metainfo" | cut -d'"' -f2)"
[[ "$newest" == "$version" ]] || fail "the newest release in the metainfo is $newest, not $version"

icons="$root/usr/share/icons/hicolor"
for size in 16 24 32 48 64 128 256; do
    actual="$(identify -format '%wx%h' "$icons/${size}x${size}/apps/$id.png")"
    [[ "$actual" == "${size}x${size}" ]] || fail "the ${size} px icon is $actual"
done
# The hand-written SVG has to show what the game paints.
rsvg-convert -w 64 -h 64 "$icons/scalable/apps/$id.svg" -o "$root/svg-64.png"
difference="$(compare -metric RMSE "$root/svg-64.png" "$icons/64x64/apps/$id.png" null: 2>&1 |
    sed 's/.*(\(.*\))/\1/')" || true
awk -v d="$difference" 'BEGIN { exit !(d < 0.01) }' ||
    fail "the SVG icon differs from the painted one (RMSE $difference)"
changelog="$(zcat "$root/usr/share/doc/quorvane/changelog.Debian.gz" | head -n1)"
[[ "$changelog" == "quorvane ($version-1) "* ]] || fail "the changelog starts with $changelog"

# The build folder is compiled without Debian's flags: whether functions are
# fortified is only asked of the package scripts/package makes.
cpack --config "$build/CPackConfig.cmake" -B "$root/deb" >"$root/cpack.log" 2>&1 ||
    fail "cpack could not make the .deb: $(cat "$root/cpack.log")"
bash "$(dirname "${BASH_SOURCE[0]}")/lint-deb.sh" "$root"/deb/quorvane_*.deb \
    --suppress-tags hardening-no-fortify-functions || fail "lintian finds fault with the .deb"
echo "installed files, menu entry, AppStream data, icons, changelog and .deb are in order"
