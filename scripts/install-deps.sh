#!/usr/bin/env bash
# Installs the Debian packages of scripts/debian-packages.txt that are missing, as root or
# through sudo, and says what it installs.
set -euo pipefail
cd "$(dirname "$0")"

missing=()
while read -r package; do
  [[ -z "$package" || "$package" == \#* ]] && continue
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done < debian-packages.txt

if [[ ${#missing[@]} -eq 0 ]]; then
  exit 0
fi

echo "Installing the missing Debian packages: ${missing[*]}"
if [[ $(id -u) -eq 0 ]]; then
  run=()
elif command -v sudo >/dev/null; then
  run=(sudo)
else
  echo "Please install them as root: apt-get install ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${run[@]}" apt-get update -qq
"${run[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
