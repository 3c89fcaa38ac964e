#!/usr/bin/env bash
# vpxtool end to end: every command, its refusals and exit codes.
set -u
tool=${VPXTOOL:?}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
# Backups and the per-user settings land in the test's own folder.
export XDG_DATA_HOME="$dir/data" XDG_CONFIG_HOME="$dir/config"
passed=0 failed=0

check() {  # check NAME EXPECTED ACTUAL
    if [ "$2" == "$3" ]; then passed=$((passed + 1)); else
        failed=$((failed + 1)); printf 'FAIL %s\n  expected: %s\n  actual:   %s\n' "$1" "$2" "$3"; fi
}
run() {  # run ARGS...: sets rc, out, err
    out=$("$tool" --settings "$dir/vespin.ini" "$@" 2>"$dir/err"); rc=$?; err=$(cat "$dir/err")
}

printf '出勤,遅刻,早退,欠勤,半休,休出,有休,振休,特休,特欠\r\n10,11,12,20,13,14,21,22,23,24\r\n1,1,1,0,1,1,0,0,0,0\r\n直行不帰,勤務地１,勤務地２,勤務地３\r\n' \
    | iconv -f UTF-8 -t CP932 > "$dir/vespin.ini"
book="$dir/my book.vpx"

run new "$book"
check "new exit" 0 "$rc"
check "new bytes" "0000000000000000000000" "$(od -An -tx1 -v "$book" | tr -d ' \n')"

run add-year "$book" 2026;   check "add-year" 0 "$rc"
run add-year "$book" 2026;   check "add-year twice" "1 この年度は、既に作成済みです。" "$rc $err"
run add-year "$book" 1997;   check "add-year range" "1 1998 から 2036 までの整数を入力してください。" "$rc $err"
run add-year "$book" 20x6;   check "add-year text" "1 整数を入力してください。" "$rc $err"
run add-year "$book" 2027;   check "add-year 2027" 0 "$rc"

run employee "$book" "" "山田";  check "employee number" "1 社員番号を入力して下さい。" "$rc $err"
run employee "$book" 1234 "";    check "employee name" "1 氏名を入力して下さい。" "$rc $err"
run employee "$book" 1234 "山田 太郎"; check "employee" 0 "$rc"

run set-day "$book" 2026-05-03 出勤 08:30 17:45 "勤務地１・勤務地２"; check "set-day" 0 "$rc"
run set-day "$book" 2026-05-04 出勤 8:30;  check "set-day form" "1 出社時刻は、ＸＸ：ＸＸ のように前ゼロで入力して下さい。" "$rc $err"
run set-day "$book" 2026-05-04 欠勤 09:00 "" 本社
check "set-day blank rule" "1 この出勤区分の時、出社時刻はスペースとして下さい。
この出勤区分の時、勤務地はスペースとして下さい。" "$rc $err"
run set-day "$book" 2026-05-04 - "" "" 本社; check "set-day category" "1 出勤区分を選択して下さい。" "$rc $err"
run set-day "$book" 2030-05-04 出勤;        check "set-day unregistered" 1 "$rc"
run set-day "$book" 2028-02-29 有休;        check "set-day leap day" 0 "$rc"
run set-day "$book" 2026-05-04 残業;        check "set-day unknown category" 1 "$rc"
run set-day "$book" 2026-5-4 出勤;          check "set-day bad date" 2 "$rc"

run dump "$book"
check "dump exit" 0 "$rc"
check "dump employee" '"1234" "山田 太郎"' "$(printf '%s' "$out" | python3 -c 'import json,sys; d=json.load(sys.stdin); print(json.dumps(d["employeeNo"]), json.dumps(d["employeeName"], ensure_ascii=False))')"
check "dump years" '[[2026, 0, 364, 0], [2027, 365, 730, 1]]' "$(printf '%s' "$out" | python3 -c 'import json,sys; d=json.load(sys.stdin); print([[y["year"],y["first"],y["last"],y["leap"]] for y in d["years"]])')"
check "dump day" '{"year": 2026, "month": 5, "day": 3, "weekday": "日", "start": "08:30", "end": "17:45", "category": 0, "place": "勤務地１・勤務地２", "dayType": 3}' \
    "$(printf '%s' "$out" | python3 -c 'import json,sys; d=json.load(sys.stdin); print(json.dumps(d["days"][32], ensure_ascii=False))')"

