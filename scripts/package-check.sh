#!/usr/bin/env bash
# Proves the Debian package on a fresh, minimal Debian 12: makes build/coinwell_<version>_amd64.deb
# (scripts/package.sh), installs it in a clean debootstrap chroot with
# "apt-get install ./coinwell_...deb", asks "coinwell --version" there without a display, then
# starts the program under xvfb-run and waits for its main window (xdotool). Prints one result
# line, PASSED or FAILED.
#
#   bash scripts/package-check.sh                (from the project, as root)
#   DEB=path/to/coinwell.deb bash scripts/package-check.sh    (checks that package, builds nothing)
#
# Takes a few minutes beyond the build; the base system is cached in $FRESH_CACHE
# (/var/tmp/fresh-debian, shared with ../shared/tools/fresh-debian-check.sh).
# Log: $FRESH_CACHE/package-check.log.
#
# The chroot never sees the host's /dev: it gets its own small tmpfs with the few device nodes it
# needs, its own devpts instance and its own proc. Clean-up unmounts everything under the chroot
# and removes files only when nothing is still mounted there, and never crosses into another file
# system, so stopping a run at any moment (Ctrl-C, kill) cannot touch the host.
set -u
cd "$(dirname "$0")/.."
top=$PWD
[ "$(id -u)" -eq 0 ] || { echo "FAILED: needs root (debootstrap, chroot, mounts)"; exit 2; }
cache=${FRESH_CACHE:-/var/tmp/fresh-debian}
mkdir -p "$cache"
log="$cache/package-check.log"
: >"$log"

fail() {
  echo "FAILED: $*"
  exit 1
}

# The package.
deb=${DEB:-}
if [ -z "$deb" ]; then
  echo "making the package (log: $log)..."
  rm -f build/coinwell_*.deb
  bash scripts/package.sh >>"$log" 2>&1 || fail "scripts/package.sh did not make the package (see $log)"
  deb=$(ls build/coinwell_*.deb 2>/dev/null | head -1)
fi
[ -f "$deb" ] || fail "no package at '$deb'"
deb=$(realpath "$deb")
version=$(dpkg-deb -f "$deb" Version)

# A clean base system (made once, then unpacked for every run).
base="$cache/bookworm-minbase.tgz"
if [ ! -f "$base" ]; then
  echo "making the base system (once)..."
  command -v debootstrap >/dev/null || { apt-get update -qq; apt-get install -y -qq debootstrap >/dev/null; }
  mirror=$(awk '/^URIs:/{print $2; exit}' /etc/apt/sources.list.d/debian.sources 2>/dev/null)
  [ -n "$mirror" ] || mirror=$(awk '/^deb /{print $2; exit}' /etc/apt/sources.list 2>/dev/null)
  tmpr=$(mktemp -d "$cache/base-XXXX")
  if ! debootstrap --variant=minbase bookworm "$tmpr" ${mirror:+"$mirror"} >>"$log" 2>&1; then
    rm -rf --one-file-system "$tmpr"
    fail "debootstrap did not make the base system (see $log)"
  fi
  part=$(mktemp "$base.XXXX")
  tar -C "$tmpr" -czf "$part" . && mv "$part" "$base"
  rm -rf --one-file-system "$tmpr"
fi
root=$(mktemp -d "$cache/root-XXXX")

