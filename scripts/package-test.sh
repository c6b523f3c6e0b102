#!/usr/bin/env bash
# The Debian package, end to end: built with cpack from the build, installed with apt-get into
# the real /opt, looked over (menu entries, metainfo, man page, libraries, the read-only
# settings), used from a classroom folder and directly (tests/e2e/package_e2e.py), and purged,
# leaving nothing in /opt/kiv-zan. Part of check.sh; it installs into the system, so it runs
# only as root where dpkg is, and says so when it is skipped.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${KZ_BUILD_DIR:-$here/build}
installed=/opt/kiv-zan
package=kiv-zan

if [[ $(id -u) -ne 0 ]] || ! command -v dpkg >/dev/null 2>&1; then
  echo "package test SKIPPED: installing the .deb needs root and dpkg (run as root on Debian)"
  exit 0
fi
start=$(date +%s)
export DEBIAN_FRONTEND=noninteractive
apt=(apt-get -y -q -o DPkg::Lock::Timeout=300)

purge() {
  "${apt[@]}" purge "$package" >/dev/null
}
fail() {
  echo "package test FAILED: $*" >&2
  exit 1
}
if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "installed"; then
  echo "package test: $package is installed already (an earlier run?); purging it first"
  purge
fi
[[ -e $installed ]] && fail "$installed exists without the package; remove it first"
# dpkg removes /opt with the package when nothing else is in it; put it back then.
opt_existed=$([[ -d /opt ]] && echo yes || echo no)

(cd "$build" && rm -f ${package}_*.deb && cpack -G DEB >/dev/null)
deb=$(ls "$build"/${package}_*.deb)
echo "package test: $(basename "$deb"), $(du -k "$deb" | cut -f1) KiB"
dpkg-deb -I "$deb" | grep -E "^ (Depends|Homepage|Maintainer):"
# Debian makes /opt; a package listing it would have dpkg try to remove it on purge.
if dpkg-deb -c "$deb" | awk '{print $6}' | grep -qx './opt/'; then fail "the package lists /opt"; fi

cleanup() {
  purge || true
  [[ $opt_existed == no ]] || mkdir -p /opt
}
trap cleanup EXIT
"${apt[@]}" install --no-install-recommends "$deb" >/dev/null

# What the system reads, as installed.
desktop-file-validate /usr/share/applications/org.example.kivzan.{kiv,zan,desk}.desktop
appstreamcli validate --no-net /usr/share/metainfo/org.example.kivzan.{kiv,zan,desk}.metainfo.xml >/dev/null ||
  fail "appstreamcli validate: $(appstreamcli validate --no-net /usr/share/metainfo/org.example.kivzan.*.xml)"
for page in wqadmin desk; do
  [[ $(man -w $page) == /usr/share/man/man1/$page.1.gz ]] || fail "man $page: $(man -w $page 2>&1)"
done
for program in kiv zan desk wqadmin; do
  missing=$(ldd "$installed/$program" | grep "not found" || true)
  [[ -z $missing ]] || fail "$program lacks libraries: $missing"
done
globals=$(wqadmin globals "$installed")
for field in '"userMode": 0' '"logSessions": 0' "\"dataDir\": \"$installed\""; do
  grep -qF "$field" <<<"$globals" || fail "the installed settings lack $field: $globals"
done

for doc in teacher-guide.md copyright changelog.gz; do
  [[ -f /usr/share/doc/$package/$doc ]] || fail "/usr/share/doc/$package/$doc is not installed"
done

python3 "$here/tests/e2e/package_e2e.py" "$installed"

# A class with a list of the teacher's own, which purging the package must leave.
kept=$(mktemp -d)
wqadmin init "$kept/class" --programs >/dev/null
printf '*WORDLIST*\r\nzebra\r\ncamel\r\notter\r\nllama\r\n' >"$kept/class/WORDLIST/0065TO65.TXT"
grep -qx "TryExec=$kept/class/kiv" "$kept/class/kiv.desktop" || fail "kiv.desktop has no TryExec"

# Nothing of the installation changed or was added, whatever ran from it.
dpkg --verify "$package" || fail "installed files changed (dpkg --verify above)"
extra=$(comm -13 <(dpkg -L "$package" | sort) <(find "$installed" | sort))
[[ -z $extra ]] || fail "files appeared in $installed: $extra"

trap - EXIT
cleanup
[[ ! -e $installed ]] || fail "$installed is left after purging: $(find "$installed")"
for own in GLOBSET.WQ USERS.WQ LOG.WQ WORDLIST/0065TO65.TXT; do
  [[ -f $kept/class/$own ]] || fail "purging removed the class's $own"
done
# The class's entries leave the menus with the programs: their TryExec no longer runs.
[[ ! -x $kept/class/kiv ]] || fail "the class's kiv still starts after purging"
rm -rf "$kept"
for left in /usr/bin/wqadmin /usr/share/applications/org.example.kivzan.{kiv,desk}.desktop \
  /usr/share/metainfo/org.example.kivzan.{kiv,desk}.metainfo.xml /usr/share/man/man1/{wqadmin,desk}.1.gz; do
  [[ ! -e $left ]] || fail "$left is left after purging"
done
echo "package test passed in $(($(date +%s) - start)) s"
