#!/bin/bash
# SPDX-License-Identifier: MIT
# installer.sh wine.sh msi.sh VERSION ザムト.exe zamut-help.exe help.hlp LICENSE zamut.ico driver.exe
# The Windows installer as a player meets it, in a Wine prefix of its own:
# the tables of the package, then an older version installed and upgraded,
# the files, shortcut and installed-programs entry that result, the game
# started from where it was installed (driven by the driver, which opens its
# help), a rebuild of the same version installed over it, an older version
# refused, and an uninstall that leaves the prefix as it was before.
set -euo pipefail
export LC_ALL=C.UTF-8
wine=$1 msi=$2 version=$3 game=$4 engine=$5 help=$6 license=$7 icon=$8 driver=$9
root=$(mktemp -d /tmp/zamut-installer.XXXXXX)
# Wine's menu builder would write desktop files under HOME: it is off, and
# HOME is a folder of the test's that must stay empty.
export ZAMUT_WINE_DIR=$root/wine ZAMUT_WINE_DLLOVERRIDES=winemenubuilder.exe=d HOME=$root/home
trap '"$wine" --stop || :; rm -rf "$root"' EXIT
mkdir -p "$root/home" "$root/files" "$root/start"
cd "$root" # msiinfo writes the streams of the tables it exports here
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The packages: this version twice (each build is a product of its own) and
# an older one. Built outside the folder handed out.
cp "$game" "$engine" "$help" "$license" "$root/files/"
older=0.0.1
[ "$(printf '%s\n' "$older" "$version" | sort -V | head -1)" = "$older" ] ||
    fail "version $version is not above $older"
for package in current:"$version" rebuilt:"$version" older:"$older"; do
    "$msi" "$root/files" "${package#*:}" "$root/${package%%:*}.msi" >/dev/null
done

# The tables, one file each, as msiinfo exports them (without the header).
table() {
    msiinfo export "$root/$1.msi" "$2" | tr -d '\r' | tail -n +4
}
row() { # package table key: the row whose first column is key
    table "$1" "$2" | awk -F '\t' -v key="$3" '$1 == key'
}
expect() { # what actual expected
    [ "$2" = "$3" ] || fail "$1: '$2', expected '$3'"
}
property() { row "$1" Property "$2" | cut -f 2; }

"$msi" --check "$root/current.msi" || fail "empty strings in the tables"
expect ProductName "$(property current ProductName)" ザムト
expect Manufacturer "$(property current Manufacturer)" ザムト開発チーム
expect ProductVersion "$(property current ProductVersion)" "$version"
expect "older ProductVersion" "$(property older ProductVersion)" "$older"
expect ProductLanguage "$(property current ProductLanguage)" 1041
expect ARPNOMODIFY "$(property current ARPNOMODIFY)" 1
expect "ARPPRODUCTICON's icon" "$(row current Icon "$(property current ARPPRODUCTICON)" | wc -l)" 1
expect "ALLUSERS (per user)" "$(property current ALLUSERS)" ""
upgrade_code=$(property current UpgradeCode)
for package in rebuilt older; do
    expect "$package UpgradeCode" "$(property $package UpgradeCode)" "$upgrade_code"
done
[ "$(property current ProductCode)" != "$(property rebuilt ProductCode)" ] ||
    fail "a rebuild keeps the ProductCode"
expect "summary template" "$(msiinfo suminfo "$root/current.msi" | sed -n 's/^Template: //p')" \
    "x64;1041"
