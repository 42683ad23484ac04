#!/bin/sh
# Times whole processes solving the same 16-equation system: korvel-cli solve FILE.kvl,
# python3 with numpy.linalg.solve, and a small C program calling LAPACKE_dgesv. Runs are
# interleaved (one of each per round) so that a busy moment hits all three alike; reports
# the median and quartiles of each and the ratios. Usage:
#   bench/cli_compare.sh [BUILD_DIR] [ROUNDS]
# BUILD_DIR defaults to ./build (korvel-cli built in it), ROUNDS to 50. Needs python3-numpy,
# liblapacke-dev and a C compiler.
set -eu

build=${1:-build}
rounds=${2:-50}
cli="$build/src/cli/korvel-cli"
bench_dir=$(dirname "$0")
[ -x "$cli" ] || { echo "cli_compare.sh: $cli not found; build it with: ninja -C $build korvel-cli" >&2; exit 2; }
# Debian's python3, where python3-numpy is installed (a python3 earlier in PATH may lack it).
python=${PYTHON:-/usr/bin/python3}
"$python" -c 'import numpy' 2>/dev/null || { echo "cli_compare.sh: $python has no numpy (apt-get install python3-numpy)" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cc -O2 -o "$work/dgesv_solve" "$bench_dir/dgesv_solve.c" -llapacke

# The system: fixed seed, entries with three decimals in [-1, 1), a dominant diagonal. The
# model file takes its header from one korvel-cli writes itself.
"$cli" save --example test "$work/header.kvl"
"$python" - "$work" <<'PY'
import random, sys
work = sys.argv[1]
random.seed(16)
n = 16
a = [[round(random.uniform(-1, 1), 3) for _ in range(n)] for _ in range(n)]
for i in range(n):
    a[i][i] = round(a[i][i] + (n if a[i][i] >= 0 else -n), 3)
c = [round(random.uniform(-1, 1), 3) for _ in range(n)]
with open(f"{work}/header.kvl", newline="") as f:
    header = f.read().split("\r\n")[:7]
body = [str(n)]
for i in range(n):
    body += [repr(v) for v in a[i]] + [repr(c[i]), f'"x{i + 1}"']
body += ['""'] * 10  # the reserved tail
with open(f"{work}/system16.kvl", "w", newline="") as f:
    f.write("\r\n".join(header + body) + "\r\n")
with open(f"{work}/system16.txt", "w") as f:
    f.write(f"{n}\n" + "".join(" ".join(map(repr, a[i] + [c[i]])) + "\n" for i in range(n)))
PY
cat > "$work/numpy_solve.py" <<'PY'
import sys
import numpy
data = numpy.loadtxt(sys.argv[1], skiprows=1, ndmin=2)
for x in numpy.linalg.solve(data[:, :-1], data[:, -1]):
    print(repr(float(x)))
PY

BENCH_DIR=$(dirname "$0") "$python" - "$rounds" "$cli" "$work" <<'PY'
import os, statistics, sys, time
rounds, cli, work = int(sys.argv[1]), os.path.abspath(sys.argv[2]), sys.argv[3]
commands = {
    "korvel-cli solve": [cli, "solve", f"{work}/system16.kvl"],
    "python3 + numpy": [sys.executable, f"{work}/numpy_solve.py", f"{work}/system16.txt"],
    "C + LAPACKE_dgesv": [f"{work}/dgesv_solve", f"{work}/system16.txt"],
}

# The three must agree before they are timed.
import subprocess
answers = {}
for name, argv in commands.items():
    out = subprocess.run(argv, check=True, capture_output=True, text=True).stdout.split("\n")
    answers[name] = [float(line.split("\t")[-1]) for line in out if line]
ref = answers["C + LAPACKE_dgesv"]
for name, xs in answers.items():
    assert len(xs) == 16 and all(abs(x - r) <= 1e-12 * max(1, abs(r)) for x, r in zip(xs, ref)), name

sys.dont_write_bytecode = True  # no __pycache__ beside the scripts
sys.path.insert(0, os.environ["BENCH_DIR"])
from process_timing import run_once

for argv in commands.values():  # warm the file cache
    run_once(argv)
times = {name: [] for name in commands}
for _ in range(rounds):
    for name, argv in commands.items():
        times[name].append(run_once(argv))

print(f"{rounds} interleaved rounds, wall time per whole process (ms):")
print(f"{'':20} {'median':>8} {'q1':>8} {'q3':>8} {'fastest':>8}")
medians = {}
for name, ts in times.items():
    q1, med, q3 = statistics.quantiles(ts, n=4)
    medians[name] = statistics.median(ts)
    print(f"{name:20} {medians[name]:8.2f} {q1:8.2f} {q3:8.2f} {min(ts):8.2f}")
k = medians["korvel-cli solve"]
print(f"numpy : korvel-cli = {medians['python3 + numpy'] / k:.1f}, "
      f"korvel-cli : dgesv = {k / medians['C + LAPACKE_dgesv']:.2f}")
PY
