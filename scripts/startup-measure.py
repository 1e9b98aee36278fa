#!/usr/bin/env python3
"""Start-up time and resident memory of the real program under Xvfb, in each language.

    scripts/startup-measure.py [RUNS] [LABEL=PROGRAM:LANG[@FILE] ...]

Each run starts the program, waits until its window shows and its event loop answers (xmerlo
wait), then closes it; the runs of the programs take turns, so a busy machine slows them alike.
With @FILE the program opens that saved session, and the run waits for the window titled with its
name: the session opened and its log shown.
Prints the median and the fastest time, and the median of the largest resident size.
"""
import os, subprocess, sys, tempfile, time, statistics
ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
display = ":%d" % (600 + os.getpid() % 300)
xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1600x1200x24", "-noreset", "-nolisten", "tcp"], stderr=subprocess.DEVNULL)
time.sleep(1.5)
data = tempfile.mkdtemp()
xmerlo = os.path.join(ROOT, "build", "bin", "xmerlo")
program = os.path.join(ROOT, "build", "bin", "Merlos")
variants = {"en_US": (program, "en_US.UTF-8", ""), "fr_FR": (program, "fr_FR.UTF-8", "")}
if len(sys.argv) > 2:
    variants = {}
    for a in sys.argv[2:]:
        label, _, rest = a.partition("=")
        rest, _, session = rest.partition("@")
        exe, _, lang = rest.rpartition(":")
        variants[label] = (exe, lang, session)
res = {k: ([], []) for k in variants}
N = int(sys.argv[1]) if len(sys.argv) > 1 else 9
try:
    for i in range(N):
        for k, (exe, lang, session) in variants.items():
            env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", LANG=lang, XDG_DATA_HOME=data,
                       XDG_STATE_HOME=os.path.join(data, "state"))
            env.pop("LC_ALL", None); env.pop("LANGUAGE", None)
            title = f"{os.path.basename(session)} \u2014 MERLO's" if session else "MERLO's"
            t0 = time.monotonic()
            p = subprocess.Popen(["/usr/bin/time", "-f", "RSS %M", exe] + ([session] if session else []), env=env,
                                 stderr=subprocess.PIPE, stdout=subprocess.DEVNULL, text=True)
            subprocess.run([xmerlo, title, "wait"], env=env, check=True)
            t1 = time.monotonic()
            subprocess.run([xmerlo, title, "close"], env=env, check=True)
            err = p.communicate()[1]
            rss = [int(l.split()[1]) for l in err.splitlines() if l.startswith("RSS ")][0]
            res[k][0].append((t1 - t0) * 1000); res[k][1].append(rss / 1024)
finally:
    xvfb.terminate()
for k, (t, m) in res.items():
    print(f"{k:12s} start to answering window: median {statistics.median(t):6.1f} ms (min {min(t):6.1f})   max RSS median {statistics.median(m):5.1f} MB")