# The head-office CSV: Shift-JIS, quoted fields, CR LF, only filled days.
run csv "$book" 2026 5 "$dir/may.csv"
check "csv" "0 1件のデータを出力しました。" "$rc $out"
check "csv bytes" "$(printf '"1234","2026","05","03","10","08:30","17:45","勤務地１・勤務地２"\r\n' | iconv -f UTF-8 -t CP932 | od -An -tx1 -v | tr -d ' \n')" \
    "$(od -An -tx1 -v "$dir/may.csv" | tr -d ' \n')"
run csv "$book" 2027 2 "$dir/FEB.CSV"
check "csv calendar year" '0 "1234","2028","02","29","21","","",""' "$rc $(head -c 37 "$dir/FEB.CSV")"
printf 'old' > "$dir/june.csv"
run csv "$book" 2026 6 "$dir/june.csv"
check "csv empty month" "0 0件のデータを出力しました。 0" "$rc $out $(stat -c %s "$dir/june.csv")"
run csv "$book" 2026 5 "$dir/may.txt";   check "csv extension" "1 ファイルの拡張子は、.csv を指定して下さい。" "$rc $err"
run csv "$book" 2026 5 "$dir/no/may.csv"
check "csv missing folder" "3  $dir/no/may.csv には無効なﾊﾟｽが含まれています。" "$rc $out $err"
run csv "$book" 2026 5 "$dir/nö😀/may.csv"
check "paths shown as they are" "3 $dir/nö😀/may.csv には無効なﾊﾟｽが含まれています。" "$rc $err"
run csv "$book" 2030 5 "$dir/x.csv";     check "csv unregistered" 1 "$rc"
run csv "$book" 2026 13 "$dir/x.csv";    check "csv month" 2 "$rc"

# The monthly sheet: one A4 page with the month's texts. A tool built without Qt refuses it.
if [ "${VPXTOOL_SHEET:-1}" = 0 ]; then
run sheet "$book" 2026 5 "$dir/may.pdf"
check "sheet without Qt" "1 vpxtool: this vpxtool was built without Qt and cannot draw the sheet" "$rc $err"
else
run sheet "$book" 2026 5 "$dir/may.pdf"
check "sheet" "0 " "$rc $err"
check "sheet is a PDF" "%PDF-" "$(head -c 5 "$dir/may.pdf")"
if command -v pdfinfo > /dev/null; then
    check "sheet one A4 page" "1 595 x 842 pts (A4)" \
        "$(pdfinfo "$dir/may.pdf" | sed -n 's/^Pages: *//p') $(pdfinfo "$dir/may.pdf" | sed -n 's/^Page size: *//p')"
fi
if command -v pdftotext > /dev/null; then
    check "sheet texts" "年月 2026年 5月分|社員№：1234|氏名：山田 太郎|(注) この資料は、公的に使用します。" \
        "$(pdftotext "$dir/may.pdf" - | grep -E '^(年月|社員|氏名|\(注\))' | paste -sd '|')"
fi
run sheet "$book" 2026 5 "$dir/no/may.pdf"
check "sheet missing folder" "3 $dir/no/may.pdf には無効なﾊﾟｽが含まれています。" "$rc $err"
fi

# Re-typing a year by the law's calendar and a company holiday keeps every entry.
{ cat "$dir/vespin.ini"; printf '祝日法\r\n12/29\r\n' | iconv -f UTF-8 -t CP932; } > "$dir/law.ini"
"$tool" --settings "$dir/vespin.ini" dump "$book" > "$dir/before.json"
check "dump names only holidays by type" '1 ""' "$("$tool" --settings "$dir/law.ini" dump "$book" | python3 -c 'import json,sys; d=json.load(sys.stdin)["days"][132]; print(d["dayType"], json.dumps(d["holiday"]))')"
"$tool" --settings "$dir/law.ini" retype-year "$book" 2026; check "retype-year" 0 "$?"
"$tool" --settings "$dir/law.ini" dump "$book" > "$dir/after.json"
check "retype-year types" "3 山の日 3 会社休日 1  0 []" "$(python3 - "$dir/before.json" "$dir/after.json" <<'PY'
import json, sys
b, a = (json.load(open(f))["days"] for f in sys.argv[1:])
entry = lambda d: {k: v for k, v in d.items() if k not in ("dayType", "holiday")}
changed = [i for i in range(len(a)) if entry(a[i]) != entry(b[i])]
print(a[132]["dayType"], a[132]["holiday"], a[272]["dayType"], a[272]["holiday"], a[167]["dayType"], a[167]["holiday"], b[32]["category"], changed)
PY
)"
"$tool" --settings "$dir/law.ini" retype-year "$book" 2030 2> "$dir/err"
check "retype-year unregistered" "1 この年度は、登録されていません。" "$? $(cat "$dir/err")"

