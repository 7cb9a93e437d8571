#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# msi.sh FOLDER VERSION OUTPUT.msi   builds the installer of zamut.wxs from
#                                    the programs in FOLDER (as ./run.sh
#                                    windows hands them out) for VERSION
# msi.sh --check PACKAGE.msi         fails, naming them, if required strings
#                                    of the tables are empty
# Debian 12's wixl (0.101) gets these wrong, and the build puts them right:
# - It writes every non-ASCII string of the tables as an empty string, and
#   exits 0. Every run of non-ASCII characters of the description goes in as
#   an ASCII stand-in (@u:30B6.30E0.30C8@ for ザムト, code points in hex);
#   once the database has its code page, each table holding one is written
#   again with the real text. File paths (Source) keep theirs: wixl reads
#   those files.
# - It resolves Source paths against the description's folder and refuses
#   absolute ones: the description goes to a work folder with files/ (FOLDER)
#   and the icon beside it.
# - Its summary's template always names language 1033: it gets the
#   product's language.
# - It ignores IncludeMaximum: those Upgrade rows get their inclusive maximum
#   (512), so that a rebuild of the same version replaces the installed one.
# The build fails, and writes nothing, if the check fails.
set -euo pipefail
export LC_ALL=C.UTF-8
here=$(cd "$(dirname "$0")" && pwd)
for tool in wixl msibuild msiinfo; do
    command -v "$tool" >/dev/null ||
        { echo "msi.sh: $tool is missing (Debian packages wixl, msitools)" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Every table of a package but the code page, one .idt file each in a folder.
export_tables() {
    local msi=$1 folder=$2 table
    mkdir -p "$folder"
    for table in $(msiinfo tables "$msi" | grep -vx _ForceCodepage); do
        (cd "$folder" && msiinfo export "$msi" "$table") | tr -d '\r' >"$folder/$table.idt"
    done
}

# Every string column in lower case (s, l) is required: none may be empty,
# and no stand-in may be left.
check() {
    export_tables "$1" "$work/check"
    awk -F '\t' '
        FNR == 1 { split($0, names) }
        FNR == 2 { split($0, types) }
        FNR > 3 {
            for (i = 1; i <= length(types); i++)
                if (types[i] ~ /^[sl]/ && $i == "") {
                    printf "msi.sh: %s row %s: %s is empty\n", FILENAME, $1, names[i] >"/dev/stderr"
                    bad = 1
                }
            if ($0 ~ /@u:[0-9A-F.]*@/) {
                printf "msi.sh: %s row %s keeps a stand-in\n", FILENAME, $1 >"/dev/stderr"
                bad = 1
            }
        }
        END { exit bad }' "$work"/check/*.idt
}

if [ "${1:-}" = --check ] && [ $# -eq 2 ]; then
    check "$(realpath "$2")"
    exit
fi
[ $# -eq 3 ] || { echo "usage: msi.sh FOLDER VERSION OUTPUT.msi | --check PACKAGE.msi" >&2; exit 2; }
folder=$1 version=$2 output=$3
[ -f "$folder/ザムト.exe" ] || { echo "msi.sh: no ザムト.exe in $folder" >&2; exit 1; }

ln -s "$(cd "$folder" && pwd)" "$work/files"
ln -s "$here/../../res/icon/zamut.ico" "$work/zamut.ico"
# shellcheck disable=SC2016 # Perl, not the shell, expands these
perl -CSD -pe 's{(\bSource(?:File)?="[^"]*")|([^\x00-\x7F]+)}
               {$1 // "\@u:" . join(".", map { sprintf "%X", ord } split //, $2) . "\@"}ge' \
    "$here/zamut.wxs" >"$work/zamut.wxs"
msi=$work/package.msi
wixl -a x64 -D Version="$version" -o "$msi" "$work/zamut.wxs"
export_tables "$msi" "$work/built"

# The code page the summary declares (its property 1) for the tables too.
cd "$work"
codepage=$(awk -F '\t' 'NR > 3 && $1 == 1 { print $2 }' built/_SummaryInformation.idt)
language=$(awk -F '\t' 'NR > 3 && $1 == "ProductLanguage" { print $2 }' built/Property.idt)
printf '\n\n%s\t_ForceCodepage\n' "$codepage" >_ForceCodepage.idt
msibuild "$msi" -i _ForceCodepage.idt
# The properties of the UpgradeVersion elements that include their maximum.
inclusive=$(perl -0ne 'while (/<UpgradeVersion\b([^>]*)>/g) {
    my $a = $1; print "$1 " if $a =~ /IncludeMaximum="yes"/ && $a =~ /Property="(\w+)"/ }' \
    "$here/zamut.wxs")
for idt in built/*.idt; do
    table=$(basename "$idt" .idt)
    case $table in
    _SummaryInformation | Upgrade) ;;
    *) grep -q '@u:[0-9A-F.]*@' "$idt" || continue ;;
    esac
    # shellcheck disable=SC2016
    perl -CSD -pe 's{\@u:([0-9A-F.]+)\@}{join "", map { chr hex } split /\./, $1}ge' "$idt" |
        case $table in
        _SummaryInformation) sed "s/^7\t\([^;]*\);.*/7\t\1;$language/" ;;
        Upgrade) awk -F '\t' -v OFS='\t' -v inclusive=" $inclusive" '
            NR > 3 && index(inclusive, " " $7 " ") && int($5 / 512) % 2 == 0 { $5 += 512 } 1' ;;
        *) cat ;;
        esac >"$table.idt"
    msibuild "$msi" -i "$table.idt"
done
cd - >/dev/null

check "$msi" || { echo "msi.sh: names came out empty; $output not written" >&2; exit 1; }
mkdir -p "$(dirname "$output")"
mv "$msi" "$output"
