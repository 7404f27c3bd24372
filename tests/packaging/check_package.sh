#!/usr/bin/env bash
# Checks the Debian package that scripts/package made: its desktop entry and AppStream
# metadata validate, it holds exactly the expected files, its version and dependencies are
# right, and the installed programs run: the window starts from its installed path under a
# virtual X server and shows itself, and parcelio-batch checks the sample list against the
# sample tracking service. Usage: check_package.sh FIXTURE_SERVICE_PROGRAM. It installs into a temporary root (DESTDIR), or for real with apt
# when run as root with CI=true, and removes the real install again.
set -euo pipefail
fixture_service=$(realpath "$1")  # the fixture service program of a test build
cd "$(dirname "$0")/../.."
build=build/package
here=tests/packaging
deb=$(ls "$build"/parcelio_*_amd64.deb)
version=$(sed -n 's/^project(Parcelio VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
work=$(mktemp -d)
real_install=
. scripts/sample_service.sh
cleanup() {
  stop_sample_service
  if [ -n "$real_install" ]; then apt-get remove -y -qq -o DPkg::Lock::Timeout=600 parcelio >/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "package check: $*" >&2; exit 1; }

echo "package check: $deb"
[ "$(basename "$deb")" = "parcelio_${version}_amd64.deb" ] || fail "unexpected file name $deb"

dpkg-deb -x "$deb" "$work/unpacked"
desktop-file-validate "$work/unpacked/usr/share/applications/example.parcelio.Parcelio.desktop"
appstreamcli validate --no-net "$work/unpacked/usr/share/metainfo/example.parcelio.Parcelio.metainfo.xml"
grep -q "<release version=\"$version\"" \
  "$work/unpacked/usr/share/metainfo/example.parcelio.Parcelio.metainfo.xml" ||
  fail "the metadata does not name version $version"
shots=$(sed -n 's|.*<image>.*/screenshots/\([^<]*\)</image>.*|\1|p' \
  "$work/unpacked/usr/share/metainfo/example.parcelio.Parcelio.metainfo.xml")
[ -n "$shots" ] || fail "the metadata names no screenshot"
for shot in $shots; do
  [ -f "docs/screenshots/$shot" ] || fail "the metadata's screenshot docs/screenshots/$shot is missing"
done

dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort >"$work/files.txt"
diff -u <(sort "$here/package_files.txt") "$work/files.txt" || fail "the package's file list differs"

[ "$(dpkg-deb -f "$deb" Package)" = parcelio ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libcurl4 libwxgtk3.2 libgtk-3-0 libstdc++6; do
  grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done

if [ "${CI:-}" = true ] && [ "$(id -u)" -eq 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  # The Windows packages may still be installing in the background (scripts/test): wait for dpkg.
  apt-get install -y -qq -o DPkg::Lock::Timeout=600 "./$deb" >/dev/null
  real_install=yes
  root=
else
  root=$work/root
  DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
  diff -u <(sort "$here/package_files.txt") \
    <(cd "$root" && find . -type f | sort) || fail "the installed files differ"
fi
[ "$("$root/usr/bin/parcelio-batch" --version)" = "parcelio-batch $version" ] ||
  fail "parcelio-batch --version"
man -l "$root/usr/share/man/man1/parcelio-batch.1" >/dev/null || fail "man page"

# The window, from its installed path: shows itself and ends with Esc.
GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1 GDK_BACKEND=x11 \
  xvfb-run -a -s "-screen 0 1280x1024x24" tests/ui/esc_ends_program.sh "$root/usr/bin/parcelio" \
    "$fixture_service"

# A batch from a file, as README shows it, against the sample service.
start_sample_service "$fixture_service" "$work"
status=0
"$root/usr/bin/parcelio-batch" --courier 顺丰速递 --encoding utf-8 -o "$work/results.txt" \
  "$work/numbers.txt" 2>"$work/errors.txt" || status=$?
[ "$status" -eq 1 ] || fail "parcelio-batch ended with $status, not 1 (one sample number fails)"
[ ! -s "$work/errors.txt" ] || fail "parcelio-batch wrote errors: $(cat "$work/errors.txt")"
expected=$(printf '%s\r\n' \
  "YT9876543210 2026-12-07 11:20:00 上海市浦东新区 派件中" \
  "E123456789CN 2026-12-03 14:00:00 广州邮区中心局 已封发" \
  "1Z999AA10123456784 2026-12-04 03:12:00 Departed Facility SHANGHAI CN" \
  "404404404 -- 单号不存在或者已经过期" \
  "SF1234567890 2026-12-06 16:05:12 已签收，签收人：前台 王女士")
[ "$(cat "$work/results.txt")" = "$expected" ] || fail "unexpected batch results: $(cat "$work/results.txt")"
echo "package check: passed"