# Working time: December 2026 and the fiscal year to date, which holds Sunday May 3 worked
# (all of a Sunday's work is beyond its 所定 of 0:00).
run set-day "$book" 2026-12-01 出勤 08:45 18:00
run set-day "$book" 2026-12-02 出勤 18:00 24:59
run set-day "$book" 2026-12-04 出勤 09:00
run set-day "$book" 2026-12-06 休出 09:00 18:30
run set-day "$book" 2026-12-07 欠勤
run summary "$book" 2026 12
check "summary" '0 {"year":2026,"month":12,"scheduled":"8:00","breaks":["12:00-13:00"],'\
'"monthTotals":{"days":3,"span":"25:44","break":"2:00","worked":"23:44","overtime":"8:45","night":"2:59","holidayWork":"8:30"},'\
'"yearTotals":{"days":4,"span":"34:59","break":"3:00","worked":"31:59","overtime":"17:00","night":"2:59","holidayWork":"16:45"},'\
'"categories":[{"name":"出勤","days":3},{"name":"遅刻","days":0},{"name":"早退","days":0},{"name":"欠勤","days":1},'\
'{"name":"半休","days":0},{"name":"休出","days":1},{"name":"有休","days":0},{"name":"振休","days":0},{"name":"特休","days":0},'\
'{"name":"特欠","days":0}],"incomplete":["2026-12-04"],"days":['\
'{"date":"2026-12-01","span":"9:15","break":"1:00","worked":"8:15","overtime":"0:15","night":"0:00","holidayWork":"0:00"},'\
'{"date":"2026-12-02","span":"6:59","break":"0:00","worked":"6:59","overtime":"0:00","night":"2:59","holidayWork":"0:00"},'\
'{"date":"2026-12-06","span":"9:30","break":"1:00","worked":"8:30","overtime":"8:30","night":"0:00","holidayWork":"8:30"}]}' "$rc $out"
run summary "$book" 2030 12;  check "summary unregistered" 1 "$rc"
run summary "$book" 2026 0;   check "summary month" 2 "$rc"

# Hours as the law counts them: a week of 8 hours and its Saturday, a shift from Saturday 20:00
# into the Sunday 法定休日, then the same Sunday marked as no 法定休日 (振替).
hb="$dir/hours.vpx"
run new "$hb"; run add-year "$hb" 2026
for d in 06 07 08 09 10 11; do run set-day "$hb" 2026-04-$d 出勤 09:00 18:00; done
run set-day "$hb" 2026-04-18 休出 20:00 06:00
hours() {  # the figures of one day: worked, overtimeWeekly, withinStatutory, legalHolidayWork, nightLegalHolidayWork
    run hours "$hb" "$1" "$1"
    printf '%s' "$out" | python3 -c 'import json,sys; j=json.load(sys.stdin); d=j["days"][0]
print(sorted(j), d["worked"], d["overtimeWeekly"], d["withinStatutory"], d["legalHolidayWork"], d["nightLegalHolidayWork"], d["breakShort"], [f["rule"] for f in j["findings"]])'
}
check "hours after 40" "['agreement', 'days', 'findings', 'months'] 8:00 8:00 0:00 0:00 0:00 False []" "$(hours 2026-04-11)"
check "hours into the 法定休日" "['agreement', 'days', 'findings', 'months'] 10:00 0:00 4:00 6:00 5:00 True ['break_34']" "$(hours 2026-04-18)"
run day-flags "$hb" 2026-04-19 legal-holiday=no; check "day-flags" 0 "$rc"
check "hours after 振替" "['agreement', 'days', 'findings', 'months'] 10:00 0:00 8:00 0:00 0:00 True ['break_34']" "$(hours 2026-04-18)"
run dump "$hb"; check "dump shows the marks" '[{"date": "2026-04-19", "legalHoliday": "no", "workday": "auto"}] False' \
    "$(printf '%s' "$out" | python3 -c 'import json,sys; j=json.load(sys.stdin); print(json.dumps(j["dayMarks"]), "employment" in j)')"
