#!/usr/bin/env bash
# Installs the build into a staging folder and checks the tree, then builds
# the Debian package from it and lists its contents, so that packaging
# cannot break unnoticed.
#   packaging_test.sh BUILD_DIR
set -euo pipefail
build="$1"
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT

cmake --install "$build" --prefix "$stage/usr" >/dev/null
for file in bin/mervadin bin/mervadin-cli bin/mervadin-sim \
    lib/udev/rules.d/70-mervadin.rules share/applications/mervadin.desktop \
    share/icons/hicolor/scalable/apps/mervadin.svg share/icons/hicolor/256x256/apps/mervadin.png \
    share/metainfo/io.github.mervadin.Mervadin.metainfo.xml \
    share/man/man1/mervadin.1.gz share/man/man1/mervadin-cli.1.gz share/man/man1/mervadin-sim.1.gz; do
  [ -s "$stage/usr/$file" ] || { echo "missing from the install: $file"; exit 1; }
done
version="$("$stage/usr/bin/mervadin-cli" --version)"
[ "$("$stage/usr/bin/mervadin-sim" --version)" = "$version" ] || { echo "versions differ"; exit 1; }
file "$stage/usr/share/icons/hicolor/256x256/apps/mervadin.png" | grep -q "256 x 256" ||
  { echo "the icon is not 256 pixels"; exit 1; }
zcat "$stage/usr/share/man/man1/mervadin-cli.1.gz" | grep -q "write-voice\|write\\\\-voice" ||
  { echo "the manual page misses a command"; exit 1; }
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$stage/usr/share/applications/mervadin.desktop"
fi

(cd "$build" && cpack -G DEB -B "$stage/deb" >/dev/null)
deb="$(ls "$stage"/deb/mervadin_*.deb)"
contents="$(dpkg-deb -c "$deb")"
for file in ./usr/bin/mervadin ./usr/lib/udev/rules.d/70-mervadin.rules \
    ./usr/share/applications/mervadin.desktop; do
  grep -q " $file\$" <<<"$contents" || { echo "missing from the package: $file"; exit 1; }
done
depends="$(dpkg-deb -f "$deb" Depends)"
for package in libqt6widgets6 libhidapi-hidraw0 libzip4 libxlsxwriter4; do
  grep -q "$package" <<<"$depends" || { echo "no dependency on $package: $depends"; exit 1; }
done
# The chart is painted by the program itself: no Qt Charts, nor its OpenGL.
for package in libqt6charts6 libqt6opengl6; do
  ! grep -q "$package" <<<"$depends" || { echo "a dependency on $package: $depends"; exit 1; }
done
echo "package $(basename "$deb") holds $(wc -l <<<"$contents") entries"
