#!/usr/bin/env bash
# vpxtool report end to end: a folder of good books, a damaged one, a protected one, a file that
# is no book, a book another process holds locked; every row and the exit code.
set -u
tool=${VPXTOOL:?}
dir=$(mktemp -d)
holder=
trap '[ -n "$holder" ] && kill "$holder" 2>/dev/null; rm -rf "$dir"' EXIT
export XDG_DATA_HOME="$dir/data" XDG_CONFIG_HOME="$dir/config"
passed=0 failed=0
check() {  # check NAME EXPECTED ACTUAL
    if [ "$2" == "$3" ]; then passed=$((passed + 1)); else
        failed=$((failed + 1)); printf 'FAIL %s\n  expected: %s\n  actual:   %s\n' "$1" "$2" "$3"; fi
}
ini="$dir/vespin.ini"
{ printf '出勤,遅刻,早退,欠勤,半休,休出,有休,振休,特休,特欠\r\n10,11,12,20,13,14,21,22,23,24\r\n1,1,1,0,1,1,0,0,0,0\r\n直行不帰,勤務地１,勤務地２,勤務地３\r\n\r\n\r\n8:00,12:00-13:00\r\n\r\n\r\n有休=1,半休=0.5\r\n'; } \
    | iconv -f UTF-8 -t CP932 > "$ini"
v() { "$tool" --settings "$ini" "$@" >/dev/null 2>&1 || echo "setup failed: $*"; }
books="$dir/総務/books"
mkdir -p "$books/sub"

# 山田: April 2026 of 9:00-23:30 on every weekday (over 100 hours), hired 2025-10-01, one 有休.
a="$books/yamada.vpx"
v new "$a"; v add-year "$a" 2026; v employee "$a" 1001 "山田 太郎"; v hired "$a" 2025-10-01
for d in 01 02 03 06 07 08 09 10 13 14 15 16 17 20 21 22 23 24 27 28; do
    v set-day "$a" "2026-04-$d" 出勤 09:00 23:30
done
v set-day "$a" 2026-04-30 有休
# 佐藤: a quiet month, no date of hire.
b="$books/sub/sato.vpx"
v new "$b"; v add-year "$b" 2026; v employee "$b" 2002 "佐藤 花子"
v set-day "$b" 2026-04-01 出勤 09:00 18:00
# 鈴木: the same, protected.
c="$books/sub/suzuki.vpx"
v new "$c"; v add-year "$c" 2026; v employee "$c" 3003 "鈴木 一郎"; v password "$c" 秘密
# Damaged, no book at all, and what is not a book by its name.
head -c 60 "$a" > "$books/damaged.vpx"
printf 'memo\n' > "$books/notes.VPX"
printf 'x' > "$books/readme.txt"
# 田中 is open for writing in another process, which holds its lock all along.
d="$books/tanaka.vpx"
v new "$d"; v add-year "$d" 2026; v employee "$d" 4004 "田中 次郎"
flock "$d" sleep 60 & holder=$!
sleep 0.3
before=$(stat -c '%Y %s' "$a" "$d" | tr '\n' ' ')

report() {  # report ARGS...: sets rc, out (UTF-8), err
    out=$(timeout 20 "$tool" --settings "$ini" "$@" 2>"$dir/err"); rc=$?; err=$(cat "$dir/err")
}
field() {  # field PYTHON-EXPR over the JSON in $out, rows by file name as r['name']
    printf '%s' "$out" | python3 -c "import json,sys,os
d=json.load(sys.stdin); r={os.path.basename(x['path']): x for x in d['rows']}
print($1)"
}

report report --month 2026-04 --json "$books"
check "some unread: exit 5, never waiting for the lock" 5 "$rc"
check "rows in order, the folder's books at any depth" \
    "damaged.vpx notes.VPX tanaka.vpx yamada.vpx sub/sato.vpx sub/suzuki.vpx" \
    "$(field "' '.join(os.path.relpath(x['path'], '$books') for x in d['rows'])")"
check "month" "2026-04" "$(field "d['month']")"
check "damaged" "予期しないﾌｧｲﾙ形式です。 None None" \
    "$(field "r['damaged.vpx']['error'], r['damaged.vpx']['worked'], r['damaged.vpx']['employeeNo']" | tr -d "(),'")"
check "no book" "予期しないﾌｧｲﾙ形式です。" "$(field "r['notes.VPX']['error']")"
check "protected without a password" "パスワードが違います。 None" \
    "$(field "r['suzuki.vpx']['error'], r['suzuki.vpx']['employeeName']" | tr -d "(),'")"