run day-flags "$hb" 2026-04-19 legal-holiday=auto; check "day-flags auto" 0 "$rc"
run new "$dir/plain.vpx"; run add-year "$dir/plain.vpx" 2026
for d in 06 07 08 09 10 11; do run set-day "$dir/plain.vpx" 2026-04-$d 出勤 09:00 18:00; done
run set-day "$dir/plain.vpx" 2026-04-18 休出 20:00 06:00
check "no marks, no extension" "$(cmp "$hb" "$dir/plain.vpx" && echo same)" "same"
run dump "$hb"; check "dump without extension" "False False" \
    "$(printf '%s' "$out" | python3 -c 'import json,sys; j=json.load(sys.stdin); print("dayMarks" in j, "employment" in j)')"
run day-flags "$hb" 2030-04-19 workday=yes;  check "day-flags unregistered" 1 "$rc"
run day-flags "$hb" 2026-04-19 holiday=yes;  check "day-flags usage" 2 "$rc"
run hours "$hb" 2026-04-30 2026-04-01;       check "hours backwards" 1 "$rc"
run hours "$hb" 2026-02-30 2026-04-01;       check "hours no such date" 2 "$rc"

run password "$book" "秘密"; check "password" 0 "$rc"
run dump "$book";            check "dump without password" "1 パスワードが違います。" "$rc $err"
out=$("$tool" --settings "$dir/vespin.ini" --password "秘密" dump "$book" 2>/dev/null); rc=$?
check "dump with password" 0 "$rc"
"$tool" --settings "$dir/vespin.ini" --password "秘密" password "$book" "" 2>/dev/null
run dump "$book";            check "password removed" 0 "$rc"

cp "$book" "$dir/before-delete.vpx"
run delete-year "$book" 2026; check "delete-year" 0 "$rc"
run dump "$book"
check "after delete" '[[2027, 0, 365, 1]]' "$(printf '%s' "$out" | python3 -c 'import json,sys; d=json.load(sys.stdin); print([[y["year"],y["first"],y["last"],y["leap"]] for y in d["years"]])')"
run delete-year "$book" 2026; check "delete-year missing" 1 "$rc"

# Every save that changed the book kept what it replaced; the newest first.
run backups "$book"
check "backups" "0 True [2026, 2027] 2028-02-29 True" "$rc $(printf '%s' "$out" | python3 -c 'import json,sys; d=json.load(sys.stdin); g=d[0]; print(all(a["time"]>=b["time"] for a,b in zip(d,d[1:])), g["years"], g["lastEnteredDay"], g["readable"])')"
newest=$(printf '%s' "$out" | python3 -c 'import json,sys; print(json.load(sys.stdin)[0]["path"])')
check "backup bytes and mode" "same 600" "$(cmp -s "$newest" "$dir/before-delete.vpx" && echo same) $(stat -c %a "$newest")"
count=$(printf '%s' "$out" | python3 -c 'import json,sys; print(len(json.load(sys.stdin)))')
mkdir -p "$XDG_CONFIG_HOME/ヴェスピン Ver2.0"
printf '[Backups]\nEnabled=false\n' > "$XDG_CONFIG_HOME/ヴェスピン Ver2.0/ヴェスピン.conf"
run employee "$book" 99 "鈴木"
run backups "$book"
check "backups off in the profile" "$count" "$(printf '%s' "$out" | python3 -c 'import json,sys; print(len(json.load(sys.stdin)))')"
run backups "$dir/none.vpx"; check "backups of an unknown book" "0 []" "$rc $out"

run dump "$dir/none.vpx";  check "missing file" "3 $dir/none.vpx が見つかりませんでした。" "$rc $err"
printf 'garbage' > "$dir/bad.vpx"
run dump "$dir/bad.vpx";   check "damaged file" "3 予期しないﾌｧｲﾙ形式です。" "$rc $err"
run frobnicate "$book";    check "usage" 2 "$rc"
out=$("$tool" --settings "$dir/missing.ini" dump "$book" 2>&1 >/dev/null)
check "missing settings" "【 vespin.ini 】がありませんので、
デフォルトの設定とします。

