#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need, and the udev rule
# for the USB interface. Fast when everything is present: it asks apt only for what is missing.
set -euo pipefail

packages=(
  cmake g++ pkg-config make
  qt6-base-dev libgl-dev libqt6svg6
  libgtest-dev libgmock-dev libbenchmark-dev
  libsndfile1-dev libvorbis-dev libopenmpt-dev libsdl2-dev libkissfft-dev libftdi1-dev
  clang-format
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=()
  [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

root=$(cd "$(dirname "$0")/.." && pwd)
rule_src="$root/packaging/udev/60-wavelumina-ftdi.rules"
rule_dst=/etc/udev/rules.d/60-wavelumina-ftdi.rules
if [[ -f "$rule_src" && -d /etc/udev/rules.d && $(id -u) -eq 0 ]] && ! cmp -s "$rule_src" "$rule_dst"; then
  install -m 0644 "$rule_src" "$rule_dst"
fi
