#!/usr/bin/env bash
# Builds the Debian package, installs it with apt-get into a fresh minimal root of this machine's
# Debian release (debootstrap --variant=minbase), and checks it as a desktop would: the installed
# program shows its window under Xvfb and ends with 0 when it is closed, its window's class is the
# desktop entry's StartupWMClass, and the desktop entry, the AppStream metainfo, the icons and the
# man page are where a desktop looks for them and pass desktop-file-validate and appstreamcli.
# Needs root (debootstrap, chroot). Downloaded packages are kept in $MERLO_DEBOOTSTRAP_CACHE.
set -euo pipefail
cd "$(dirname "$0")/.."
start=$SECONDS
step() { echo "package-check: $* ($((SECONDS - start)) s)"; }
fail() { echo "package-check: FAILED: $*" >&2; exit 1; }
[ "$(id -u)" -eq 0 ] || fail "needs root for debootstrap and chroot"

deb=$(scripts/package.sh | tail -1)
cmake --build build --target xmerlo >/dev/null
xmerlo=$PWD/build/bin/xmerlo
id=$(sed -n 's/^set(MERLOS_ID \(.*\))$/\1/p' CMakeLists.txt)
[ -n "$id" ] || fail "no MERLOS_ID in CMakeLists.txt"
step "built $deb"

. /etc/os-release
mirror=$(sed -n 's|^URIs: *\(http[^ ]*/debian\)/*$|\1|p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -1)
mirror=${mirror:-http://deb.debian.org/debian}
root=$(mktemp -d /var/tmp/merlos-root.XXXXXX)
xvfb_pid=""
cleanup() {
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
  umount "$root/proc" 2>/dev/null || true
  rm -rf "$root"
}
trap cleanup EXIT
cache=${MERLO_DEBOOTSTRAP_CACHE:-/var/cache/merlos-debootstrap}
mkdir -p "$cache"
debootstrap --variant=minbase --cache-dir="$cache" "$VERSION_CODENAME" "$root" "$mirror" >"$root.log" 2>&1 \
  || { tail -20 "$root.log"; fail "debootstrap"; }
rm -f "$root.log"
step "minimal $VERSION_CODENAME root made"

mount -t proc proc "$root/proc"
cp "$deb" "$root/tmp/"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root DEBIAN_FRONTEND=noninteractive "$@"; }
# Depends only: the program must run with what the package asks for, nothing recommended besides.
apt=(apt-get -qq -o APT::Sandbox::User=root)
in_root "${apt[@]}" update
in_root "${apt[@]}" install -y --no-install-recommends "/tmp/$(basename "$deb")" >"$root/tmp/apt.log" 2>&1 \
  || { tail -20 "$root/tmp/apt.log"; fail "apt-get install"; }
step "installed with apt-get, with the $(in_root dpkg-query -W | wc -l) packages of the root"

# The files, where the desktop looks for them.
share=$root/usr/share
[ -x "$(readlink -f "$root/usr/bin/merlos" | sed "s|^/usr|$root/usr|")" ] || fail "no program behind /usr/bin/merlos"
in_root sh -c 'command -v merlos' >/dev/null || fail "merlos is not on PATH"
for f in applications/$id.desktop metainfo/$id.metainfo.xml mime/packages/$id.xml icons/hicolor/scalable/apps/$id.svg \
         man/man6/merlos.6.gz man/man1/merlos-solve.1.gz doc/merlos/copyright; do
  [ -s "$share/$f" ] || fail "missing /usr/share/$f"
done
for size in $(sed -n 's/^set(MERLOS_ICON_SIZES \(.*\))$/\1/p' CMakeLists.txt); do
  png=$share/icons/hicolor/${size}x${size}/apps/$id.png
  file "$png" | grep -q "PNG image data, $size x $size," || fail "$png is not a $size-pixel PNG"
done
gzip -t "$share/man/man6/merlos.6.gz" || fail "man page"
gzip -t "$share/man/man1/merlos-solve.1.gz" || fail "man page of merlos-solve"
desktop=$share/applications/$id.desktop
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry names another icon"
grep -qx "Exec=merlos %f" "$desktop" || fail "the desktop entry starts another command"
mime=$(sed -n 's/^set(MERLOS_MIME \(.*\))$/\1/p' CMakeLists.txt)
grep -qx "MimeType=$mime;" "$desktop" || fail "the desktop entry opens no saved session"
grep -q "<mime-type type=\"$mime\">" "$share/mime/packages/$id.xml" && grep -q '<glob pattern="\*.merlos"/>' "$share/mime/packages/$id.xml" \
  || fail "the MIME package does not name $mime for *.merlos"
python3 -c "import sys, xml.dom.minidom; xml.dom.minidom.parse(sys.argv[1])" "$share/mime/packages/$id.xml" \
  || fail "the MIME package is not well-formed XML"
grep -qx "StartupWMClass=$id" "$desktop" || fail "the desktop entry names another window class"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$share/metainfo/$id.metainfo.xml" \
  || fail "the metainfo launches another desktop entry"
desktop-file-validate "$desktop"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml"
step "files in place, desktop entry and metainfo valid"

# The installed solver on a scramble: one line of at most 20 face turns, and the obvious answer.
solution=$(in_root merlos-solve "F2 D' L2 B R' U2 F2 D L2 U R2 F' L U2 R D B2 L' F U'") || fail "merlos-solve"
[ "$(wc -w <<<"$solution")" -le 20 ] || fail "merlos-solve answered in more than 20 moves: $solution"
[ "$(in_root merlos-solve --time-limit 0 "R U R' U'")" = "U R U' R'" ] || fail "merlos-solve on R U R' U'"
compgen -G "$root/root/.cache/merlos/shortsolve-*.tables" >/dev/null || fail "merlos-solve kept no full tables in its cache after two runs"
step "merlos-solve solved a scramble: $solution"

# The installed program on a virtual display. A client in the root reaches this Xvfb through its
# abstract socket, which a chroot shares.
exec 3< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null & echo "pid $!")
read -r _ xvfb_pid <&3
read -r display <&3 || fail "Xvfb did not start"
export DISPLAY=:$display
chroot "$root" env -i PATH=/usr/bin:/bin HOME=/root DISPLAY=":$display" merlos 2>"$root/tmp/stderr" &
merlos_pid=$!
facts=$("$xmerlo" "MERLO's" wait class icon) || fail "the installed program showed no window"
class=$(echo "$facts" | sed -n 1p | cut -d' ' -f2)
[ "$class" = "$id" ] || fail "the window's class is \"$class\", not $id"
[ "$(echo "$facts" | sed -n 2p)" -ge 4 ] || fail "the window offers too few icon sizes"
"$xmerlo" "MERLO's" sleep 500 close
code=0
wait "$merlos_pid" || code=$?
[ "$code" -eq 0 ] || { cat "$root/tmp/stderr"; fail "the installed program ended with $code"; }
sed 's/^/  merlos said: /' "$root/tmp/stderr"
step "the installed program showed its window (class $class) and ended with 0 when closed"
echo "package-check: passed in $((SECONDS - start)) s"