探した場所：
$dir/missing.ini" "$out"
out=$("$tool" --version); check "version" "0 1" "$? $(grep -cE '^vpxtool [0-9]+\.[0-9]+$' <<< "$out")"
out=$("$tool" --help 2>&1); rc=$?
# The exit codes stand once.
check "help" "0 1 1" "$rc $(grep -c '^exit \(codes\|status\): 0 done' <<< "$out") $(grep -c '^  sheet BOOK' <<< "$out")"

# Twenty writers at once: each one either succeeds or is refused as busy (exit 4), and the book
# ends with exactly the years of the successful ones.
mkdir "$dir/many"; many="$dir/many/many.vpx"; run new "$many"
for y in $(seq 2000 2019); do
    ("$tool" --settings "$dir/vespin.ini" add-year "$many" "$y" 2>"$dir/err.$y"; echo $? >"$dir/rc.$y") &
done
wait
won=() bad=0
for y in $(seq 2000 2019); do
    case $(cat "$dir/rc.$y") in 0) won+=("$y") ;; 4) grep -q 編集中です "$dir/err.$y" || bad=1 ;; *) bad=1 ;; esac
done
run dump "$many"
check "concurrent add-year: clean refusals" 0 "$bad"
check "concurrent add-year: the successful years" "${won[*]}" \
    "$(printf '%s' "$out" | python3 -c 'import json,sys; print(*sorted(y["year"] for y in json.load(sys.stdin)["years"]))')"
check "concurrent add-year: no leftovers" "many.vpx" "$(ls -A "$dir/many")"
busy() { flock "$book" "$tool" --settings "$dir/vespin.ini" --password 秘密 "$1" "$book" "${@:2}" >/dev/null 2>&1; echo -n "$? "; }
check "a busy book is read, not changed" "0 0 4 " "$(busy summary 2027 4; busy dump; busy add-year 2030)"

# Output that does not reach its file is a failure, never a success.
"$tool" --settings "$dir/vespin.ini" dump "$book" >/dev/full 2>"$dir/err"
check "dump to a full disk" "3 stdout へのｱｸｾｽ中にﾃﾞｨｽｸがいっぱいになりました。" "$? $(cat "$dir/err")"

# The password from standard input or a descriptor, never seen on the command line.
run password "$many" "秘密"; check "password set" 0 "$rc"
out=$(printf '秘密\n' | "$tool" --settings "$dir/vespin.ini" --password-stdin dump "$many" 2>/dev/null)
check "password from stdin" 0 "$?"
out=$("$tool" --settings "$dir/vespin.ini" --password-fd 5 dump "$many" 5<<<"違う" 2>&1 >/dev/null)
check "wrong password from a descriptor" "1 パスワードが違います。" "$? $out"

# What no book can hold is refused, never stored as "?".
run employee "$many" 1 "🍣"; check "employee emoji" "1 U+1F363 は、ファイルに保存できない文字です。別の文字を入力して下さい。" "$rc $err"
run --password "🔑🔑" dump "$many"; check "unstorable password opens nothing" "1 パスワードが違います。" "$rc $err"

