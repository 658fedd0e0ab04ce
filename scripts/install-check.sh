#!/usr/bin/env bash
# Builds the Debian package, installs it with apt as a user would, runs both
# programs from /usr/bin, and removes the package again:
#   scripts/install-check.sh      (as root, as CI runs it)
# The window runs as an ordinary user on a private X display: /usr/bin is not
# that user's to write, so the settings must go to the user's configuration
# folder, and only a key typed into the bar settings makes the window write them.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

if [[ $(id -u) -ne 0 ]]; then
    echo "install-check: run as root: it installs and removes the velmar package" >&2
    exit 1
fi

fail() {
    echo "install-check: $*" >&2
    exit 1
}

deb="$("$root/scripts/package.sh")"
work="$(mktemp -d)"
xvfb_pid=""
velmar_pid=""
cleanup() {
    [[ -n "$velmar_pid" ]] && kill "$velmar_pid" 2>/dev/null
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq velmar >/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# The package: what it depends on, and its manual pages.
depends="$(dpkg-deb --field "$deb" Depends)"
echo "Depends: $depends"
for needed in libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins libstdc++6; do
    [[ "$depends" == *"$needed"* ]] || fail "the package does not depend on $needed"
done
contents="$(dpkg-deb --contents "$deb")"
for page in velmar-batch.1.gz velmar.1.gz; do
    [[ "$contents" == *"./usr/share/man/man1/$page"* ]] || fail "the package lacks $page"
done

DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null

desktop-file-validate /usr/share/applications/org.velmar.velmar.desktop
appstreamcli validate --no-net /usr/share/metainfo/org.velmar.velmar.metainfo.xml
[[ -s /usr/share/icons/hicolor/scalable/apps/velmar.svg ]] || fail "the icon is not installed"

# The batch tool prints the golden report of every example job, and draws the
# shelf brackets' diagram with the Qt plugins the package brings.
for job in "$root"/examples/*.txt; do
    name="$(basename "$job" .txt)"
    LC_ALL=C /usr/bin/velmar-batch "$job" >"$work/$name.report"
    diff -u "$root/tests/golden/$name.report" "$work/$name.report" ||
        fail "/usr/bin/velmar-batch printed another report of $name"
done
LC_ALL=C /usr/bin/velmar-batch --diagram "$work/diagram.pdf" "$root/examples/shelf-brackets.txt" \
    >/dev/null
[[ "$(head -c 5 "$work/diagram.pdf")" == "%PDF-" ]] || fail "/usr/bin/velmar-batch drew no PDF"
echo "velmar-batch: the golden report of every example, and a diagram"

# The window, as user nobody, with a home of its own holding settings whose
# No Summary flag carries blanks: read, it checks the box; written back, the
# flag is a bare "1". So the rewritten file shows both the read and the write.
home="$work/home"
config="$home/config"
mkdir -p "$config/velmar" "$work/runtime"
printf '[Bar]\r\nLength=240\r\nCut=0.125\r\nScrapBelow=20\r\nSummary= 1 \r\nShort=1\r\nAutoItem=0\r\n' \
    >"$config/velmar/BarIni.ini"
chown -R nobody:nogroup "$home" "$work/runtime"
chmod 0700 "$work/runtime"
chmod 0711 "$work"  # mktemp's folder is root's alone

Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [[ -s "$work/display" ]] && break
    sleep 0.1
done
[[ -s "$work/display" ]] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(cat "$work/display")"

setpriv --reuid=nobody --regid=nogroup --clear-groups \
    env -i PATH=/usr/bin:/bin LC_ALL=C.UTF-8 DISPLAY="$DISPLAY" QT_QPA_PLATFORM=xcb \
    HOME="$home" XDG_CONFIG_HOME="$config" XDG_RUNTIME_DIR="$work/runtime" \
    /usr/bin/velmar >"$work/velmar.log" 2>&1 &
velmar_pid=$!

window="$(timeout 30 xdotool search --sync --onlyvisible --name 'Velmar')" ||
    fail "no Velmar window appeared: $(cat "$work/velmar.log")"
window="${window%%$'\n'*}"
xdotool windowfocus --sync "$window"
sleep 1
# The cut list holds the focus at start; Tab goes on to the bar settings, where
# End moves to the row's last cell and, released, writes the settings.
xdotool key --delay 200 Tab End
expected=$'[Bar]\r\nLength=240\r\nCut=0.125\r\nScrapBelow=20\r\nSummary=1\r\nShort=1\r\nAutoItem=0\r'
for _ in $(seq 50); do
    [[ "$(cat "$config/velmar/BarIni.ini")" == "$expected" ]] && break
    sleep 0.2
done
[[ "$(cat "$config/velmar/BarIni.ini")" == "$expected" ]] ||
    fail "the settings were not read and written back: $(cat -A "$config/velmar/BarIni.ini")"
[[ ! -e /usr/bin/BarIni.ini ]] || fail "the window wrote its settings beside the program"
echo "velmar: read and wrote $config/velmar/BarIni.ini"

# File > Exit ends the program.
xdotool key --delay 200 alt+f x
status=0
timeout 10 tail --pid="$velmar_pid" -f /dev/null || fail "velmar did not end on File > Exit"
wait "$velmar_pid" || status=$?
velmar_pid=""
[[ $status -eq 0 ]] || fail "velmar ended with status $status: $(cat "$work/velmar.log")"
echo "install-check: passed"