expect File "$(table current File | cut -f 3,4 | sort)" "$(
    for file in "$root"/files/*; do
        name=$(basename "$file")
        case $name in
        ザムト.exe) name="ZAMUT.EXE|$name" ;;
        zamut-help.exe) name="ZAMUTHLP.EXE|$name" ;;
        esac
        printf '%s\t%s\n' "$name" "$(stat -c %s "$file")"
    done | sort
)"
expect "install folder" "$(row current Directory INSTALLDIR | cut -f 2,3)" $'UserPrograms\tZAMUT|ザムト'
expect "its parent" "$(row current Directory UserPrograms | cut -f 2,3)" $'LocalAppDataFolder\tPrograms'
# Shortcut: folder, name, target, icon, working folder.
expect Shortcut "$(table current Shortcut | cut -f 2,3,5,9,12)" \
    $'ProgramMenuFolder\tZAMUT|ザムト\t[#Game]\tzamut.ico\tINSTALLDIR'
# Upgrade: every older version and this one are replaced; a newer one is
# only detected, and then the launch condition refuses with a message.
expect Upgrade "$(table current Upgrade | cut -f 1-3,5,7 | sort)" "$(printf '%s\t%s\n' \
    "$upgrade_code" $'0.0.0\t'"$version"$'\t768\tOLDERVERSIONFOUND' \
    "$upgrade_code" "$version"$'\t\t2\tNEWERVERSIONFOUND')"
expect "downgrade condition" "$(table current LaunchCondition | cut -f 1)" "NOT NEWERVERSIONFOUND"
table current LaunchCondition | cut -f 2 | grep -q 'より新しいバージョン' || fail "no downgrade message"
# Rules of per-user packages: 64-bit components whose key paths are
# registry values in HKCU (component attributes 4 and 256, root 1), and a
# RemoveFolder for every folder the package makes in the profile.
table current Registry >"$root/registry"
table current Component | awk -F '\t' '
    NR == FNR { root[$1] = $2; next }
    int($4 / 256) % 2 == 0 || int($4 / 4) % 2 == 0 || root[$6] != 1 {
        print "FAIL: component " $1 ": attributes " $4 ", key path " $6 >"/dev/stderr"; bad = 1
    }
    END { exit bad }' "$root/registry" -
table current RemoveFile >"$root/removed"
table current Directory | awk -F '\t' '
    NR == FNR { if ($3 == "") removed[$4] = 1; next }
    $2 != "TARGETDIR" && $2 != "" && !removed[$1] {
        print "FAIL: no RemoveFolder for " $1 >"/dev/stderr"; bad = 1
    }
    END { exit bad }' "$root/removed" -
for package in current rebuilt older; do
    for name in $(msiinfo tables "$root/$package.msi"); do
        table $package "$name" | grep -o '{[0-9A-Fa-f-]\{36\}}' | grep '[a-f]' &&
            fail "GUIDs in lower case in $package's $name"
    done
done

# Under Wine: what the prefix holds, files, registry keys and values
# (without their times), all but the installer's own bookkeeping and the
# devices Wine records anew for each X server. The Wine server writes the
# registry out when it ends.
state() {
    "$wine" --stop
    local prefix=$ZAMUT_WINE_DIR/prefix
    (cd "$prefix" && find . -path ./dosdevices -prune -o -print | grep -v '/Installer$' | sort)
    awk '/^\[/ {
            skip = /\\\\Installer\\\\|^\[System\\\\CurrentControlSet\\\\(Enum|Control\\\\Class)\\\\/
            sub(/\] [0-9]+$/, "]")
        }
        !skip && !/^#time=/' "$prefix/user.reg" "$prefix/system.reg"
}
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
install() { # package [status]: installs it, which must end with that status
    local status=0
    "$wine" msiexec /i "$(windows_path "$root/$1.msi")" /qn || status=$?
    expect "msiexec /i $1" "$status" "${2:-0}"
}
# The one installed-programs entry: its product code, then its values.
entry() {
    "$wine" reg export 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' \
        "$(windows_path "$root/uninstall.reg")" /y >/dev/null 2>&1
    iconv -f UTF-16 -t UTF-8 "$root/uninstall.reg" | tr -d '\r' |
        awk '/^\[/ { code = $0; sub(/.*\\/, "", code); sub(/\]$/, "", code) }
             /^"DisplayName"="ザムト"$/ { print code }' >"$root/codes"
    expect "installed-programs entries" "$(wc -l <"$root/codes")" 1
    cat "$root/codes"
}
unix_folder() { # a folder of the user's, named by its environment variable
    "$wine" winepath -u "$("$wine" cmd /c echo "%$1%" 2>/dev/null | tr -d '\r')" 2>/dev/null
}

"$wine" --prepare
"$wine" cmd /c exit # Wine settles its registry in its first session
state >"$root/before"
install older
expect "older version entry" "$(entry)" "$(property older ProductCode)"
install current
expect "upgraded entry" "$(entry)" "$(property current ProductCode)"
iconv -f UTF-16 -t UTF-8 "$root/uninstall.reg" | tr -d '\r' >"$root/entry"
for value in '"Publisher"="ザムト開発チーム"' "\"DisplayVersion\"=\"$version\"" \
    '"NoModify"=dword:00000001'; do
    grep -qxF "$value" "$root/entry" || fail "the entry has no $value"
done
# The installed programs show the product's icon, which the installer keeps.
"$wine" reg export 'HKCU\Software\Microsoft\Installer\Products' \
    "$(windows_path "$root/products.reg")" /y >/dev/null 2>&1
product_icon=$(iconv -f UTF-16 -t UTF-8 "$root/products.reg" | tr -d '\r' |
    sed -n 's/\\\\/\\/g; s/^"ProductIcon"="\(.*\)"$/\1/p')
cmp "$("$wine" winepath -u "$product_icon" 2>/dev/null)" "$icon" || fail "the entry's icon"

# %LOCALAPPDATA%\Programs\ザムト holds exactly the build's files.
folder=$(unix_folder LOCALAPPDATA)/Programs/ザムト
diff -r "$root/files" "$folder" || fail "installed files differ from the build's"
# The Start-menu shortcut: target, working folder, the product's icon.
shortcut=$(unix_folder APPDATA)/Microsoft/Windows/Start\ Menu/Programs/ザムト.lnk
[ -f "$shortcut" ] || fail "no shortcut $shortcut"
perl -e '
    local $/;
    my $lnk = <>;
    my $flags = unpack "V", substr $lnk, 0x14, 4;
    my ($at, @path) = (0x4C);
    if ($flags & 1) { # the target, a list of shell items
        my $end = $at + 2 + unpack "v", substr $lnk, $at, 2;
        for ($at += 2; (my $size = unpack "v", substr $lnk, $at, 2) > 0; $at += $size) {
            my $item = substr $lnk, $at, $size;
            my $type = ord(substr $item, 2, 1) & 0x70;
            if ($type == 0x20) { # a drive
                push @path, unpack "Z*", substr $item, 3;
            } elsif ($type == 0x30) { # a file or folder: its long name ends the item
                my $name = "";
                for (my $i = $size - 6; $i > 0 && (my $c = unpack "v", substr $item, $i, 2); $i -= 2) {
                    $name = chr($c) . $name;
                }
                push @path, $name;
            }
        }
        $at = $end;
    }
    $at += unpack "V", substr $lnk, $at, 4 if $flags & 2;
    my %text;
    for ([4, "name"], [8, "relative"], [0x10, "folder"], [0x20, "arguments"], [0x40, "icon"]) {
        next unless $flags & $_->[0];
        my $count = unpack "v", substr $lnk, $at, 2;
        ($text{$_->[1]} = pack "U*", unpack "v*", substr $lnk, $at + 2, 2 * $count) =~ s/\0+$//;
        $at += 2 + 2 * $count;
    }
    binmode STDOUT, ":utf8";
    (my $target = join "\\", @path) =~ s/\\\\/\\/g;
    print "$target\n$text{folder}\n$text{icon}\n";' "$shortcut" >"$root/shortcut"
{
    read -r target
    read -r working
    read -r shortcut_icon
} <"$root/shortcut"
installed=$("$wine" winepath -w "$folder" 2>/dev/null)
expect "shortcut target" "$target" "${installed}\\ザムト.exe"
expect "shortcut working folder" "$working" "${installed}\\"
cmp "$("$wine" winepath -u "$shortcut_icon" 2>/dev/null)" "$icon" || fail "shortcut icon"

# The game started from its installed path, from a folder with a stranger
# help file: the driver waits for the board and opens the game's own help.
printf '# よそのヘルプ\n' >"$root/start/help.hlp"
(cd "$root/start" && exec "$wine" "$folder/ザムト.exe") &
game_pid=$!
status=0
"$wine" "$driver" || status=$?
wait "$game_pid" || status=$?
expect "the installed game and its help" "$status" 0

install rebuilt
expect "rebuilt entry" "$(entry)" "$(property rebuilt ProductCode)"
install older 67 # 1603, a fatal error, as Wine's exit status
expect "entry after a refused downgrade" "$(entry)" "$(property rebuilt ProductCode)"

status=0
"$wine" msiexec /x "$(property rebuilt ProductCode)" /qn || status=$?
expect "msiexec /x" "$status" 0
state >"$root/after"
diff "$root/before" "$root/after" || fail "the uninstall left these"
expect "files under HOME" "$(find "$root/home" -mindepth 1)" ""
echo "installer: tables, upgrade, installed game, rebuild, refused downgrade, clean uninstall"
