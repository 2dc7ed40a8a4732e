#!/bin/bash
# Installs, on a Debian bookworm machine and as root, everything the two
# build trees need, and fetches Debian's cJSON sources for the Windows build.
# Safe to run again: it only does what is missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

packages=(
    cmake ninja-build clang clang-format libclang-rt-14-dev g++ dpkg-dev
    mingw-w64 g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
    wine wine64 fonts-wine
    libcjson-dev googletest libgtest-dev libbenchmark-dev
    locales python3 python3-pil fonts-dejavu-core imagemagick xvfb x11-utils xdotool
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" ||
        missing+=("$package")
done
apt_updated=no
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    apt-get update -q
    apt_updated=yes
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
fi

# German and French C locales for the locale-independence tests.
for wanted in de_DE.UTF-8 fr_FR.UTF-8; do
    if ! locale -a 2>/dev/null | grep -qi "^${wanted%.UTF-8}.utf8$"; then
        sed -i "s/^# *\(${wanted} UTF-8\)/\1/" /etc/locale.gen
        grep -q "^${wanted} UTF-8" /etc/locale.gen || echo "${wanted} UTF-8" >>/etc/locale.gen
        locale-gen >/dev/null
    fi
done

# Source packages: a deb-src entry derived from the machine's own sources.
has_deb_src() {
    grep -rqsE '^(deb-src |Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/
}
if ! has_deb_src; then
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        sed -E 's/^Types:.*/Types: deb-src/' /etc/apt/sources.list.d/debian.sources \
            >/etc/apt/sources.list.d/pdr-deb-src.sources
    else
        grep -E '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' \
            >/etc/apt/sources.list.d/pdr-deb-src.list
    fi
    apt_updated=no
fi

cjson_dir="$root/build/deps/cjson-src"
if [ ! -f "$cjson_dir/cJSON.c" ]; then
    [ "$apt_updated" = yes ] && has_deb_src || apt-get update -q
    work="$root/build/deps/cjson-fetch"
    rm -rf "$work" && mkdir -p "$work"
    (cd "$work" && apt-get source -q cjson >/dev/null 2>&1 || (cd "$work" && apt-get source cjson))
    source_tree=$(find "$work" -maxdepth 1 -mindepth 1 -type d -name 'cjson-*' | head -n 1)
    [ -n "$source_tree" ] || { echo "cJSON source package not found" >&2; exit 1; }
    rm -rf "$cjson_dir"
    mv "$source_tree" "$cjson_dir"
    rm -rf "$work"
fi
echo "Build dependencies ready."
