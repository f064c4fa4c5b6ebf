#!/bin/sh
# Writes the seed corpus of each fuzz target into tests/fuzz/corpus/<target>/:
# small inputs of our own, from real saved readings to broken ones. The files
# are committed; run this again after changing it, and commit what changed.
set -eu
cd "$(dirname "$0")"
export LC_ALL=C

rm -rf corpus
mkdir -p corpus/FuzzTextCodec corpus/FuzzReadingFile corpus/FuzzNineStarFile \
    corpus/FuzzReport corpus/FuzzReportCommand corpus/FuzzFontTables corpus/FuzzClientList

# enc TEXT: the text's bytes (ASCII or the code page) as a saved file stores
# them, each code 85 higher; a byte that would pass 255 is dropped.
enc() {
    printf '%s' "$1" | od -An -v -tu1 |
        awk '{ for (i = 1; i <= NF; ++i) if ($i + 85 <= 255) printf "%c", $i + 85 }'
}
# put TARGET NAME: stdin becomes the seed NAME of TARGET.
put() { cat >"corpus/$1/$2"; }
# crlf: the encoded line break of a Nine Star Ki report (CR LF shifted).
crlf() { printf '\142\137'; }

# --- Text codec: bytes, and the same bytes as UTF-16 code units ------------
printf 'Anna Lee' | put FuzzTextCodec ascii
printf '\124\125\252\253\377\200\201\215\217\220\235\237' | put FuzzTextCodec code-limits
awk 'BEGIN { for (i = 0; i < 256; ++i) printf "%c", i }' | put FuzzTextCodec every-byte
# The euro sign, low quote and Z with caron as UTF-16 code units, low byte first.
printf '\254\040\032\040\175\001A\000' | put FuzzTextCodec utf16-high-controls
# A lone high surrogate, then a pair.
printf '\000\330A\000\075\330\000\336' | put FuzzTextCodec utf16-surrogates
printf 'Zo\303\253 \303\230rsted \346\235\216 \342\202\254' | put FuzzTextCodec utf8-mixed
printf '\r\n\t\000' | put FuzzTextCodec controls

# --- Saved reading: the file as it stands, and NUL-separated details --------
{ enc 'Anna Lee'; printf '\r\n'; enc 5; printf '\r\n'; enc March; printf '\r\n'
  enc 1980; printf '\r\n'; } | put FuzzReadingFile anna-lee.qnr
{ enc 'Anna Lee'; printf '\n'; enc 5; printf '\n'; enc March; printf '\n'
  enc 1980; printf '\n'; } | put FuzzReadingFile lf-line-ends.qnr
{ enc 'Anna Lee'; printf '\r'; enc 5; printf '\r'; enc March; printf '\r'
  enc 1980; } | put FuzzReadingFile cr-line-ends-no-last.qnr
{ enc "Zo Li-O'Hara"; printf '\r\n'; enc 31; printf '\r\n'; enc December; printf '\r\n'; } |
    put FuzzReadingFile three-lines.qnr
{ enc 'Wei Chen'; printf '\r\n'; enc 29; printf '\r\n'; enc February; printf '\r\n'
  enc 2050; printf '\r\n'; enc 'a fifth line'; printf '\r\n'; } | put FuzzReadingFile five-lines.qnr
{ printf '\r\n'; enc 5; printf '\r\n'; enc March; printf '\r\n'; enc 1980; printf '\r\n'
  enc 'UTF-8:%E7%8E%8B%E5%B0%8F%E6%98%8E'; printf '\r\n'; } | put FuzzReadingFile whole-name.qnr
{ enc 'Jos Mller'; printf '\r\n'; enc 5; printf '\r\n'; enc March; printf '\r\n'; enc 1980
  printf '\r\n'; enc 'UTF-8:Jos%C3%A9%20M%C3%BCller'; } | put FuzzReadingFile whole-name-no-end.qnr
printf '\r\n\r\n\r\n\r\n' | put FuzzReadingFile blank-lines.qnr
printf '' | put FuzzReadingFile empty.qnr
printf 'Anna Lee\r\n5\r\nMarch\r\n1980\r\n' | put FuzzReadingFile not-encoded.qnr
printf '\125\124\r\n' | put FuzzReadingFile byte-below-shift.qnr
printf '\325\377\252\r\n\142\137\r\n' | put FuzzReadingFile high-bytes.qnr
printf 'Anna Lee\0005\000March\0001980' | put FuzzReadingFile details-anna-lee
printf 'Zo\303\253 \303\230rsted \346\235\216\000 31\000December\000\t2050\r\n' |
    put FuzzReadingFile details-lossy
printf '\302\252\302\253\r\n\000\000\000' | put FuzzReadingFile details-code-limits

# --- Nine Star Ki: the first field of the first line ------------------------
report() { enc 'Your Nine Star Ki number is 5.'; crlf; enc 'Element: Earth'; }
{ report; printf ',"second field",3\r\n'; } | put FuzzNineStarFile plain-field.qfs
{ printf '"'; report; printf '","x"\r\nnext line\r\n'; } | put FuzzNineStarFile quoted-field.qfs
{ printf '   "'; report; printf '"\r\n'; } | put FuzzNineStarFile leading-spaces.qfs
{ printf '"'; report; printf '\r\n'; } | put FuzzNineStarFile unclosed-quote.qfs
printf '"a,b",c\n' | put FuzzNineStarFile comma-inside-quotes.qfs
printf ',,,\r\n' | put FuzzNineStarFile empty-first-field.qfs
printf '""\r\n' | put FuzzNineStarFile empty-quoted.qfs
printf '\r\n\252\252' | put FuzzNineStarFile empty-first-line.qfs
printf '' | put FuzzNineStarFile empty.qfs
{ printf '"'; awk 'BEGIN { for (i = 0; i < 256; ++i) if (i != 34) printf "%c", i }'; } |
    put FuzzNineStarFile every-byte.qfs

