#!/usr/bin/env python3
"""What the Quenna program costs while it is left alone, counted over every
process that works for it: the program, every other process of its Wine
state (the Wine server and services included) and the X server.

    idle_cost.py BUILD [--state DIR] [--rounds N] [--warm-up S] [--measure S]
                       [--burst-ms MS]

BUILD is one build folder (build/i686 for the deliverable, build/x86_64 for
its twin, which is all there is to measure on a machine that runs no 32-bit
code); the figures say which of the two they measured. The programs run
in a Wine state of that build (BUILD/idle-wine unless --state names one),
made through scripts/lib/session.sh and used by nothing else while this
runs: each case starts its server anew on an Xvfb display of its own and
stops it, with every process of the state, at its end. The cases, round by
round, one after another:

- a bare window with a 100 ms timer that does nothing (timer_window.exe);
- the program with an archive whose idle animation is one still frame
  (made from the demo archive by still_archive.exe);
- the program with the demo archive, playing its idle animation (measured
  before the first idle pick, 30 s after start-up);
- then the program's start-up in tick_driver.exe, which runs bursts of one
  kind of tick on command, a burst of each kind per round: the cost of one
  tick of each kind.

Each figure is the median of the rounds, given with the lowest and the
highest: the rounds of a busy machine differ by a third.

The processor time of a process is the utime + stime of /proc/<pid>/stat,
read to the nanosecond through the process's processor clock; the
processes of the state are those whose environment names its prefix. The
figures depend on the machine and on what else runs on it. Not a test:
nothing here passes or fails.
"""

import argparse
import contextlib
import ctypes
import os
import queue
import select
import signal
import statistics
import subprocess
import sys
import threading
import time

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
WINE_EXEC = os.path.join(ROOT, "scripts", "wine-exec")
TICKS_PER_SECOND = os.sysconf("SC_CLK_TCK")
# The program picks its first idle action 30 s after its start-up: the idle
# animation is measured before that.
IDLE_PICK_SECONDS = 30
# What a burst of ticks asked of the X server may still be under way when
# the burst ends.
SETTLE_SECONDS = 0.5
IDLE_CASES = ("bare", "still", "animation")
TICK_KINDS = {"again": "the frame on screen again", "same": "a new frame, the same shape",
              "other": "a new frame, another shape"}


class Failure(Exception):
    pass


def log(message):
    print(f"idle_cost: {message}", file=sys.stderr, flush=True)


def read_text(path, mode="r"):
    try:
        with open(path, mode) as file:
            return file.read()
    except OSError:  # the process ended meanwhile
        return None


def state_processes(prefix):
    """The pids of the processes whose environment names the prefix."""
    wanted = os.path.realpath(prefix)
    pids = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        environ = read_text(f"/proc/{entry}/environ", "rb")
        if not environ:
            continue
        for variable in environ.split(b"\0"):
            if variable.startswith(b"WINEPREFIX="):
                if os.path.realpath(variable[len(b"WINEPREFIX="):].decode(errors="replace")) == wanted:
                    pids.append(int(entry))
                break
    return pids


class _Timespec(ctypes.Structure):
    _fields_ = [("seconds", ctypes.c_long), ("nanoseconds", ctypes.c_long)]


_libc = ctypes.CDLL(None, use_errno=True)


def clock_seconds(pid):
    """The processor time of the whole process, threads that have ended
    included, at the kernel's own resolution; None when it cannot be read."""
    clock = ctypes.c_int()
    value = _Timespec()
    if _libc.clock_getcpuclockid(pid, ctypes.byref(clock)) != 0 or \
            _libc.clock_gettime(clock, ctypes.byref(value)) != 0:
        return None
    return value.seconds + value.nanoseconds / 1e9


def processor_seconds(pid):
    """(start time, name, processor seconds) of the process, or None once it
    has ended. /proc/<pid>/stat gives utime + stime in whole clock ticks
    (10 ms), which over a measured interval of 20 s is 0.05 % of a core per
    process: too coarse beside a bare window's few tenths of a percent. The
    process's processor clock gives the same figure to the nanosecond; stat
    stands in where that clock cannot be read."""
    stat = read_text(f"/proc/{pid}/stat")
    if stat is None:
        return None
    name = stat[stat.index("(") + 1:stat.rindex(")")]
    fields = stat[stat.rindex(")") + 2:].split()
    # After the name: state is field 3; utime, stime and starttime are 14,
    # 15 and 22.
    seconds = clock_seconds(pid)
    if seconds is None:
        seconds = (int(fields[11]) + int(fields[12])) / TICKS_PER_SECOND
    return int(fields[19]), name, seconds


