#!/bin/sh
# Runs the save-failure tests against a real full disk and a read-only
# file system: two tiny tmpfs mounts in a private mount namespace, so that
# nothing on the machine itself is touched. Skips where the namespace
# cannot be made (not root, or no unshare).
test_binary=$1
if ! command -v unshare >/dev/null 2>&1 || ! unshare -m true 2>/dev/null; then
    echo "SKIP: cannot make a private mount namespace here (needs root and unshare)"
    exit 77
fi
base=$(mktemp -d)
trap 'rm -rf "$base"' EXIT
unshare -m sh -c '
    set -e
    base=$1
    mkdir "$base/full" "$base/ro"
    mount --make-rprivate / 2>/dev/null || true
    mount -t tmpfs -o size=64k tmpfs "$base/full"
    mount -t tmpfs -o size=64k tmpfs "$base/ro"
    printf "the old file\n" > "$base/ro/bot.conf"
    mount -o remount,ro "$base/ro"
    QUILLMARSH_FULL_DIR="$base/full" QUILLMARSH_RO_DIR="$base/ro" "$2"
' sh "$base" "$test_binary"
