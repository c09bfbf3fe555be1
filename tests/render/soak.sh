#!/usr/bin/env bash
# tests/render/soak.sh RENDERER TICKS: quellar-render at 1920x1080 with speed, chain length,
# random deleting, F1 and Home pressed over and over, never a way out; the resident size every
# 10000 ticks. Fails unless the run is still going at the end, as on a sanitizer's report.
set -euo pipefail
renderer=$1
ticks=$2
picture=$(mktemp --suffix=.png)
trap 'rm -f "$picture"' EXIT

"$renderer" --screen 1920x1080 --ticks "$ticks" --repeat 10000 --resident-every 10000 \
  --key 1000:107 --key 2000:107 --key 3000:106 --key 4000:13 --key 5000:112 --key 6000:109 \
  --key 7000:111 --key 8000:112 --key 9000:36 --png "$picture"
