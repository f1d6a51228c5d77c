#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Every program started where the world is not as it expects: a standard stream closed, no
# XDG_RUNTIME_DIR and no HOME, the C locale, and (in a mount namespace, with a tmpfs of its own)
# a configuration folder that is read-only or full. None writes what it should not, a command
# line program says in one line why it refuses, and every file it found is left byte for byte.
#
#   hostile_environment.py --wizard PATH --button PATH --regsvr PATH --editor PATH
#                          --library PATH PART
#
# PART "streams" tries the streams, the variables and the locale; "config-folder" the read-only
# and the full folder, and ends with status 77 (skipped) and the reason when this machine gives
# the test no mount namespace.
import argparse
import os
import pathlib
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SELECTION = b"<p>keep me</p>\r\n<p>as I am</p>\n"
ACCOUNT = "seller@example.com"
# The files the programs find; each is compared byte for byte after every run.
SETTINGS = (b"; the seller's own note\r\n[Program%20Settings]\r\nEmailAddress=" +
            ACCOUNT.encode() + b"\r\n")
REGISTRY = (b"; registrations of other programs\n[HKEY_CURRENT_USER]\n"
            b"Software\\Classes\\.html\\%40=htmlfile\n")
PAGE = b"<!DOCTYPE html>\r\n<p>mine</p>\n<p>\xe2\x80\xa9</p>\r"
ANSWERS = b'{"optVC": 1}'
# How long a program that waits for its user is given to start before it is asked to end.
START_WAIT = 20


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def catches_sigterm(pid):
    try:
        status = pathlib.Path(f"/proc/{pid}/status").read_text()
    except OSError:
        return False
    for line in status.splitlines():
        if line.startswith("SigCgt:"):
            return int(line.split()[1], 16) >> (signal.SIGTERM - 1) & 1 == 1
    return False


def cpu_ticks(pid):
    try:
        fields = pathlib.Path(f"/proc/{pid}/stat").read_text().rsplit(")", 1)[1].split()
    except OSError:
        return None
    return int(fields[11]) + int(fields[12])  # utime and stime


def settled(pid):
    """Whether the program has started and now waits in its event loop: it has taken no
    processor time for half a second."""
    first = cpu_ticks(pid)
    time.sleep(0.5)
    return first is not None and first > 0 and cpu_ticks(pid) == first


class Scene:
    """A home of files for one run: the configuration folder, the system's, a page."""

    def __init__(self, top):
        self.top = pathlib.Path(tempfile.mkdtemp(dir=top))
        self.config = self.top / "config"
        self.system = self.top / "xdg"
        self.pages = self.top / "pages"
        for folder in (self.config, self.system, self.pages):
            folder.mkdir()
        self.seed(self.config)
        (self.pages / "page.html").write_bytes(PAGE)
        (self.pages / "answers.json").write_bytes(ANSWERS)

    @staticmethod
    def seed(folder):
        (folder / "RAVELIN.ini").write_bytes(SETTINGS)
        (folder / "ravelin-registry.ini").write_bytes(REGISTRY)

    def environment(self, unset=(), extra=None):
        env = {name: value for name, value in os.environ.items()
               if name not in ("DISPLAY", "WAYLAND_DISPLAY", "RAVELIN_REGISTRY_SCOPE",
                               "RAVELIN_KEY_PASSPHRASE")}
        env.update({"QT_QPA_PLATFORM": "offscreen", "RAVELIN_UPDATE_CHECK": "off",
                    "XDG_CONFIG_HOME": str(self.config), "XDG_CONFIG_DIRS": str(self.system)})
        env.update(extra or {})
        for name in unset:
            env.pop(name, None)
        return env

    def files(self, config=None):
        """Every file below the configuration folder and the pages, and its bytes."""
        found = {}
        for label, folder in (("config", config or self.config), ("pages", self.pages)):
            for path in sorted(folder.rglob("*")):
                if path.is_file() and path.name != ".fill":
                    found[f"{label}/{path.relative_to(folder)}"] = path.read_bytes()
        return found


class Program:
    """One program as the test starts it."""

    def __init__(self, name, command, input=b"", ready=None):
        self.name = name
        self.command = command  # a function of the scene
        self.input = input
        # For a program that waits for its user and is ended by SIGTERM: whether it is there.
        self.ready = ready
        self.waits = ready is not None


