#!/usr/bin/env bash
# Installs everything the program, its tests and its benchmarks need on Debian 12 (run as root).
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
apt-get update
apt-get install -y --no-install-recommends \
  g++ cmake ninja-build \
  qt6-base-dev qt6-serialport-dev qt6-translations-l10n libgl1-mesa-dev \
  libgtest-dev libgmock-dev libbenchmark-dev \
  xvfb xauth openbox x11-utils locales fonts-wqy-microhei \
  poppler-utils
# A locale that writes numbers with a decimal comma, for the start-up test under such a locale.
locale -a 2>/dev/null | grep -qi '^de_DE.utf8$' || localedef -i de_DE -f UTF-8 de_DE.UTF-8 || true
