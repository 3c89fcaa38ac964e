#!/usr/bin/env bash
# vpxtool end to end: every command, its refusals and exit codes.
set -u
tool=${VPXTOOL:?}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
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

run password "$book" "秘密"; check "password" 0 "$rc"
run dump "$book";            check "dump without password" "1 パスワードが違います。" "$rc $err"
out=$("$tool" --settings "$dir/vespin.ini" --password "秘密" dump "$book" 2>/dev/null); rc=$?
check "dump with password" 0 "$rc"
"$tool" --settings "$dir/vespin.ini" --password "秘密" password "$book" "" 2>/dev/null
run dump "$book";            check "password removed" 0 "$rc"

run delete-year "$book" 2026; check "delete-year" 0 "$rc"
run dump "$book"
check "after delete" '[[2027, 0, 365, 1]]' "$(printf '%s' "$out" | python3 -c 'import json,sys; d=json.load(sys.stdin); print([[y["year"],y["first"],y["last"],y["leap"]] for y in d["years"]])')"
run delete-year "$book" 2026; check "delete-year missing" 1 "$rc"

run dump "$dir/none.vpx";  check "missing file" "3 $dir/none.vpx が見つかりませんでした。" "$rc $err"
printf 'garbage' > "$dir/bad.vpx"
run dump "$dir/bad.vpx";   check "damaged file" "3 予期しないﾌｧｲﾙ形式です。" "$rc $err"
run frobnicate "$book";    check "usage" 2 "$rc"
out=$("$tool" --settings "$dir/missing.ini" dump "$book" 2>&1 >/dev/null)
check "missing settings" "【 vespin.ini 】がありませんので、
デフォルトの設定とします。" "$out"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
