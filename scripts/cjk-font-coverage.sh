#!/bin/sh
# Measures Debian's Chinese fonts against the characters Chinese names are
# written with, for the package's font recommendation (docs/printing.md, "The
# Chinese font"). Nothing is installed: each package is downloaded with
# `apt-get download` into a scratch folder and unpacked there.
#
# The characters come from Debian's unicode-data (the Unihan database):
#   - kTGH: the 8,105 characters of the Table of General Standard Chinese
#     Characters (2013), in its three levels: 1 to 3500 common, 3501 to 6500
#     less common, 6501 to 8105 the characters kept for names of people and
#     places, and for science;
#   - kBigFive: the 13,060-odd characters of Big5, which Taiwan's names use.
# A package covers a character when one of its font files has it in its
# character map (fc-query).
#
#   scripts/cjk-font-coverage.sh [PACKAGE...]
set -eu

packages=${*:-fonts-noto-cjk fonts-wqy-microhei fonts-wqy-zenhei fonts-droid-fallback \
    fonts-arphic-ukai fonts-arphic-uming fonts-arphic-gbsn00lp fonts-arphic-gkai00mp \
    fonts-arphic-bsmi00lp fonts-arphic-bkai00mp fonts-lxgw-wenkai}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"
chmod 755 "$scratch" # apt-get download writes as its own user where it can

unpack() {
    apt-get download "$1" >/dev/null 2>&1 || { echo "cannot download $1" >&2; exit 1; }
    mkdir -p "x/$1"
    dpkg-deb -x "$1"_*.deb "x/$1"
}

unpack unicode-data
bzcat x/unicode-data/usr/share/unicode/Unihan_OtherMappings.txt.bz2 >unihan.txt

# "CODE LEVEL" lines: the standard's characters; "CODE 0" lines: Big5's.
awk -F'\t' '$1 ~ /^U\+/ && $2 == "kTGH" {
        split($3, at, ":"); n = at[2] + 0
        print substr($1, 3), (n <= 3500 ? 1 : n <= 6500 ? 2 : 3) }' unihan.txt >tgh.txt
awk -F'\t' '$1 ~ /^U\+/ && $2 == "kBigFive" { print substr($1, 3), 0 }' unihan.txt >big5.txt

echo "| package | installed | standard (8,105) | level 1 | level 2 | level 3 (names) | beyond the BMP | Big5 |"
echo "|---|---|---|---|---|---|---|---|"
for package in $packages; do
    unpack "$package"
    size=$(apt-cache show "$package" | awk '/^Installed-Size:/ { print $2; exit }')
    find "x/$package" -type f \( -name '*.ttf' -o -name '*.ttc' -o -name '*.otf' \) \
        -exec fc-query --format='%{charset}\n' {} \; >charset.txt
    perl -e '
        my ($package, $size) = @ARGV;
        my %has;
        open my $charsets, "<", "charset.txt" or die;
        for (map { split " " } <$charsets>) {
            my ($first, $last) = split /-/;
            $has{$_} = 1 for hex($first) .. hex($last // $first);
        }
        my (%all, %got);
        for my $list ("tgh.txt", "big5.txt") {
            open my $in, "<", $list or die;
            while (<$in>) {
                my ($code, $level) = split;
                my $cp = hex $code;
                my @keys = $list eq "big5.txt" ? ("big5") : ("tgh", "level$level");
                push @keys, "astral" if $cp > 0xFFFF && $list eq "tgh.txt";
                for (@keys) { ++$all{$_}; ++$got{$_} if $has{$cp} }
            }
        }
        printf "| %s | %.1f MB |", $package, $size / 1000;
        printf " %d (%.1f%%) |", $got{$_} // 0, 100 * ($got{$_} // 0) / $all{$_}
            for qw(tgh level1 level2 level3 astral big5);
        print "\n";
    ' "$package" "$size"
    rm -rf "x/$package" "$package"_*.deb
done
