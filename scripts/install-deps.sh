#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12, and does nothing when all of it is there.
# The i386 Mesa and X packages give Wine's Direct3D 9 a software OpenGL device under Xvfb; the preview
# captions its cells in DejaVu Sans.
set -euo pipefail

packages=(
  cmake ninja-build make clang-format
  g++-mingw-w64-i686 googletest
  wine wine32:i386
  xvfb xauth fonts-dejavu-core
  libgl1-mesa-dri:i386 libglx-mesa0:i386 libgl1:i386
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
  [ "$status" = installed ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps: missing ${missing[*]}; run as root (or install them) and try again" >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
