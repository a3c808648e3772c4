#!/usr/bin/env bash
# Packs the release into a scratch folder and checks it holds exactly what a player installs, in the
# game folder's layout, with the same files in the zip, and DLLs a player's machine can load.
#   check_release_bundle.sh SOURCE_DIR BUILD_DIR
set -euo pipefail

source_dir=$1
build_dir=$2
dist=$build_dir/release-check
trap 'rm -rf "$dist"' EXIT
"$source_dir/scripts/pack-release.sh" "$build_dir" "$dist"

player_files='README.txt
extra_resources/orv_shadows.ini
extra_resources/textures/cubemap.dds
extra_resources/textures/nmap.dds
shadow_resolution.dll
surface_shader.dll'

in_folder=$(cd "$dist" && find . -type f ! -name game-plugins.zip | sed 's|^\./||' | sort)
in_zip=$(cd "$dist" && cmake -E tar tf game-plugins.zip | grep -v '/$' | sed 's|^\./||' | sort)
failed=0
if [ "$in_folder" != "$player_files" ]; then
  echo "the release folder holds:"$'\n'"$in_folder"$'\n'"expected:"$'\n'"$player_files" >&2
  failed=1
fi
if [ "$in_zip" != "$player_files" ]; then
  echo "the zip holds:"$'\n'"$in_zip"$'\n'"expected:"$'\n'"$player_files" >&2
  failed=1
fi
"$source_dir/tests/check_plugin_image.sh" "$dist/shadow_resolution.dll" KERNEL32.dll msvcrt.dll || failed=1
"$source_dir/tests/check_plugin_image.sh" "$dist/surface_shader.dll" KERNEL32.dll msvcrt.dll d3dx9_31.dll ||
  failed=1
exit $failed