# --- Report: nine header bytes, then name NUL reading NUL relationship ------
# header LANGUAGE TERRITORY YEAR MONTH DAY FLAGS, each a number; year as two
# bytes, low first (negative years as 65536 + year).
header() {
    printf "\\$(printf %03o $(($1 % 256)))\\$(printf %03o $(($1 / 256)))"
    printf "\\$(printf %03o $(($2 % 256)))\\$(printf %03o $(($2 / 256)))"
    printf "\\$(printf %03o $(($3 % 256)))\\$(printf %03o $(($3 / 256)))"
    printf "\\$(printf %03o "$4")\\$(printf %03o "$5")\\$(printf %03o "$6")"
}
{ header 75 246 1980 3 5 0
  printf 'Anna Lee\000Your numbers: 1, 3, 5, 8, 9\r\nLucky direction: North\000'
  printf 'You and your partner share the element Earth.'; } | put FuzzReport anna-lee-en-gb
{ header 14 71 2050 12 31 4
  printf 'Wei Chen\000Part one\001bold part\001third part\000\001\001'; } |
    put FuzzReport arabic-egypt-bold-parts
{ header 228 112 1900 1 1 120
  printf 'Report Generated By https://numorra.example.org/\000'
  printf 'Report Generated By https://numorra.example.org/\r\n\000x'; } |
    put FuzzReport footer-in-texts
{ header 120 120 2000 2 29 1
  printf 'A\000n\000n\000a\000\000\000\344\116\000\000'; } | put FuzzReport japanese-utf16
{ header 94 91 1999 13 40 2; printf 'Zo\353 \330rsted\000\200\201\000\377'; } |
    put FuzzReport german-invalid-date-code-page
{ header 1 0 65535 2 29 3; printf '\000\000'; } | put FuzzReport c-locale-year-minus-one
{ header 0 0 0 0 0 0; } | put FuzzReport header-only
# Chakma in Bangladesh: digits outside the Basic Multilingual Plane.
{ header 52 20 1980 3 5 0; printf 'Anna Lee\000\000'; } | put FuzzReport chakma-digits

# --- Command line: arguments one a line, NUL, then the reading file ---------
printf -- '--name\nAnna Lee\n--day\n5\n--month\nMarch\n--year\n1980' |
    put FuzzReportCommand details
printf -- '--json\n--name\n  Anna Lee  \n--day\n05\n--month\n3\n--year\n1980' |
    put FuzzReportCommand details-json
{ printf '%%f\000'; cat corpus/FuzzReadingFile/anna-lee.qnr; } | put FuzzReportCommand reading-file
{ printf -- '--json\n%%f\n%%f\000'; cat corpus/FuzzReadingFile/three-lines.qnr; } |
    put FuzzReportCommand two-files-json
{ printf -- '--pdf\nout.pdf\n%%f\000'; cat corpus/FuzzReadingFile/anna-lee.qnr; } |
    put FuzzReportCommand pdf-refused
printf -- '%%f\000garbage\r\n' | put FuzzReportCommand not-a-reading
{ printf -- '--json\n-\n%%f\000'; cat corpus/FuzzReadingFile/anna-lee.qnr; } |
    put FuzzReportCommand standard-input
printf -- '--name\nAnna Lee\n--date\n1980-03-05' | put FuzzReportCommand date
printf -- '%%fx\nmissing.qnr\n.\000' | put FuzzReportCommand bad-paths
printf -- '--name\nA\n%%f\000' | put FuzzReportCommand details-and-file
printf -- '--name\n\n--day\n32\n--month\nSmarch\n--year\n1899' | put FuzzReportCommand refused
printf -- '--name\nAnna\n--name\nLee' | put FuzzReportCommand repeated-option
printf -- '--help' | put FuzzReportCommand help
printf -- '--version' | put FuzzReportCommand version
printf -- '--bogus\n-x' | put FuzzReportCommand unknown-options
printf '' | put FuzzReportCommand nothing
printf -- '--list\n-\n--save\n.\n--verbose\000Bo;1;1;1911\r\n' | put FuzzReportCommand list-save

# --- Client list: a spreadsheet saved as CSV --------------------------------
printf 'Name,Date of Birth,Phone\nAnna Lee,1980-03-05,555 0101\n"Lee, ""Bo""",1911-01-01,\n' |
    put FuzzClientList libreoffice-header.csv
printf '\357\273\277Name;Day;Month;Year\r\nJos\303\251 M\303\274ller;31;april;1980\r\n;;;\r\n' |
    put FuzzClientList excel-bom-semicolons.csv
printf 'Anna Lee,05/03/1980\r\n\347\216\213\345\260\217\346\230\216,29/02/1900\r\nBo,5/3/80' |
    put FuzzClientList google-no-header.csv
printf 'Year\tMonth\tBirth Day\tName\n2050\t12\t31\t"two\nlines"\n' | put FuzzClientList tabs-any-order.tsv
printf 'Name,Date\nAnna\000Lee,1980-03-05\n' | put FuzzClientList binary.csv
# The separator told by the first row's bytes within the row limit alone.
printf 'Anna Lee\377,%0300d;;;;\n' 0 | put FuzzClientList first-row-past-the-limit.csv

# --- Fonts: TrueType and CFF outlines, installable and restricted ----------
python3 make-font-seeds.py corpus/FuzzFontTables
