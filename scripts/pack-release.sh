#!/usr/bin/env bash
# Lays the release out like the game folder and packs it into the zip a player downloads.
#   pack-release.sh BUILD DIST
set -euo pipefail

build=$1
dist=$2
zip=game-plugins.zip

rm -rf "$dist"
cmake --install "$build" --prefix "$dist" >/dev/null
# CMake's own archiver writes the zip, so no zip package is needed.
packed=$(mktemp -d)
(cd "$dist" && cmake -E tar cf "$packed/$zip" --format=zip -- *)
mv "$packed/$zip" "$dist/$zip"
rmdir "$packed"
