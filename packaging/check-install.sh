#!/usr/bin/env bash
# Installs the built program into a scratch prefix and checks what lands there (desktop
# entry, AppStream metainfo, icons), then builds the Debian package and checks its files and
# dependencies. Leaves nothing behind.
#
#   check-install.sh BUILD_DIR VERSION [CMAKE [CPACK]]
set -uo pipefail

build=$(cd "$1" && pwd) || exit 1
version=$2
cmake=${3:-cmake}
cpack=${4:-cpack}
id=com.brevane.Orvex

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
need() { # tool...
    local t
    for t in "$@"; do
        command -v "$t" >/dev/null || { echo "FAIL: $t is not installed (tools/deps.sh)" >&2; exit 1; }
    done
}
need desktop-file-validate appstreamcli identify file dpkg dpkg-deb dpkg-shlibdeps

# The files every installation has, relative to its prefix.
files=(
    bin/orvex
    share/applications/$id.desktop
    share/metainfo/$id.metainfo.xml
    share/icons/hicolor/32x32/apps/$id.png
    share/icons/hicolor/48x48/apps/$id.png
    share/icons/hicolor/scalable/apps/$id.svg
    share/doc/orvex/copyright
    share/doc/orvex/LICENSE
)

check_tree() { # prefix what
    local f
    for f in "${files[@]}"; do
        [[ -f $1/$f ]] || fail "$2: $f is missing"
    done
    [[ -x $1/bin/orvex ]] || fail "$2: bin/orvex is not executable"
}

# Key=value of the desktop entry's main group.
desktop_key() { # file key
    sed -n '/^\[Desktop Entry\]/,/^\[/{s/^'"$2"'=//p}' "$1" | head -n 1
}

check_desktop_entry() { # prefix
    local entry=$1/share/applications/$id.desktop out
    [[ -f $entry ]] || return
    out=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate failed: $out"
    [[ -z $out ]] || fail "desktop-file-validate is not clean: $out"

    local exec icon categories
    exec=$(desktop_key "$entry" Exec)
    icon=$(desktop_key "$entry" Icon)
    categories=$(desktop_key "$entry" Categories)
    # The launcher must start the program that was installed, by its bare name (on PATH).
    [[ ${exec%% *} == orvex && -x $1/bin/${exec%% *} ]] ||
        fail "desktop entry Exec=$exec does not name the installed bin/orvex"
    [[ $icon == "$id" ]] || fail "desktop entry Icon=$icon, want $id"
    [[ ";$categories" == *";Utility;"* ]] || fail "desktop entry Categories=$categories lacks Utility"
}

check_metainfo() { # prefix
    local meta=$1/share/metainfo/$id.metainfo.xml out
    [[ -f $meta ]] || return
    out=$(appstreamcli validate --no-net "$meta" 2>&1) || fail "appstreamcli validate failed: $out"
    # Errors and warnings fail; pedantic notes are not shown without --pedantic.
    if grep -Eq '^ *[EW]: ' <<<"$out"; then
        fail "appstreamcli validate reports: $out"
    fi
    # The launchable must be the desktop entry installed beside it.
    local launchable release
    launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$meta")
    [[ -n $launchable && -f $1/share/applications/$launchable ]] ||
        fail "metainfo launchable '$launchable' is not an installed desktop entry"
    # The newest release, listed first, is this version: a new version needs its release entry.
    release=$(grep -o '<release [^>]*version="[^"]*"' "$meta" | head -n 1 | sed 's/.*version="//; s/"$//')
    [[ $release == "$version" ]] || fail "metainfo's newest release is '$release', the project is $version"
}

check_tree_metadata() { # root holding usr/
    local out
    out=$(appstreamcli validate-tree --no-net "$1" 2>&1) || fail "appstreamcli validate-tree failed: $out"
    if grep -Eq '^ *[EW]: ' <<<"$out"; then
        fail "appstreamcli validate-tree reports: $out"
    fi
}