# No command overwrites a book: new refuses any name that exists, and no output replaces the
# book it read, a book another program holds, or any other book.
cp "$book" "$dir/keep.vpx"
run new "$book"
check "new over a book" "1 $book は既にあります。上書きしないため、新しい出勤簿は別の名前で作成して下さい。" "$rc $err"
ln -s "$book" "$dir/link.vpx"; ln -s "$dir/nowhere.vpx" "$dir/dangling.vpx"
run new "$dir/link.vpx"; check "new over a link" 1 "$rc"
run new "$dir/dangling.vpx"; check "new over a dangling link" "1 none" "$rc $(ls "$dir/nowhere.vpx" 2>/dev/null || echo none)"
check "new over a busy book" "4 " "$(busy new)"
refused="は出勤簿のため、出力で上書きできません。別のファイル名を指定して下さい。"
run sheet "$book" 2026 5 "$book"; check "sheet over its own book" "1 $book $refused" "$rc $err"
ln "$book" "$dir/hard.csv"
run csv "$book" 2026 5 "$dir/hard.csv"; check "csv over its own book" "1 $dir/hard.csv $refused" "$rc $err"
run sheet "$book" 2026 5 "$dir/link.vpx"; check "sheet through a link" 1 "$rc"
run sheet "$book" 2026 5 "$many"; check "sheet over another book" 1 "$rc"
out=$(flock "$many" "$tool" --settings "$dir/vespin.ini" sheet "$book" 2026 5 "$many" 2>&1 >/dev/null)
check "sheet over a busy book" "4 $many は他のウィンドウまたはプログラムで編集中です。" "$? $out"
"$tool" --settings "$dir/vespin.ini" dump "$book" >> "$book" 2>"$dir/err"
check "dump appended to its book" "1 $book $refused" "$? $(cat "$dir/err")"
check "books untouched" "same same" "$(cmp -s "$book" "$dir/keep.vpx" && echo same) $(cmp -s "$dir/hard.csv" "$dir/keep.vpx" && echo same)"
rm "$dir/hard.csv"

# A password is one line of at most 4096 bytes: endless input is refused, not read for ever.
timeout 10 "$tool" --settings "$dir/vespin.ini" --password-stdin dump "$book" </dev/zero >/dev/null 2>"$dir/err"
check "endless password input" "1 1" "$? $(grep -c 'at most 4096 bytes' "$dir/err")"
for n in 4096 4097; do
    head -c $n /dev/zero | tr '\0' a | "$tool" --settings "$dir/vespin.ini" --password-stdin dump "$book" >/dev/null 2>"$dir/err"
    echo "$? $(grep -c 'at most 4096 bytes' "$dir/err")" >"$dir/rc.$n"
done
check "a password line of 4096 bytes is read, one more is not" "0 0|1 1" "$(cat "$dir/rc.4096")|$(cat "$dir/rc.4097")"

# Generations follow the order of the saves, whatever the clock says: 21 saves in Tokyo, then
# three in a script under UTC (nine hours earlier by the clock) keep all three last states.
printf '[Backups]\nEnabled=true\n' > "$XDG_CONFIG_HOME/ヴェスピン Ver2.0/ヴェスピン.conf"
tz="$dir/tz.vpx"; run new "$tz"
for i in $(seq 1 24); do
    zone=Asia/Tokyo; [ "$i" -gt 21 ] && zone=UTC
    TZ=$zone "$tool" --settings "$dir/vespin.ini" employee "$tz" "$i" x 2>/dev/null
done
run backups "$tz"
numbers=$(printf '%s' "$out" | python3 -c 'import json,sys; print("\n".join(g["path"] for g in json.load(sys.stdin)[:3]))' |
    while read -r g; do "$tool" --settings "$dir/vespin.ini" dump "$g" | python3 -c 'import json,sys; print(json.load(sys.stdin)["employeeNo"])'; done | tr '\n' ' ')
check "generations across a clock set back" "23 22 21 " "$numbers"

# One book through a bind mount (two paths): one backup folder, one list.
mkdir "$dir/a" "$dir/b"
if mount --bind "$dir/a" "$dir/b" 2>/dev/null; then
    run new "$dir/a/bm.vpx"
    for p in a b a b; do run employee "$dir/$p/bm.vpx" "$p$RANDOM" x; done
    run backups "$dir/b/bm.vpx"
    check "one list through a bind mount" 4 "$(printf '%s' "$out" | python3 -c 'import json,sys; print(len(json.load(sys.stdin)))')"
    umount "$dir/b"
else
    echo "(no bind mount here: the one-folder rule is tested with a hard link in backups_test)"
fi

