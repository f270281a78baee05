#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12 (as root, or with sudo).
# Safe to run again: it installs only what is missing.
set -euo pipefail

sudo_cmd=""
if [ "$(id -u)" -ne 0 ]; then sudo_cmd="sudo"; fi

packages=(
  cmake make g++ clang libclang-rt-14-dev libgtest-dev libbenchmark-dev googletest
  g++-mingw-w64-i686-posix
  wine wine32:i386
  xvfb xdotool x11-utils xclip imagemagick
  locales fonts-wqy-microhei
  python3 libz-mingw-w64
  tesseract-ocr tesseract-ocr-chi-sim
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo_cmd dpkg --add-architecture i386
  fi
  $sudo_cmd apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  $sudo_cmd sed -i 's/^# *zh_CN.UTF-8/zh_CN.UTF-8/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | $sudo_cmd tee -a /etc/locale.gen >/dev/null
  $sudo_cmd locale-gen
fi