check_icons() { # prefix
    local dir=$1/share/icons/hicolor size got
    for size in 32 48; do
        [[ -f $dir/${size}x$size/apps/$id.png ]] || continue
        got=$(identify -format '%m %wx%h' "$dir/${size}x$size/apps/$id.png" 2>&1)
        [[ $got == "PNG ${size}x$size" ]] || fail "icon in ${size}x$size is '$got'"
    done
    if [[ -f $dir/scalable/apps/$id.svg ]]; then
        got=$(file -b "$dir/scalable/apps/$id.svg")
        [[ $got == *SVG* ]] || fail "scalable icon is '$got', not SVG"
        if command -v xmllint >/dev/null; then
            xmllint --noout "$dir/scalable/apps/$id.svg" 2>/dev/null || fail "scalable icon is not well-formed XML"
        fi
    fi
}

# --- Install into a prefix of its own -------------------------------------------------------
# A usr/ folder, so that validate-tree finds the tree as it would on a system.
prefix=$scratch/inst/usr
if ! "$cmake" --install "$build" --prefix "$prefix" >"$scratch/install.log" 2>&1; then
    cat "$scratch/install.log" >&2
    fail "cmake --install failed"
    exit 1
fi
check_tree "$prefix" install
check_desktop_entry "$prefix"
check_metainfo "$prefix"
check_icons "$prefix"
check_tree_metadata "$scratch/inst"

# --- Debian package -------------------------------------------------------------------------
if ! "$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/pkg" >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log" >&2
    fail "cpack -G DEB failed"
    exit 1
fi
debs=("$scratch"/pkg/*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || { fail "cpack made ${#debs[@]} packages: ${debs[*]}"; exit 1; }
deb=${debs[0]}

field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == orvex ]] || fail "package name is '$(field Package)'"
[[ $(field Version) == "$version" || $(field Version) == "$version"-* ]] ||
    fail "package version '$(field Version)' is not the project's $version"
[[ $(field Architecture) == "$(dpkg --print-architecture)" ]] || fail "architecture is '$(field Architecture)'"
[[ $(field Section) == utils ]] || fail "section is '$(field Section)'"
[[ $(field Maintainer) == *?\<*@*\> ]] || fail "maintainer '$(field Maintainer)' is not 'Name <address>'"
[[ -n $(field Description) ]] || fail "package has no description"

# Depends, one package name a line.
depends=$(field Depends | tr ',|' '\n\n' | sed 's/(.*//; s/^ *//; s/ *$//')
has_dep() { grep -qx "$1" <<<"$depends"; }
# shlibdeps must have run: the Qt libraries the program links.
for p in libqt6widgets6 libqt6gui6 libqt6printsupport6 libqt6core6; do
    has_dep "$p" || fail "Depends lacks $p: $(field Depends)"
done
# Qt loads its X11 platform plugin at run time, out of shlibdeps' sight: whichever package
# holds it on this system must be a dependency, or the program cannot open its window.
xcb_pkg=$(dpkg -S '*/qt6/plugins/platforms/libqxcb.so' 2>/dev/null | head -n 1 | cut -d: -f1)
if [[ -n $xcb_pkg ]]; then
    has_dep "$xcb_pkg" || fail "Depends lacks $xcb_pkg, which holds the xcb platform plugin: $(field Depends)"
else
    fail "no installed package holds the Qt xcb platform plugin"
fi

# Everything lies under /usr: nothing leaks the build machine's prefix or scratch paths.
stray=$(dpkg-deb -c "$deb" | awk '{print $NF}' | grep -v -e '^\./$' -e '^\./usr/' || true)
[[ -z $stray ]] || fail "package files outside /usr: $stray"

root=$scratch/root
dpkg -x "$deb" "$root" || { fail "dpkg -x failed"; exit 1; }
check_tree "$root/usr" package
check_desktop_entry "$root/usr"
check_icons "$root/usr"
check_tree_metadata "$root"
file -b "$root/usr/bin/orvex" | grep -q ', stripped' || fail "the packaged program is not stripped"

if ((failures)); then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "install and package: all checks passed ($(basename "$deb"))"