# Paid leave: the employee's details kept in the book, the ledger from the days and line 10.
leaveini="$dir/leave.ini"
{ cat "$dir/vespin.ini"; printf '\r\n\r\n\r\n\r\n\r\n有休=1,半休=0.5,順=古い順\r\n' | iconv -f UTF-8 -t CP932; } > "$leaveini"
lrun() { out=$("$tool" --settings "$leaveini" "$@" 2>"$dir/err"); rc=$?; err=$(cat "$dir/err"); }
lbook="$dir/leave.vpx"
lrun new "$lbook"; lrun add-year "$lbook" 2025
lrun leave "$lbook" 2026-03-31;          check "leave without hire" "1 入社日が設定されていません。" "$rc $err"
lrun hired "$lbook" 2024-02-30;          check "hired date" "1 入社日が正しくありません。" "$rc $err"
lrun hired "$lbook" 2024-04-01;          check "hired" 0 "$rc"
lrun contract "$lbook" 2024-04-01 8 24;  check "contract days" "1 週所定労働日数は 1 から 7 まで、年間所定労働日数は 1 から 366 までとして下さい。" "$rc $err"
lrun contract "$lbook" 2024-04-01 3 2.125; check "contract hours" 1 "$rc"
lrun contract "$lbook" 2024-03-01 3 24;  check "contract before hire" "1 契約の開始日は、入社日以降として下さい。" "$rc $err"
lrun contract "$lbook" 2024-04-01 3 24;  check "contract part time" 0 "$rc"
lrun contract "$lbook" 2025-10-01 5 40;  check "contract full time" 0 "$rc"
lrun leave-used "$lbook" 2024-10-01 2.3; check "leave-used steps" "1 使用済みの日数は、0 から 20 までを 0.5 日単位で入力して下さい。" "$rc $err"
lrun leave-used "$lbook" 2024-10-01 2;   check "leave-used" 0 "$rc"
lrun dump "$lbook"; check "dump shows the employment" '{"hired": "2024-04-01", "contracts": [{"from": "2024-04-01", "daysPerWeek": 3, "weeklyHours": 24.0}, {"from": "2025-10-01", "daysPerWeek": 5, "weeklyHours": 40.0}], "openingUse": [{"grant": "2024-10-01", "days": 2.0}]}' \
    "$(printf '%s' "$out" | python3 -c 'import json,sys; print(json.dumps(json.load(sys.stdin)["employment"]))')"
lrun set-day "$lbook" 2025-06-02 有休; lrun set-day "$lbook" 2025-06-03 半休 09:00 13:00
lrun set-day "$lbook" 2025-11-04 有休
lrun leave "$lbook" 2026-03-31
check "leave" '0 {"grants":[{"date":"2024-10-01","days":5,"expires":"2026-09-30","eligible":true,"rate":null,"usedDays":4.5,"expiredDays":0,"leftDays":0.5},'\
'{"date":"2025-10-01","days":11,"expires":"2027-09-30","eligible":true,"rate":null,"usedDays":0,"expiredDays":0,"leftDays":11}],'\
'"takes":[{"date":"2025-06-02","category":"有休","days":1,"from":[{"grant":"2024-10-01","days":1}]},'\
'{"date":"2025-06-03","category":"半休","days":0.5,"from":[{"grant":"2024-10-01","days":0.5}]},'\
'{"date":"2025-11-04","category":"有休","days":1,"from":[{"grant":"2024-10-01","days":1}]}],"expiries":[],"balance":{"days":11.5},'\
'"obligations":[{"baseDate":"2025-10-01","deadline":"2026-09-30","required":5,"taken":1,"status":"pending"}],"problems":[]}' "$rc $out"
lrun leave "$lbook" 2026-3-31;           check "leave date" 2 "$rc"
if [ "${VPXTOOL_SHEET:-1}" = 0 ]; then
lrun ledger "$lbook" 2025-11-01 "$dir/ledger.pdf"; check "ledger without Qt" 1 "$rc"
else
lrun ledger "$lbook" 2024-09-30 "$dir/ledger.pdf"; check "ledger before a grant" "1 この日までに、有給休暇は付与されていません。" "$rc $err"
lrun ledger "$lbook" 2025-11-01 "$dir/ledger.pdf"; check "ledger" "0 %PDF-" "$rc $(head -c 5 "$dir/ledger.pdf")"
if command -v pdftotext > /dev/null; then
    check "ledger texts" "基準日：2025年10月1日|2025年11月4日(火)|取得1日/5日" \
        "$(pdftotext "$dir/ledger.pdf" - | tr -d ' ' | grep -oE '基準日：2025年10月1日|2025年[0-9]+月[0-9]+日\([月火水木金]\)|取得[0-9.]+日/5日' | paste -sd '|')"
fi
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