mounts_under() { awk -v r="$root" '$2 == r || index($2, r "/") == 1 {print $2}' /proc/self/mounts; }
child=""
cleanup() {
  trap - EXIT INT TERM
  # The run inside has its own process group: end all of it before unmounting.
  if [ -n "$child" ] && kill -0 "$child" 2>/dev/null; then
    kill -TERM -- "-$child" 2>/dev/null; sleep 2; kill -KILL -- "-$child" 2>/dev/null
  fi
  # Innermost first; a lazy unmount detaches even a busy mount at once.
  for m in $(mounts_under | sort -r); do umount "$m" 2>/dev/null || umount -l "$m"; done
  if [ -n "$(mounts_under)" ]; then
    echo "left $root in place: still mounted there: $(mounts_under | tr '\n' ' ')"
  else
    rm -rf --one-file-system "$root"
  fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

tar -C "$root" -xzf "$base"
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp /etc/apt/apt.conf.d/99* "$root/etc/apt/apt.conf.d/" 2>/dev/null
mount -t proc proc "$root/proc"
mount -t tmpfs -o mode=755,size=4m devtmp "$root/dev"
for node in "null 1 3" "zero 1 5" "full 1 7" "random 1 8" "urandom 1 9" "tty 5 0"; do
  set -- $node; mknod -m 666 "$root/dev/$1" c "$2" "$3"
done
mkdir -p "$root/dev/pts" "$root/dev/shm"
mount -t devpts -o newinstance,ptmxmode=0666,mode=620 devpts "$root/dev/pts" && ln -s pts/ptmx "$root/dev/ptmx"
mount -t tmpfs -o mode=1777 shm "$root/dev/shm"
ln -s /proc/self/fd "$root/dev/fd"
ln -s /proc/self/fd/0 "$root/dev/stdin"; ln -s /proc/self/fd/1 "$root/dev/stdout"; ln -s /proc/self/fd/2 "$root/dev/stderr"

mkdir -p "$root/root/check"
cp "$deb" "$root/root/check/"
cat >"$root/root/check/inside.sh" <<'INSIDE'
# Runs inside the chroot. Each step says what it proves; the last line printed is the verdict.
set -u
export DEBIAN_FRONTEND=noninteractive
cd /root/check
deb=$(ls coinwell_*.deb)
step() { echo "== $*"; }

step "installing $deb on the fresh system"
apt-get update -qq || { echo "VERDICT: apt-get update failed"; exit 1; }
before=$(dpkg-query -W -f='.\n' | wc -l)
apt-get install -y --no-install-recommends "./$deb" || { echo "VERDICT: apt-get install ./$deb failed"; exit 1; }
pulled=$(( $(dpkg-query -W -f='.\n' | wc -l) - before ))

step "the installed files"
for f in /usr/bin/coinwell /usr/share/coinwell/WP1.jpg /usr/share/coinwell/MainPicture.png \
         /usr/share/coinwell/help/Emblem.png /usr/share/applications/org.coinwell.Coinwell.desktop \
         /usr/share/metainfo/org.coinwell.Coinwell.metainfo.xml /usr/share/man/man1/coinwell.1.gz \
         /usr/share/icons/hicolor/256x256/apps/coinwell.png /usr/share/icons/hicolor/scalable/apps/coinwell.svg \
         /usr/share/hunspell/en_US.dic; do
  [ -f "$f" ] || { echo "VERDICT: $f is missing after the install"; exit 1; }
done
ls /usr/share/coinwell/help/*.html >/dev/null 2>&1 || { echo "VERDICT: no help pages installed"; exit 1; }

step "coinwell --version, without a display"
said=$(env -u DISPLAY -u WAYLAND_DISPLAY coinwell --version 2>&1)
status=$?
echo "$said"
[ "$status" -eq 0 ] && [ "$said" = "Coinwell $EXPECTED_VERSION" ] ||
  { echo "VERDICT: coinwell --version said '$said' (status $status)"; exit 1; }

step "the tools of the check itself: xvfb-run, xdotool"
apt-get install -y -qq --no-install-recommends xvfb xauth xdotool >/dev/null ||
  { echo "VERDICT: could not install xvfb and xdotool"; exit 1; }

step "starting coinwell under xvfb-run"
cat >/root/check/start.sh <<'START'
coinwell >/root/check/coinwell.out 2>&1 &
pid=$!
for second in $(seq 1 120); do
  # The splash screen is named Coinwell too: the main screen is the one at least 800 pixels wide.
  for window in $(xdotool search --onlyvisible --name Coinwell 2>/dev/null); do
    width=$(xdotool getwindowgeometry --shell "$window" | sed -n 's/^WIDTH=//p')
    if [ "${width:-0}" -ge 800 ]; then
      echo "main window '$(xdotool getwindowname "$window")' ($width pixels wide) after $second s"
      kill "$pid"
      exit 0
    fi
  done
  kill -0 "$pid" 2>/dev/null || { echo "coinwell ended before showing its main window:"; cat /root/check/coinwell.out; exit 1; }
  sleep 1
done
echo "no main window after 120 s"
kill "$pid"
exit 1
START
window=$(xvfb-run -a -s "-screen 0 1280x1024x24" bash /root/check/start.sh)
status=$?
echo "$window"
[ "$status" -eq 0 ] || { echo "VERDICT: $(echo "$window" | head -1)"; exit 1; }
echo "VERDICT: $deb installed with $pulled packages it needs; 'coinwell --version' said '$said'; xdotool found its $window"
INSIDE

echo "checking $(basename "$deb") on a fresh Debian 12 (log: $log)..."
start=$(date +%s)
setsid chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
     LANG=C.UTF-8 EXPECTED_VERSION="$version" bash -c 'timeout 1800 bash /root/check/inside.sh' \
     >>"$log" 2>&1 </dev/null &
child=$!
wait "$child"
status=$?
verdict=$(sed -n 's/^VERDICT: //p' "$log" | tail -1)
if [ "$status" -eq 0 ]; then
  echo "PASSED in $(( $(date +%s) - start )) s on a fresh Debian 12: $verdict"
else
  echo "FAILED after $(( $(date +%s) - start )) s on a fresh Debian 12: ${verdict:-see $log}"
  tail -25 "$log"
  exit 1
fi