def run(program, scene, env, closed=None, wrapper=()):
    """Runs `program`; its exit status, standard output and standard error."""
    def close_stream():
        if closed is not None:
            os.close(closed)
    command = list(wrapper) + [str(part) for part in program.command(scene)]
    process = subprocess.Popen(command, env=env, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                               stderr=subprocess.PIPE, preexec_fn=close_stream)
    if program.waits and not wrapper:
        try:
            process.stdin.write(program.input)
            process.stdin.close()
        except BrokenPipeError:
            pass
        process.stdin = None
        deadline = time.monotonic() + START_WAIT
        while process.poll() is None and not program.ready(process.pid):
            check(time.monotonic() < deadline, f"{program.name} did not start")
            time.sleep(0.05)
        if process.poll() is None:
            process.send_signal(signal.SIGTERM)
        out, err = process.communicate(timeout=60)
    else:
        out, err = process.communicate(program.input, timeout=60)
    return process.returncode, out, err


def changed(before, after):
    """The names of the files that differ, came or went."""
    return sorted(name for name in set(before) | set(after) if before.get(name) != after.get(name))


def one_line(err, program, part):
    text = err.decode("utf-8", "replace")
    check(text.count("\n") == 1 and text.endswith("\n"),
          f"{program}: one line on standard error, not {text!r}")
    check(part in text, f"{program}: the line names the cause ({part!r}): {text!r}")


def programs(args):
    library = pathlib.Path(args.library).resolve()
    return {
        # Once it catches SIGTERM it gives the selection back for it, whenever it comes.
        "wizard": Program("ravelin-wizard", lambda s: [args.wizard, "--filter"], SELECTION,
                          ready=catches_sigterm),
        "button": Program("ravelin-button", lambda s: [args.button, "view-cart", "--answers",
                                                       s.pages / "answers.json"]),
        "regsvr": Program("regsvr", lambda s: [args.regsvr, library]),
        "editor": Program("page-editor", lambda s: [args.editor, s.pages / "page.html"],
                          ready=settled),
    }


def expect_success(name, status, out, err, scene, before, closed=None):
    """What each program does when it can: the files stay, but the registry regsvr writes."""
    after = scene.files()
    if name == "wizard":
        check(status == 0, f"ravelin-wizard ended with {status}: {err!r}")
        check(closed == 1 or out == SELECTION, f"ravelin-wizard gave back {out!r}")
        check(err == b"", f"ravelin-wizard said {err!r}")
    elif name == "button":
        check(status == 0, f"ravelin-button ended with {status}: {err!r}")
        check(out.endswith(b"</form>") and ACCOUNT.encode() in out,
              f"ravelin-button wrote {out!r}")
        check(err == b"", f"ravelin-button said {err!r}")
    elif name == "regsvr":
        check(status == 0, f"regsvr ended with {status}: {err!r}")
        check(closed == 1 or out.count(b"\n") == 1 and b"succeeded" in out,
              f"regsvr said {out!r}")
        check(err == b"", f"regsvr said {err!r} on standard error")
        registry = after.pop("config/ravelin-registry.ini")
        check(registry.startswith(REGISTRY[:REGISTRY.index(b"Software")]) and
              b"RAVELIN.template" in registry, f"regsvr wrote {registry!r}")
        before = dict(before)
        before.pop("config/ravelin-registry.ini")
    elif name == "editor":
        check(status == -signal.SIGTERM, f"page-editor ended with {status}: {err!r}")
        check(out == b"", f"page-editor wrote {out!r} on standard output")
    check(after == before, f"{name} changed files: {changed(before, after)}")


def try_streams(args, top):
    failures = []
    progs = programs(args)
    for env_name, unset, extra in (
            ("as usual", (), None),
            ("without XDG_RUNTIME_DIR and HOME", ("XDG_RUNTIME_DIR", "HOME"), None),
            ("in the C locale", ("LC_ALL", "LC_CTYPE", "LC_MESSAGES"), {"LANG": "C"})):
        for name, program in progs.items():
            scene = Scene(top)
            before = scene.files()
            try:
                status, out, err = run(program, scene, scene.environment(unset, extra))
                expect_success(name, status, out, err, scene, before)
            except Failure as failure:
                failures.append(f"{env_name}: {failure}")
    for closed, stream in ((0, "input"), (1, "output"), (2, "error")):
        for name, program in progs.items():
            scene = Scene(top)
            before = scene.files()
            try:
                status, out, err = run(program, scene, scene.environment(), closed=closed)
                refuses = (closed == 0 and name == "wizard") or \
                          (closed == 1 and name in ("wizard", "button"))
                if refuses:
                    check(status == 1, f"{program.name} ended with {status}")
                    check(out == b"", f"{program.name} wrote {out!r}")
                    one_line(err, program.name, f"standard {stream} is closed")
                    check(scene.files() == before, f"{program.name} changed files")
                else:
                    expect_success(name, status, out, err, scene, before, closed)
            except Failure as failure:
                failures.append(f"standard {stream} closed: {failure}")
    return failures


