#!/usr/bin/env bash
# tools/apt-backports against sample machines: the backports stanza comes
# from the source that serves the release, in either of APT's two formats;
# nothing is added where backports is configured already; a machine with no
# source for its release is an error, not a guess.
set -uo pipefail
tool="$(cd "$(dirname "$0")/../.." && pwd)/tools/apt-backports"
dir=$(mktemp -d); trap 'rm -rf "$dir"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# machine NAME CODENAME: an empty root with that release; files follow.
machine() {
  mkdir -p "$dir/$1/etc/apt/sources.list.d"
  [ -n "$2" ] && echo "VERSION_CODENAME=$2" > "$dir/$1/etc/os-release"
  root=$dir/$1
}
# expect NAME MODE EXPECTED-STATUS EXPECTED-OUTPUT
expect() {
  local out rc
  out=$("$tool" --root "$dir/$1" "$2" 2>/dev/null); rc=$?
  [ "$rc" = "$3" ] || fail "$1 $2: exit status $rc, expected $3"
  [ "$out" = "$4" ] || fail "$1 $2: printed"$'\n'"$out"$'\n'"expected"$'\n'"$4"
}

# deb822, as Debian 12 installs it: comments inside stanzas, two suites in
# one stanza, the security archive in a stanza of its own, a disabled file.
machine deb822 bookworm
cat > "$root/etc/apt/sources.list.d/debian.sources" <<'EOF'
Types: deb
# a comment inside the stanza
URIs: http://mirror.example/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb
URIs: http://security.example/debian-security
Suites: bookworm-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
echo 'deb http://elsewhere.example/debian bookworm main' > "$root/etc/apt/sources.list.d/old.list.disabled"
expect deb822 suite 0 bookworm-backports
expect deb822 stanza 0 "Types: deb
URIs: http://mirror.example/debian
Suites: bookworm-backports
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg"

# One-line form: options in brackets, deb-src and comments skipped, the
# security line first.
machine oneline bookworm
cat > "$root/etc/apt/sources.list" <<'EOF'
# deb http://commented.example/debian bookworm main
deb-src http://src.example/debian bookworm main
deb http://security.example/debian-security bookworm-security main
deb [arch=amd64,i386 signed-by=/etc/apt/keyrings/archive.gpg] http://mirror.example/debian bookworm main contrib
EOF
expect oneline stanza 0 "Types: deb
URIs: http://mirror.example/debian
Suites: bookworm-backports
Components: main
Architectures: amd64 i386
Signed-By: /etc/apt/keyrings/archive.gpg"

# A deb822 stanza switched off does not count; an inline key is kept whole.
machine inline trixie
cat > "$root/etc/apt/sources.list.d/off.sources" <<'EOF'
Types: deb
URIs: http://off.example/debian
Suites: trixie
Components: main
Enabled: no
EOF
cat > "$root/etc/apt/sources.list.d/on.sources" <<'EOF'
Types: deb deb-src
URIs: http://mirror.example/debian
Suites: trixie
Components: main
Signed-By:
 -----BEGIN PGP PUBLIC KEY BLOCK-----
 .
 AAAA
 -----END PGP PUBLIC KEY BLOCK-----
EOF
expect inline stanza 0 "Types: deb
URIs: http://mirror.example/debian
Suites: trixie-backports
Components: main
Signed-By: 
 -----BEGIN PGP PUBLIC KEY BLOCK-----
 .
 AAAA
 -----END PGP PUBLIC KEY BLOCK-----"

# Backports configured already, in the other file format: nothing to add.
machine present bookworm
cp "$dir/deb822/etc/apt/sources.list.d/debian.sources" "$root/etc/apt/sources.list.d/"
echo 'deb http://mirror.example/debian bookworm-backports main' > "$root/etc/apt/sources.list.d/backports.list"
expect present stanza 0 ""
expect present suite 0 bookworm-backports

# No code name known: the suite without a '-' part is the release.
machine nocodename ""
echo 'deb http://mirror.example/debian stable-updates main' > "$root/etc/apt/sources.list"
echo 'deb http://mirror.example/debian stable main' >> "$root/etc/apt/sources.list"
expect nocodename suite 0 stable-backports

# Only the security archive: no release source to derive from.
machine security bookworm
echo 'deb http://security.example/debian-security bookworm-security main' > "$root/etc/apt/sources.list"
expect security stanza 1 ""

[ $failures = 0 ] && echo "apt-backports: ok"
exit $failures
