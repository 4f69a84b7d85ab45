"""What the corpus scripts share: finding the samples, the skip rule, running zek safely."""

import os
import signal
import subprocess
import sys
from pathlib import Path

# Exit status that CTest reads as "skipped" (SKIP_RETURN_CODE).
EXIT_SKIPPED = 77

# The corpus sits beside the clone, never inside it: <clone>/../shared/dxf-samples.
DEFAULT_SAMPLES = Path(__file__).resolve().parents[3] / "shared" / "dxf-samples"


def loadableSamples(samplesDir):
    """Answers the drawings every reader must load: the top level and binary/, sorted."""
    top = sorted(path for path in samplesDir.glob("*") if path.suffix.lower() == ".dxf")
    binary = sorted(p for p in (samplesDir / "binary").glob("*") if p.suffix.lower() == ".dxf")
    return top + binary


def sampleLabel(samplesDir, path):
    """Answers the sample's name as the report shows it: binary/x.dxf, malformed/y.dxf."""
    return path.relative_to(samplesDir).as_posix()


def outputStem(samplesDir, path):
    """Answers a file stem unique over the whole corpus (folder names become prefixes)."""
    return sampleLabel(samplesDir, path)[: -len(path.suffix)].replace("/", "__")


def samplesOrExit(samplesDir):
    """Returns when the samples folder exists; otherwise prints the skip and exits.

    A fresh clone has no corpus: the run is skipped (77) unless ZEK_REQUIRE_SAMPLES=1
    says that this machine must have it, and then its absence fails (1).
    """
    if samplesDir.is_dir():
        return
    print(f"samples folder absent: skipped ({samplesDir})")
    sys.stdout.flush()
    sys.exit(1 if os.environ.get("ZEK_REQUIRE_SAMPLES") == "1" else EXIT_SKIPPED)


class RunResult:
    """How one external run ended: exit status, or the signal or hang that ended it."""

    def __init__(self, returncode, stdout, stderr, timedOut):
        self.returncode = returncode
        self.stdout = stdout
        self.stderr = stderr
        self.timedOut = timedOut

    def failure(self, wanted=0):
        """Answers why the run did not end with status wanted, or None when it did."""
        if self.timedOut:
            return "hung (timed out)"
        if self.returncode < 0:
            try:
                name = signal.Signals(-self.returncode).name
            except ValueError:
                name = f"signal {-self.returncode}"
            return f"killed by {name}"
        if self.returncode != wanted:
            detail = lastLine(self.stderr)
            return f"exit status {self.returncode}" + (f" ({detail})" if detail else "")
        return None


def lastLine(text):
    """Answers the last non-empty line of a program's output, shortened for a report."""
    lines = [line for line in text.splitlines() if line.strip()]
    return lines[-1][:200] if lines else ""


def run(command, timeout, env=None, cwd=None):
    """Runs a command with a time limit; answers a RunResult, never raises for the child.

    On timeout the whole process group is killed, so a hung child leaves nothing behind.
    """
    try:
        # No input: zek reads a terminal (or piped standard input) as its commands.
        process = subprocess.Popen(command, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                                   stderr=subprocess.PIPE, env=env, cwd=cwd,
                                   start_new_session=True)
    except OSError as failure:
        return RunResult(127, "", f"cannot start {command[0]}: {failure}", False)
    try:
        out, err = process.communicate(timeout=timeout)
        timedOut = False
    except subprocess.TimeoutExpired:
        os.killpg(process.pid, signal.SIGKILL)
        out, err = process.communicate()
        timedOut = True
    return RunResult(process.returncode, out.decode("utf-8", "replace"),
                     err.decode("utf-8", "replace"), timedOut)


def freshOutput(path):
    """Removes a previous run's output (and the backup zek keeps) so no stale file is read."""
    for stale in (path, path.with_suffix(".bak")):
        if stale.exists():
            stale.unlink()


def zekBinaryOrExit(zek):
    """Returns the zek program's path; exits 1 when it is not an executable file."""
    path = Path(zek)
    if not (path.is_file() and os.access(path, os.X_OK)):
        print(f"{zek}: no such program")
        sys.exit(1)
    return path