check "locked elsewhere: read" "None 4004 田中 次郎 0:00" \
    "$(field "r['tanaka.vpx']['error'], r['tanaka.vpx']['employeeNo'], r['tanaka.vpx']['employeeName'], r['tanaka.vpx']['worked']" | tr -d "(),'")"
check "without a date of hire" "None None" "$(field "r['sato.vpx']['leaveLeft'], r['sato.vpx']['fiveDays']" | tr -d "(),'")"
check "leave left and the five days" "9 {'status': 'pending', 'deadline': '2027-03-31'}" \
    "$(field "r['yamada.vpx']['leaveLeft'], r['yamada.vpx']['fiveDays']" | sed "s/^(//; s/)$//; s/, {/ {/")"
check "agreement figures" "['aneihou_80', 'month_limit', 'single_month_100'] 1 None" \
    "$(field "r['yamada.vpx']['findings'], r['yamada.vpx']['monthsOver45'], r['yamada.vpx']['maxAverage']" | sed "s/^(//; s/)$//; s/], /] /; s/, None/ None/")"
# The same figures as `hours` gives for the wage month.
hours=$("$tool" --settings "$ini" hours "$a" 2026-04-01 2026-04-30 2>/dev/null)
check "the figures of hours" \
    "$(printf '%s' "$hours" | python3 -c "import json,sys; m=json.load(sys.stdin)['months'][0]; print(m['days'], m['worked'], m['overtime'], m['legalHolidayWork'], m['night'], m['over60'])")" \
    "$(field "' '.join(str(r['yamada.vpx'][k]) for k in ('days','worked','overtime','legalHolidayWork','night','over60'))")"
check "total of the agreement month" \
    "$(printf '%s' "$hours" | python3 -c "import json,sys; print(json.load(sys.stdin)['agreement']['months'][0]['total'])")" \
    "$(field "r['yamada.vpx']['total']")"
check "only read: nothing changed, the lock still held" "${before}0" \
    "$(stat -c '%Y %s' "$a" "$d" | tr '\n' ' ')$(kill -0 "$holder"; echo $?)"

# One password for all, from a descriptor.
out=$("$tool" --settings "$ini" --password-fd 3 report --month 2026-04 --json "$books/sub" 3<<<"秘密" 2>/dev/null); rc=$?
check "with the password: all read" "0 3003 鈴木 一郎" "$rc $(field "r['suzuki.vpx']['employeeNo'], r['suzuki.vpx']['employeeName']" | tr -d "(),'")"

# CSV: Shift-JIS, a heading, quoted fields, CR LF; files named one by one, in that order.
report report --month 2026-04 "$b" "$books/damaged.vpx" "$dir/missing.vpx"
check "csv exit" 5 "$rc"
csv=$(printf '%s' "$out" | iconv -f CP932 -t UTF-8)
check "csv" "$(printf '"ファイル","社員番号","氏名","エラー","出勤日数","労働時間","法定時間外","法定休日","深夜","60時間超","時間外+休日","2-6か月平均の最大","45時間超の月数","36協定","有休の残日数","5日取得の状況","5日取得の期限"\r\n"%s","2002","佐藤 花子","","1","8:00","0:00","0:00","0:00","0:00","0:00","","0","","","",""\r\n"%s","","","予期しないﾌｧｲﾙ形式です。","","","","","","","","","","","","",""\r\n"%s","","","%s が見つかりませんでした。","","","","","","","","","","","","",""\r' \
    "$b" "$books/damaged.vpx" "$dir/missing.vpx" "$dir/missing.vpx")" "$csv"
if [ "$(id -u)" != 0 ]; then
    chmod 000 "$books/sub"
    report report --month 2026-04 --json "$books/sub"
    check "a folder without access" "5 $books/sub へのｱｸｾｽは拒否されました。" "$rc $(field "d['rows'][0]['error']")"
    chmod 755 "$books/sub"
fi

# Usage, and an output that cannot be written.
report report --month 2026-4 "$books";   check "month form" 2 "$rc"
report report "$books";                  check "no month" 2 "$rc"
report report --month 2026-04;           check "no books" 2 "$rc"
report report --month 2026-04 --csv "$b"; check "unknown option" 2 "$rc"
"$tool" --settings "$ini" report --month 2026-04 "$b" >/dev/full 2>/dev/null
check "output not writable" 3 "$?"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
