"""Starts each program on each sample file and measures, from outside:
shown    - until a window of the process is visible,
settled  - until the last CPU use before 0.4 s of quiet (busy time),
rss      - peak resident memory (VmHWM),
and the interactive steps the editor must keep short."""
import os, random, shutil, statistics, subprocess, sys, tempfile, time

build, rounds = sys.argv[1], int(sys.argv[2])
# Optional third argument: the sample files to run, comma-separated.
only = sys.argv[3].split(",") if len(sys.argv) > 3 else None
orvane = os.path.join(build, "orvane")
floor = os.path.join(build, "orvane_floor")
QUIET = 0.4
TICK = os.sysconf("SC_CLK_TCK")


def cpu(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])


def peak_rss_mb(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1]) / 1024
    return 0


def window_of(pid):
    out = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                         capture_output=True, text=True).stdout.split()
    return out[-1] if out else None


def settle(pid, since):
    """Seconds from since to the last CPU use before a quiet spell."""
    last_cpu, last_change = cpu(pid), time.monotonic()
    while time.monotonic() - last_change < QUIET:
        time.sleep(0.005)
        now = cpu(pid)
        if now != last_cpu:
            last_cpu, last_change = now, time.monotonic()
    return max(last_change - since, 0.0)


def start(argv, env):
    # A display that was just left by a large window can refuse the next
    # client for a moment.
    for attempt in range(5):
        try:
            return start_once(argv, env)
        except RuntimeError:
            if attempt == 4:
                raise
            time.sleep(1)


def start_once(argv, env):
    t0 = time.monotonic()
    log = open(os.path.join(tempfile.gettempdir(), "orvane-process.log"), "ab")
    proc = subprocess.Popen(argv, env=env, stdout=log, stderr=log)
    win = None
    while win is None:
        if proc.poll() is not None:
            raise RuntimeError(f"{argv} ended early ({proc.returncode})")
        win = window_of(proc.pid)
        if win is None:
            time.sleep(0.005)
    shown = time.monotonic() - t0
    busy = settle(proc.pid, t0)
    return proc, win, shown, busy


def stop(proc):
    proc.kill()
    proc.wait()
    time.sleep(0.3)


def key(win, *keys):
    subprocess.run(["xdotool", "windowfocus", "--sync", win], check=False)
    t0 = time.monotonic()
    subprocess.run(["xdotool", "key", "--window", win, *keys], check=True)
    return t0


def make_files(folder):
    random.seed(1)
    words = ("lorem ipsum dolor sit amet consectetur adipiscing elit sed do eiusmod "
             "tempor incididunt ut labore et dolore magna aliqua").split()

    def prose(size, name):
        lines, n = [], 0
        while n < size:
            line = " ".join(random.choice(words) for _ in range(random.randint(3, 25))) + "\n"
            lines.append(line)
            n += len(line)
        path = os.path.join(folder, name)
        with open(path, "w") as f:
            f.write("".join(lines))
        return path

    art = (bytes([0xDB, 0xDB, 0xB2, 0xB1, 0xB0, 0x20, 0x20]) * 11 + b"art\r\n")
    nfo = os.path.join(folder, "art.nfo")
    with open(nfo, "wb") as f:
        f.write(art * (21 * 1024 // len(art)))
    line = os.path.join(folder, "line5.txt")
    with open(line, "w") as f:
        f.write(" ".join(random.choice(words) for _ in range(900000))[: 5 << 20])
    return {"nfo21k": nfo, "text10": prose(10 << 20, "text10.txt"),
            "text50": prose(50 << 20, "text50.txt"), "line5": line}


def orvane_env(home, wrap):
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
               XDG_DATA_HOME=os.path.join(home, ".local/share"))
    os.makedirs(os.path.join(home, ".config"), exist_ok=True)
    return env


def main():
    scratch = tempfile.mkdtemp(prefix="orvane-process-")
    files = make_files(scratch)
    plain_home = os.path.join(scratch, "home-plain")
    wrap_home = os.path.join(scratch, "home-wrap")
    env_plain, env_wrap = orvane_env(plain_home, False), orvane_env(wrap_home, True)
    # Word wrap on in the second home: the settings are written at once.
    proc, win, _, _ = start([orvane, files["nfo21k"]], env_wrap)
    key(win, "ctrl+w")
    settle(proc.pid, time.monotonic())
    stop(proc)

    results = {}

    def note(name, value):
        results.setdefault(name, []).append(value)

    for r in range(rounds):
        for name in ("nfo21k", "text10", "text50", "line5"):
            if only and name not in only:
                continue
            for who, argv, env in (("orvane", [orvane, files[name]], env_plain),
                                   ("floor", [floor, files[name]], os.environ)):
                proc, win, shown, busy = start(argv, env)
                note(f"{name} {who} shown", shown)
                note(f"{name} {who} busy", busy)
                note(f"{name} {who} rss", peak_rss_mb(proc.pid))
                if name == "text10" and who == "orvane":
                    t0 = key(win, "ctrl+w")
                    note("text10 orvane wrap switched on", settle(proc.pid, t0))
                    t0 = key(win, "ctrl+End")
                    note("text10 orvane wrapped ctrl+End", settle(proc.pid, t0))
                    t0 = key(win, "ctrl+w")
                    note("text10 orvane wrap switched off", settle(proc.pid, t0))
                    subprocess.run(["xdotool", "key", "--window", win, "x"])
                    settle(proc.pid, time.monotonic())
                    before = os.stat(files[name]).st_mtime_ns
                    t0 = key(win, "ctrl+s")
                    while os.stat(files[name]).st_mtime_ns == before:
                        time.sleep(0.002)
                    note("text10 orvane ctrl+s until the file changed", time.monotonic() - t0)
                    settle(proc.pid, t0)
                stop(proc)
        if only and "text10wrapped" not in only:
            print(f"round {r + 1} of {rounds} done", file=sys.stderr)
            continue
        for who, argv, env in (("orvane", [orvane, files["text10"]], env_wrap),
                               ("floor", [floor, files["text10"], "--wrap"], os.environ)):
            proc, win, shown, busy = start(argv, env)
            note(f"text10 wrapped {who} shown", shown)
            note(f"text10 wrapped {who} busy", busy)
            subprocess.run(["xdotool", "mousemove", "--window", win, "200", "200"])
            t0 = time.monotonic()
            subprocess.run(["xdotool", "mousemove", "--window", win, "300", "250"])
            note(f"text10 wrapped {who} first mouse move", settle(proc.pid, t0))
            stop(proc)
        print(f"round {r + 1} of {rounds} done", file=sys.stderr)

    print("| measure | median | runs |")
    print("|---|---|---|")
    for name, values in results.items():
        unit = "MB" if name.endswith("rss") else "s"
        print(f"| {name} | {statistics.median(values):.3f} {unit} | "
              + " ".join(f"{v:.3f}" for v in values) + " |")
    shutil.rmtree(scratch, ignore_errors=True)


main()