# Runs its arguments in a tmpfs mounted on CONFIG and seeded from SEED, made full or read-only
# as MODE says, and copies what the folder holds afterwards to AFTER.
IN_NAMESPACE = r'''
set -e
mount -t tmpfs -o size=256k,mode=0700 tmpfs "$CONFIG"
cp "$SEED"/* "$CONFIG"/
if [ "$MODE" = full ]; then
    dd if=/dev/zero of="$CONFIG/.fill" bs=4096 2>/dev/null || true
else
    mount -o remount,ro "$CONFIG"
fi
set +e
if [ -n "$WAITS" ]; then
    # A command run in the background reads /dev/null unless given its input by another number.
    exec 3<&0
    "$@" <&3 3<&- &
    pid=$!
    # Until it catches SIGTERM (the wizard) or has taken no processor time for half a second
    # (the page editor, waiting in its event loop).
    tries=0
    before=
    while [ $tries -lt 40 ] && kill -0 $pid 2>/dev/null; do
        mask=$(sed -n 's/^SigCgt:[[:space:]]*//p' /proc/$pid/status 2>/dev/null)
        [ "$WAITS" = sigterm ] && [ -n "$mask" ] && [ $(( 0x$mask & 0x4000 )) -ne 0 ] && break
        now=$(cut -d')' -f2 /proc/$pid/stat 2>/dev/null | awk '{ print $12 + $13 }')
        [ "$WAITS" = settled ] && [ -n "$before" ] && [ "$now" = "$before" ] &&
            [ "$now" != 0 ] && break
        before=$now
        tries=$((tries + 1))
        sleep 0.5
    done
    kill -TERM $pid 2>/dev/null
    wait $pid
else
    "$@"
fi
status=$?
cp "$CONFIG"/* "$AFTER"/ 2>/dev/null
exit $status
'''


def namespace_wrapper():
    """How this machine lets the test mount a tmpfs of its own, or why it does not."""
    unshare = shutil.which("unshare")
    if unshare is None:
        return None, "there is no unshare program"
    reasons = []
    for wrapper in ([unshare, "-m"], [unshare, "-Urm"]):
        done = subprocess.run(wrapper + ["sh", "-c", "mount -t tmpfs tmpfs /mnt"],
                              capture_output=True)
        if done.returncode == 0:
            return wrapper, None
        reasons.append(f"{' '.join(wrapper[1:])}: {done.stderr.decode().strip()}")
    return None, "no mount namespace with a tmpfs of its own (" + "; ".join(reasons) + ")"


def try_config_folder(args, top):
    wrapper, reason = namespace_wrapper()
    if wrapper is None:
        print(f"skipped: {reason}")
        sys.exit(77)
    failures = []
    for mode, cause in (("read-only", "Read-only file system"),
                        ("full", "No space left on device")):
        for name, program in programs(args).items():
            scene = Scene(top)
            seed = scene.top / "seed"
            after = scene.top / "after"
            seed.mkdir()
            after.mkdir()
            Scene.seed(seed)
            before = scene.files(seed)
            env = scene.environment(extra={"CONFIG": str(scene.config), "SEED": str(seed),
                                           "AFTER": str(after), "MODE": mode,
                                           "WAITS": {catches_sigterm: "sigterm",
                                                     settled: "settled"}.get(program.ready, "")})
            try:
                status, out, err = run(program, scene, env,
                                       wrapper=wrapper + ["sh", "-c", IN_NAMESPACE, "sh"])
                found = scene.files(after)
                if name == "regsvr":
                    check(status == 1, f"regsvr ended with {status}: {out!r} {err!r}")
                    check(out == b"", f"regsvr wrote {out!r}")
                    one_line(err, "regsvr", cause)
                elif name == "wizard":
                    check(status == 0 and out == SELECTION and err == b"",
                          f"ravelin-wizard ended with {status}, gave {out!r}, said {err!r}")
                elif name == "button":
                    check(status == 0 and out.endswith(b"</form>") and err == b"",
                          f"ravelin-button ended with {status}, said {err!r}")
                else:
                    check(out == b"", f"page-editor wrote {out!r}")
                check(found == before, f"{name} changed files: {changed(before, found)}")
            except Failure as failure:
                failures.append(f"a {mode} configuration folder: {failure}")
    return failures


def main():
    parser = argparse.ArgumentParser()
    for option in ("wizard", "button", "regsvr", "editor", "library"):
        parser.add_argument("--" + option, required=True)
    parser.add_argument("part", choices=("streams", "config-folder"))
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as top:
        failures = (try_streams if args.part == "streams" else try_config_folder)(args, top)
    for failure in failures:
        print(failure, file=sys.stderr)
    if failures:
        print(f"hostile_environment: {len(failures)} run(s) went wrong", file=sys.stderr)
        return 1
    print(f"hostile_environment: {args.part}: every program kept to itself")
    return 0


if __name__ == "__main__":
    sys.exit(main())
