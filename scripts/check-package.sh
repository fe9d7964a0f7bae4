#!/usr/bin/env bash
# Builds the Debian package from a configured build folder and checks what it
# would install: every file under /usr, the desktop entry and the Dolphin service
# menus, the AppStream metadata, both manual pages, the MIME package and the Nautilus
# extension, each with the system's own validator, and the whole package with lintian.
# Usage: check-package.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)

echo "== Debian package"
rm -f "$build"/moravi-vaultwise_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/moravi-vaultwise_*.deb)
dpkg-deb --field "$deb" | grep -v "^ "
dpkg-deb --contents "$deb"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

failed=0
fail() {
  echo "FAILED: $*" >&2
  failed=1
}

outside=$(cd "$root" && find . -mindepth 1 \( -type f -o -type l \) ! -path './usr/*')
[ -z "$outside" ] || fail "files outside /usr: $outside"
for f in usr/bin/vaultwise usr/bin/vw3 usr/share/bash-completion/completions/vw3 \
  usr/share/icons/hicolor/scalable/apps/moravi-vaultwise.svg \
  usr/share/icons/hicolor/scalable/mimetypes/application-x-vaultwise-encrypted.svg \
  usr/share/icons/hicolor/scalable/mimetypes/application-x-vaultwise-sealed.svg; do
  [ -e "$root/$f" ] || fail "missing /$f"
done
grep -q '^Depends:.*libqt6widgets6' <(dpkg-deb --field "$deb") || fail "no Qt in Depends"

for f in usr/share/doc/moravi-vaultwise/copyright usr/share/kio/servicemenus \
  usr/share/kservices5/ServiceMenus usr/share/nemo/actions usr/share/file-manager/actions \
  usr/share/nautilus-python/extensions/moravi-vaultwise.py \
  usr/share/Thunar/sendto/moravi-vaultwise-decrypt.desktop; do
  [ -e "$root/$f" ] || fail "missing /$f"
done

echo "== desktop-file-validate (desktop entry, service menus)"
out=$(desktop-file-validate "$root"/usr/share/applications/*.desktop \
  "$root"/usr/share/kio/servicemenus/*.desktop "$root"/usr/share/kservices5/ServiceMenus/*.desktop \
  "$root"/usr/share/Thunar/sendto/*.desktop 2>&1) ||
  fail "$out"
[ -z "$out" ] || fail "desktop-file-validate: $out"

echo "== python3 -m py_compile (Nautilus extension)"
out=$(PYTHONPYCACHEPREFIX="$root/.pycache" python3 -m py_compile \
  "$root"/usr/share/nautilus-python/extensions/*.py 2>&1) || fail "py_compile: $out"

echo "== appstreamcli validate --no-net"
out=$(appstreamcli validate --no-net --no-color "$root"/usr/share/metainfo/*.metainfo.xml 2>&1) ||
  fail "$out"
echo "$out"
if grep -qE '^[EW]:' <<<"$out"; then fail "appstreamcli reports errors or warnings"; fi

echo "== man -l"
for page in vaultwise vw3; do
  text=$(MANWIDTH=80 man -l "$root/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null) ||
    fail "man -l $page: $text"
  [ -z "$text" ] || fail "man -l $page warns: $text"
  MANWIDTH=80 man -l "$root/usr/share/man/man1/$page.1.gz" | grep -q '^NAME' ||
    fail "man -l $page renders no NAME section"
done

echo "== xmllint (MIME package)"
xmllint --noout "$root"/usr/share/mime/packages/moravi-vaultwise.xml || fail "MIME package"

echo "== lintian"
# Errors fail the check; warnings are shown for whoever reads the log.
out=$(lintian --tag-display-limit 0 "$deb" 2>&1) || true
echo "$out"
if grep -q '^E:' <<<"$out"; then fail "lintian reports errors"; fi

[ "$failed" -eq 0 ] || exit 1
echo "== Package checks passed"
