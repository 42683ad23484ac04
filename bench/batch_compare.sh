#!/bin/sh
# Times whole processes working through 1,000 systems of 16 equations in one run each:
# korvel-cli solve over the CSV files and over the same systems as model files (.kvl),
# python3 with numpy reading (numpy.loadtxt) and solving the CSV files in one process, and
# korvel-cli check over the model files on one core (--jobs 1) and on every core (the
# default). Runs are interleaved (one of each per round) so that a busy moment hits all
# alike; reports the median, fastest and slowest of each and the ratios. Usage:
#   bench/batch_compare.sh [BUILD_DIR] [ROUNDS]
# BUILD_DIR defaults to ./build (korvel-cli built in it), ROUNDS to 5. Needs python3-numpy.
set -eu

build=${1:-build}
rounds=${2:-5}
cli="$build/src/cli/korvel-cli"
[ -x "$cli" ] && [ -x "$build/src/cli/korvel-cli-check" ] || {
    echo "batch_compare.sh: $cli not found; build it with: ninja -C $build korvel-cli" >&2
    exit 2
}
# Debian's python3, where python3-numpy is installed (a python3 earlier in PATH may lack it).
python=${PYTHON:-/usr/bin/python3}
"$python" -c 'import numpy' 2>/dev/null || { echo "batch_compare.sh: $python has no numpy (apt-get install python3-numpy)" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The systems: fixed seed, entries with three decimals in [-1, 1), a dominant diagonal (so
# each is well conditioned), as CSV; korvel-cli saves each as a model file.
"$python" - "$work" <<'PY'
import random, sys
work = sys.argv[1]
random.seed(1000)
n = 16
for k in range(1000):
    a = [[round(random.uniform(-1, 1), 3) for _ in range(n)] for _ in range(n)]
    for i in range(n):
        a[i][i] = round(a[i][i] + (n if a[i][i] >= 0 else -n), 3)
    c = [round(random.uniform(-1, 1), 3) for _ in range(n)]
    with open(f"{work}/system{k:04d}.csv", "w") as f:
        f.write("".join(",".join(map(repr, a[i] + [c[i]])) + "\n" for i in range(n)))
PY
for csv in "$work"/system*.csv; do
    "$cli" save - "${csv%.csv}.kvl" <"$csv"
done
cat > "$work/numpy_solve.py" <<'PY'
import sys
import numpy
lines = []
for path in sys.argv[1:]:
    data = numpy.loadtxt(path, delimiter=",", ndmin=2)
    for i, x in enumerate(numpy.linalg.solve(data[:, :-1], data[:, -1])):
        lines.append(f"{path}\tY {i + 1}\t{float(x)!r}\n")
sys.stdout.write("".join(lines))
PY

BENCH_DIR=$(dirname "$0") "$python" - "$rounds" "$cli" "$work" <<'PY'
import glob, os, statistics, subprocess, sys, time
rounds, cli, work = int(sys.argv[1]), os.path.abspath(sys.argv[2]), sys.argv[3]
csv = sorted(glob.glob(f"{work}/system*.csv"))
kvl = sorted(glob.glob(f"{work}/system*.kvl"))
cores = os.cpu_count()
commands = {
    "korvel-cli solve, .csv": [cli, "solve", *csv],
    "korvel-cli solve --jobs 1, .csv": [cli, "solve", "--jobs", "1", *csv],
    "korvel-cli solve, .kvl": [cli, "solve", *kvl],
    "python3 + numpy, .csv": [sys.executable, f"{work}/numpy_solve.py", *csv],
    "korvel-cli check --jobs 1": [cli, "check", "--jobs", "1", *kvl],
    f"korvel-cli check, {cores} cores": [cli, "check", *kvl],
}

# The answers must agree before they are timed: korvel-cli's from either kind of file with
# numpy's, and every check must find one solution.
def rows(argv):
    out = subprocess.run(argv, check=True, capture_output=True, text=True).stdout
    return [line.split("\t") for line in out.splitlines()]
reference = rows(commands["python3 + numpy, .csv"])
assert len(reference) == 16000
for name in ("korvel-cli solve, .csv", "korvel-cli solve --jobs 1, .csv", "korvel-cli solve, .kvl"):
    got = rows(commands[name])
    assert len(got) == len(reference), name
    for (file, unknown, value), (ref_file, ref_unknown, ref_value) in zip(got, reference):
        assert os.path.splitext(file)[0] == os.path.splitext(ref_file)[0], (name, file)
        assert unknown == ref_unknown, (name, unknown)
        x, r = float(value), float(ref_value)
        assert abs(x - r) <= 1e-12 * max(1, abs(r)), (name, file, x, r)
for name in ("korvel-cli check --jobs 1", f"korvel-cli check, {cores} cores"):
    checked = rows(commands[name])
    assert sum(row[1] == "Unique solution." for row in checked) == 1000, name

sys.dont_write_bytecode = True  # no __pycache__ beside the scripts
sys.path.insert(0, os.environ["BENCH_DIR"])
from process_timing import run_once

for argv in commands.values():  # warm the file cache
    run_once(argv)
load_before = os.getloadavg()
times = {name: [] for name in commands}
for _ in range(rounds):
    for name, argv in commands.items():
        times[name].append(run_once(argv))
load_after = os.getloadavg()

print(f"1000 systems of 16 equations per run; {rounds} interleaved rounds, wall time per whole process (ms)")
print(f"load average before {load_before[0]:.2f}, after {load_after[0]:.2f}; {cores} cores")
print(f"{'':32} {'median':>8} {'fastest':>8} {'slowest':>8}")
medians = {}
for name, ts in times.items():
    medians[name] = statistics.median(ts)
    print(f"{name:32} {medians[name]:8.1f} {min(ts):8.1f} {max(ts):8.1f}")
solve = medians["korvel-cli solve, .csv"]
print(f"numpy : korvel-cli solve (.csv) = {medians['python3 + numpy, .csv'] / solve:.1f}, "
      f"(.kvl) = {medians['python3 + numpy, .csv'] / medians['korvel-cli solve, .kvl']:.1f}, "
      f"(.csv, one core) = {medians['python3 + numpy, .csv'] / medians['korvel-cli solve --jobs 1, .csv']:.1f}")
print(f"check on one core : on {cores} = "
      f"{medians['korvel-cli check --jobs 1'] / medians[f'korvel-cli check, {cores} cores']:.2f}")
PY