def machine_times():
    """Idle and total clock ticks of every processor of the machine so far:
    how busy the machine was tells how far to trust a figure, since the
    processor time of a process grows when others crowd it."""
    fields = [int(field) for field in read_text("/proc/stat").split("\n", 1)[0].split()[1:]]
    # user nice system idle iowait irq softirq steal (guest time is in user)
    return fields[3] + fields[4], sum(fields[:8])


class Sampler:
    """The processor time of the state's processes and some others between
    begin() and end(). A process is known by its pid and start time; one
    that ends between two polls keeps what the last poll saw, so poll often."""

    def __init__(self, prefix, other_pids):
        self.prefix = prefix
        self.other_pids = other_pids

    def snapshot(self):
        seen = {}
        for pid in set(state_processes(self.prefix)) | set(self.other_pids):
            sample = processor_seconds(pid)
            if sample is not None:
                start, name, seconds = sample
                seen[(pid, start)] = (name, seconds)
        return seen

    def begin(self):
        self.base = self.snapshot()
        self.last = dict(self.base)
        self.started = time.monotonic()
        self.machine = machine_times()

    def poll(self):
        self.last.update(self.snapshot())

    def end(self):
        """Seconds elapsed, and the processor seconds taken by each process name."""
        self.poll()
        elapsed = time.monotonic() - self.started
        idle, total = (now - before for now, before in zip(machine_times(), self.machine))
        self.machine_busy = 1 - idle / total if total > 0 else 0.0
        by_name = {}
        for key, (name, seconds) in self.last.items():
            base = self.base.get(key, (name, 0))[1]
            by_name[name] = by_name.get(name, 0) + seconds - base
        return elapsed, by_name


def run(command, env, timeout, **kwargs):
    return subprocess.run(command, env=env, timeout=timeout, stdin=subprocess.DEVNULL,
                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **kwargs)


