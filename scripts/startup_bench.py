#!/usr/bin/env python3
"""Times the program's start-up with the largest book against a bare Qt main window."""
import os
import statistics
import subprocess
import sys
import tempfile
import time

build = sys.argv[1]
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 20
with tempfile.TemporaryDirectory() as tmp:
    book = os.path.join(tmp, "largest.vpx")
    ini = os.path.join(tmp, "vespin.ini")
    subprocess.run([f"{build}/bench/make_largest_book", book], check=True)
    lines = ["出勤,遅刻,早退,欠勤,半休,休出,有休,振休,特休,特欠", "10,11,12,20,13,14,21,22,23,24",
             "1,1,1,0,1,1,0,0,0,0", "直行不帰,勤務地１,勤務地２,勤務地３"]
    with open(ini, "wb") as f:
        f.write("".join(l + "\r\n" for l in lines).encode("cp932"))
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_CONFIG_HOME=tmp)

    def timed(cmd):
        samples = []
        for _ in range(runs):
            t = time.perf_counter()
            subprocess.run(cmd, check=True, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            samples.append(time.perf_counter() - t)
        return statistics.median(samples) * 1e3

    timed([f"{build}/bench/startup_floor"])  # warm the page cache
    floor = timed([f"{build}/bench/startup_floor"])
    text = timed([f"{build}/bench/startup_floor", "text"])
    real = timed([f"{build}/bench/startup_vespin", book, ini])
    print(f"| StartUp (largest book, offscreen) | {real:.1f} ms | bare Qt main window {floor:.1f} ms "
          f"| {real / floor:.2f}× |")
    print(f"| StartUp | {real:.1f} ms | bare window with one Japanese label {text:.1f} ms "
          f"| {real / text:.2f}× |")
