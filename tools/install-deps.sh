#!/usr/bin/env bash
# Installs everything the program, its tests and its benchmarks need on Debian 12 (run as root).
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
apt-get update
apt-get install -y --no-install-recommends \
  g++ cmake ninja-build \
  qt6-base-dev qt6-serialport-dev libgl1-mesa-dev \
  libgtest-dev libgmock-dev libbenchmark-dev \
  xvfb xauth