class Xvfb:
    """An X server on a display of its own, ended on exit."""

    def __enter__(self):
        reader, writer = os.pipe()
        try:
            self.process = subprocess.Popen(
                ["Xvfb", "-displayfd", str(writer), "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-ac"],
                pass_fds=[writer], stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            os.close(writer)
            writer = None
            text = b""
            deadline = time.monotonic() + 20
            while not text.endswith(b"\n") and time.monotonic() < deadline:
                ready, _, _ = select.select([reader], [], [], 0.5)
                if ready:
                    chunk = os.read(reader, 64)
                    if not chunk:
                        break
                    text += chunk
            if not text.strip():
                self.__exit__(None, None, None)
                raise Failure("Xvfb did not start")
            self.display = ":" + text.decode().strip()
            return self
        finally:
            os.close(reader)
            if writer is not None:
                os.close(writer)

    def __exit__(self, *exception):
        end_process(self.process)


def end_process(process):
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait(5)


class WineState:
    """The state's server, started afresh on the display so that every
    process of the state belongs to one case, and stopped with all of them."""

    def __init__(self, state, display):
        self.state = state
        self.prefix = os.path.join(state, "prefix")
        self.env = dict(os.environ, WINEPREFIX=self.prefix, HOME=os.path.join(state, "home"), DISPLAY=display,
                        WINEDEBUG="-all", LANG="ja_JP.UTF-8", LC_ALL="ja_JP.UTF-8")
        # wine-exec sets the state itself; the harness's own children carry
        # it only through wine-exec.
        self.exec_env = {k: v for k, v in os.environ.items() if k != "WINEPREFIX"}
        self.exec_env["DISPLAY"] = display

    def start_server(self):
        self.stop()
        run(["wineserver", "-p"], self.env, 30)
        # Xvfb runs no window manager: Wine places the windows itself (the
        # server of a session writes this to disk only when it ends).
        run([WINE_EXEC, self.state, "reg", "add", r"HKCU\Software\Wine\X11 Driver", "/v", "Managed", "/d", "N",
             "/f"], self.exec_env, 120)

    def stop(self):
        try:
            run(["wineserver", "-k"], self.env, 30)
        except subprocess.TimeoutExpired:
            pass
        deadline = time.monotonic() + 10
        while state_processes(self.prefix) and time.monotonic() < deadline:
            time.sleep(0.2)
        # What the server could not end: processes of this state, which
        # this harness owns alone while it runs.
        for pid in state_processes(self.prefix):
            try:
                os.kill(pid, signal.SIGKILL)
            except OSError:
                pass

    def start(self, program, args, folder, pipes=False):
        pipe = subprocess.PIPE if pipes else subprocess.DEVNULL
        errors = open(os.path.join(folder, os.path.basename(program) + ".err"), "w")
        try:
            return subprocess.Popen([WINE_EXEC, self.state, program] + args, cwd=folder, env=self.exec_env,
                                    stdin=pipe, stdout=pipe, stderr=errors, text=True, bufsize=1)
        finally:
            errors.close()

    def call(self, program, args, folder, timeout):
        result = run([WINE_EXEC, self.state, program] + args, self.exec_env, timeout, cwd=folder)
        if result.returncode != 0:
            raise Failure(f"{os.path.basename(program)} ended with {result.returncode}")


def wine_path(path):
    # Wine maps the Unix root to drive Z:.
    return "Z:" + os.path.abspath(path)


class Case:
    """One case: its own X server and its Wine state's processes, started
    anew and ended after."""

    def __init__(self, options, name):
        self.options = options
        self.folder = os.path.join(options.work, name)
        os.makedirs(self.folder, exist_ok=True)

    def __enter__(self):
        self.stack = contextlib.ExitStack()
        try:
            self.xvfb = self.stack.enter_context(Xvfb())
            self.wine = WineState(self.options.state, self.xvfb.display)
            self.stack.callback(self.wine.stop)
            self.wine.start_server()
        except BaseException:
            self.stack.close()
            raise
        self.sampler = Sampler(self.wine.prefix, [self.xvfb.process.pid])
        return self

    def __exit__(self, *exception):
        self.stack.close()


def idle_cost(options, name, program, prepare=None):
    """Processor seconds per second, in all and by process name, of the
    program left alone after the warm-up, and how busy the whole machine
    was meanwhile. prepare(case) readies the case's folder first."""
    with Case(options, name) as case:
        if prepare is not None:
            prepare(case)
        process = case.wine.start(program, [], case.folder)
        try:
            time.sleep(options.warm_up)
            if process.poll() is not None:
                raise Failure(f"{name}: {os.path.basename(program)} ended with {process.returncode}")
            case.sampler.begin()
            deadline = time.monotonic() + options.measure
            while time.monotonic() < deadline:
                time.sleep(min(0.5, max(0.0, deadline - time.monotonic())))
                case.sampler.poll()
            elapsed, by_name = case.sampler.end()
            if process.poll() is not None:
                raise Failure(f"{name}: {os.path.basename(program)} ended with {process.returncode}")
        finally:
            end_process(process)
    return sum(by_name.values()) / elapsed, {k: v / elapsed for k, v in by_name.items()}, case.sampler.machine_busy


def copy_file(source, target):
    with open(source, "rb") as reading, open(target, "wb") as writing:
        writing.write(reading.read())


class Driver:
    """tick_driver.exe and its lines, read by a thread of their own so that
    every wait has a time-out."""

    def __init__(self, process):
        self.process = process
        self.lines = queue.Queue()
        threading.Thread(target=self.read, daemon=True).start()

    def read(self):
        for line in self.process.stdout:
            self.lines.put(line.strip())
        self.lines.put(None)

    def wait_for(self, prefix, timeout, sampler=None):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            try:
                line = self.lines.get(timeout=0.5)
            except queue.Empty:
                line = ""
            if sampler is not None:
                sampler.poll()
            if line is None:
                raise Failure(f"tick_driver ended before '{prefix}'")
            if line.startswith("failed"):
                raise Failure(f"tick_driver: {line}")
            if line.startswith(prefix):
                return line
        raise Failure(f"tick_driver did not say '{prefix}' within {timeout} s")

    def burst(self, kind, milliseconds, sampler):
        """Ticks, processor seconds of every process and wall seconds of
        the burst, the settling of the X server included."""
        sampler.begin()
        self.process.stdin.write(f"{kind} {milliseconds}\n")
        self.process.stdin.flush()
        done = self.wait_for(f"done {kind} ", 60 + milliseconds / 1e3, sampler).split()
        time.sleep(SETTLE_SECONDS)
        elapsed, by_name = sampler.end()
        return int(done[2]), sum(by_name.values()), elapsed, float(done[3]), by_name


def tick_costs(options):
    """For each kind of tick and each round: processor milliseconds per tick
    over every process, less the background, the program's own wall
    milliseconds per tick, the ticks, and milliseconds per tick by process
    name; and the frames the driver chose."""
    costs = {kind: [] for kind in TICK_KINDS}
    with Case(options, "ticks") as case:
        copy_file(options.demo, os.path.join(case.folder, "quenna.pac"))
        process = case.wine.start(options.driver, [], case.folder, pipes=True)
        try:
            driver = Driver(process)
            chosen = driver.wait_for("ready", 120)
            time.sleep(options.warm_up / 2)
            for _ in range(options.rounds):
                _, background, rest_elapsed, _, _ = driver.burst("rest", options.burst_ms, case.sampler)
                rate = background / rest_elapsed
                for kind in TICK_KINDS:
                    ticks, cpu, elapsed, wall, by_name = driver.burst(kind, options.burst_ms, case.sampler)
                    costs[kind].append(((cpu - rate * elapsed) / ticks * 1e3, wall / ticks * 1e3, ticks,
                                        {k: v / ticks * 1e3 for k, v in by_name.items()}))
            process.stdin.write("quit\n")
            process.stdin.flush()
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                pass
        finally:
            end_process(process)
    return costs, chosen


def median(values):
    return statistics.median(values)


def mean_by_name(rounds):
    """The shares by process name, averaged over the rounds."""
    total = {}
    for by_name in rounds:
        for name, value in by_name.items():
            total[name] = total.get(name, 0) + value / len(rounds)
    return total


def breakdown(by_name, scale):
    """The largest shares, by process name."""
    largest = sorted(by_name.items(), key=lambda item: -item[1])[:4]
    return ", ".join(f"{name} {value * scale:.2f}" for name, value in largest if value * scale >= 0.005)


def build_measured(program):
    """Which build a program is, from the machine field of its PE header."""
    with open(program, "rb") as file:
        head = file.read(4096)
    at = int.from_bytes(head[0x3C:0x40], "little") if head[:2] == b"MZ" else -1
    if at < 0 or head[at:at + 4] != b"PE\0\0":
        raise Failure(f"{program} is no Windows program")
    machine = int.from_bytes(head[at + 4:at + 6], "little")
    names = {0x14C: "the 32-bit program (i686)", 0x8664: "the x86_64 twin"}
    if machine not in names:
        raise Failure(f"{program} is built for machine {machine:#x}")
    return names[machine], machine == 0x14C


def wine32_missing():
    """Why 32-bit programs cannot run here, as the session library finds it;
    empty when they can."""
    command = '. "$1/scripts/lib/session.sh" && session_wine32_missing'
    result = subprocess.run(["bash", "-c", command, "bash", ROOT], timeout=60, stdin=subprocess.DEVNULL,
                            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    return result.stdout.strip()


def prepare_state(options):
    """Makes the Wine state through the session library (the prefix once
    per state); the session's server and display end with it."""
    command = '. "$1/scripts/lib/session.sh" && session_start "$2"'
    result = subprocess.run(["bash", "-c", command, "bash", ROOT, options.state], timeout=600,
                            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    if result.returncode != 0:
        raise Failure("the Wine state could not be made: " + result.stderr.strip())


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("build", help="one build folder, build/i686 for the deliverable")
    parser.add_argument("--state", help="the Wine state to use (BUILD/idle-wine), made when missing")
    parser.add_argument("--rounds", type=int, default=3, help="rounds of every case, the figures their median (3)")
    parser.add_argument("--warm-up", type=float, default=6.0, help="seconds left alone before measuring (6)")
    parser.add_argument("--measure", type=float, default=22.0, help="seconds measured (22)")
    parser.add_argument("--burst-ms", type=int, default=3000, help="length of one burst of ticks (3000)")
    options = parser.parse_args()
    if options.warm_up + options.measure >= IDLE_PICK_SECONDS - 1:
        parser.error(f"warm-up and measure must end before the first idle pick at {IDLE_PICK_SECONDS} s")
    if options.rounds < 1:
        parser.error("at least one round")
    # The programs run in folders of their own.
    options.build = os.path.abspath(options.build)
    options.state = os.path.abspath(options.state or os.path.join(options.build, "idle-wine"))
    bench = os.path.join(options.build, "tests", "bench")
    options.program = os.path.join(options.build, "editions", "quenna", "quenna.exe")
    options.demo = os.path.join(options.build, "demo", "quenna.pac")
    options.bare = os.path.join(bench, "timer_window.exe")
    options.driver = os.path.join(bench, "tick_driver.exe")
    options.still_tool = os.path.join(bench, "still_archive.exe")
    options.work = os.path.join(options.build, "bench", "idle")
    for made in (options.program, options.demo, options.bare, options.driver, options.still_tool):
        if not os.path.isfile(made):
            raise Failure(f"the build made no {made}")
    measured, is_32_bit = build_measured(options.program)
    if is_32_bit:
        why = wine32_missing()
        if why:
            raise Failure(f"{measured} cannot run here ({why}): measure the x86_64 twin's build instead")
    # An end from outside ends what the cases started, as any failure does.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
    prepare_state(options)

    still_archive = os.path.join(options.work, "still.pac")

    def still(case):
        if not os.path.isfile(still_archive):
            case.wine.call(options.still_tool, [wine_path(options.demo), wine_path(still_archive)], case.folder,
                           120)
        copy_file(still_archive, os.path.join(case.folder, "quenna.pac"))

    def animation(case):
        copy_file(options.demo, os.path.join(case.folder, "quenna.pac"))

    os.makedirs(options.work, exist_ok=True)
    if os.path.exists(still_archive):
        os.remove(still_archive)
    # Round by round, so that the cases of one round see the machine alike.
    idle = {case: [] for case in IDLE_CASES}
    for round_number in range(1, options.rounds + 1):
        for case, (title, program, prepare) in zip(IDLE_CASES, (
                ("a bare window with a 100 ms timer", options.bare, None),
                ("Quenna with a still frame", options.program, still),
                ("Quenna with the idle animation", options.program, animation))):
            log(f"round {round_number}: {title}")
            idle[case].append(idle_cost(options, case, program, prepare))
    log("ticks")
    costs, chosen = tick_costs(options)

    rounds = "one round" if options.rounds == 1 else f"median of {options.rounds} rounds, lowest and highest"
    print(f"measured: {measured}, {options.program}")
    print("idle, % of one core, over every process of the Wine state and")
    print(f"the X server ({options.measure:.0f} s after {options.warm_up:.0f} s; {rounds}):")
    bare = [cost for cost, _, _ in idle["bare"]]
    for case, title in (("bare", "a bare window, 100 ms timer"), ("still", "Quenna, a still frame"),
                        ("animation", "Quenna, the idle animation")):
        values = [cost * 100 for cost, _, _ in idle[case]]
        line = f"  {title + ':':<29} {median(values):5.2f}"
        if options.rounds > 1:
            line += f"  ({min(values):.2f} - {max(values):.2f})"
        if case != "bare":
            ratios = [cost / floor for (cost, _, _), floor in zip(idle[case], bare)]
            line += f"  {median(ratios):.2f}x the bare window"
        print(line)
    busy = [machine * 100 for case in IDLE_CASES for _, _, machine in idle[case]]
    print(f"  the whole machine was busy {min(busy):.0f} - {max(busy):.0f} % meanwhile")
    print("one tick, ms of processor time of every process (and the")
    print("program's own wall time per tick):")
    for kind, title in TICK_KINDS.items():
        values = [cpu for cpu, _, _, _ in costs[kind]]
        line = f"  {title + ':':<29} {median(values):6.3f}"
        if options.rounds > 1:
            line += f"  ({min(values):.3f} - {max(values):.3f})"
        walls = [wall for _, wall, _, _ in costs[kind]]
        print(line + f"  {median(walls):.3f} wall")
    print("the frames: " + chosen.split(":", 1)[-1].strip())
    print("the largest shares, % of one core:")
    for case in IDLE_CASES:
        print(f"  {case}: {breakdown(mean_by_name([by_name for _, by_name, _ in idle[case]]), 100)}")
    print("and ms per tick:")
    for kind in TICK_KINDS:
        print(f"  {kind}: {breakdown(mean_by_name([by_name for _, _, _, by_name in costs[kind]]), 1)}")
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except (Failure, subprocess.TimeoutExpired) as failure:
        log(str(failure))
        sys.exit(1)
