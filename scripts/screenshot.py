#!/usr/bin/env python3
"""Takes a screenshot of the real program under Xvfb, cropped to its window.

    scripts/screenshot.py OUT.png [--size WxH] [--scale F] [--title T] [--setting GROUP/KEY=VALUE ...]
                          [--open FILE] [--state DIR] [--frame] [--dialog] [--extent WxH]
                          [-- XMERLO-ACTION ...]

Runs build/bin/Merlos on a private Xvfb whose screen Xvfb keeps as an XWD file (-fbdir), waits for
the window with xmerlo, plays the given xmerlo actions (clicks, keys), then writes the window's
part of the screen as PNG (with --extent, that many pixels from the window's upper-left corner, so
that a menu opened beyond the window shows too). Needs no image library: XWD is read and PNG
written here. With --setting the program starts on settings of its own (a fresh configuration
folder holding only those). Work kept for recovery goes to a fresh folder, or to --state DIR
($XDG_STATE_HOME: what a Merlos killed there left is offered at the start). --open FILE starts it
on a saved session, --frame puts the window in twm's frame, so that its title shows, and --dialog
takes the dialog standing over the window too.
"""
import argparse
import os
import struct
import subprocess
import sys
import tempfile
import time
import zlib

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BIN = os.path.join(ROOT, "build", "bin")


def read_xwd(path):
    with open(path, "rb") as f:
        data = f.read()
    fields = struct.unpack(">25I", data[:100])
    header_size, width, height = fields[0], fields[4], fields[5]
    bits_per_pixel, bytes_per_line, ncolors = fields[11], fields[12], fields[19]
    byte_order = fields[7]
    if bits_per_pixel != 32:
        sys.exit(f"screenshot: {bits_per_pixel} bits a pixel; start Xvfb with depth 24")
    start = header_size + 12 * ncolors
    return data[start:], width, height, bytes_per_line, byte_order


def write_png(path, rgb_rows, width, height):
    raw = b"".join(b"\x00" + row for row in rgb_rows)

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        f.write(chunk(b"IEND", b""))


def window_geometry(env, title, frame=False, window_id=None):
    which = ["-id", window_id] if window_id else ["-name", title]
    if frame:
        # The window manager's frame is the window's parent.
        tree = subprocess.run(["xwininfo", "-tree"] + which, env=env, capture_output=True, text=True, check=True).stdout
        parent = [l.split(":")[1].split()[0] for l in tree.splitlines() if "Parent window id" in l][0]
        which = ["-id", parent]
    out = subprocess.run(["xwininfo"] + which, env=env, capture_output=True, text=True, check=True).stdout
    values = {}
    for line in out.splitlines():
        key, _, value = line.strip().partition(":")
        values[key] = value.strip()
    return (int(values["Absolute upper-left X"]), int(values["Absolute upper-left Y"]),
            int(values["Width"]), int(values["Height"]))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("out")
    parser.add_argument("--size", help="the window's size, WxH (logical pixels)")
    parser.add_argument("--scale", help="QT_SCALE_FACTOR for the program")
    parser.add_argument("--title", default="MERLO's", help="the window to crop to, titled as the actions leave it")
    parser.add_argument("--extent", help="the part of the screen to keep from the window's corner, WxH")
    parser.add_argument("--setting", action="append", default=[],
                        help="a setting the program starts with, GROUP/KEY=VALUE (animation/animer=true)")
    parser.add_argument("--open", help="a saved session for the program to open")
    parser.add_argument("--state", help="the recovery folder's $XDG_STATE_HOME (default: a fresh one)")
    parser.add_argument("--frame", action="store_true", help="a window manager's frame, with the title")
    parser.add_argument("--dialog", action="store_true", help="take the dialog over the window too")
    parser.add_argument("actions", nargs="*", help="xmerlo actions after the window shows")
    args = parser.parse_intermixed_args()

    fbdir = tempfile.mkdtemp()
    display = f":{200 + os.getpid() % 500}"
    xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "3000x2200x24", "-fbdir", fbdir,
                             "-noreset", "-nolisten", "tcp"], stderr=subprocess.DEVNULL)
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", XDG_STATE_HOME=args.state or tempfile.mkdtemp())
    if args.scale:
        env["QT_SCALE_FACTOR"] = args.scale
    if args.setting:
        groups = {}
        for setting in args.setting:
            key, _, value = setting.partition("=")
            group, _, name = key.rpartition("/")
            groups.setdefault(group or "General", []).append(f"{name}={value}")
        config = tempfile.mkdtemp()
        os.makedirs(os.path.join(config, "merlos"))
        with open(os.path.join(config, "merlos", "merlos.conf"), "w") as f:
            for group, lines in groups.items():
                f.write(f"[{group}]\n" + "\n".join(lines) + "\n")
        env["XDG_CONFIG_HOME"] = config
    program = None
    manager = None
    try:
        deadline = time.monotonic() + 20
        while not os.path.exists(os.path.join(display.replace(":", "/tmp/.X11-unix/X"))):
            if time.monotonic() > deadline:
                sys.exit("screenshot: Xvfb did not start")
            time.sleep(0.05)
        if args.frame:
            # Windows placed by themselves, not by a click of the person twm would wait for.
            rc = os.path.join(fbdir, "twmrc")
            with open(rc, "w") as f:
                # Xvfb's own font: no font package needed.
                f.write('RandomPlacement\nUsePPosition "on"\nNoGrabServer\n'
                        + "".join(f'{k}Font "fixed"\n' for k in ("Title", "Resize", "Menu", "Icon", "IconManager")))
            manager = subprocess.Popen(["twm", "-f", rc], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            time.sleep(0.5)
        command = [os.path.join(BIN, "Merlos")]
        if args.size:
            command += ["-geometry", args.size]
        if args.open:
            command.append(args.open)
        program = subprocess.Popen(command, env=env)
        xmerlo = os.path.join(BIN, "xmerlo")
        # Its title names the file it opened; --title names the window as the actions leave it.
        first = f"{os.path.basename(args.open)} \u2014 MERLO's" if args.open else "MERLO's"
        subprocess.run([xmerlo, first, "wait"], env=env, check=True)
        if args.actions:
            subprocess.run([xmerlo, first] + args.actions, env=env, check=True)
        # Let the last paint reach the frame buffer file.
        subprocess.run([xmerlo, args.title, "wait", "sleep", "500"], env=env, check=True)
        x, y, w, h = window_geometry(env, args.title, args.frame)
        if args.dialog:
            dialog = subprocess.run([xmerlo, args.title, "dialog", "id"], env=env, check=True,
                                    capture_output=True, text=True).stdout.strip()
            dx, dy, dw, dh = window_geometry(env, args.title, args.frame, dialog)
            right, bottom = max(x + w, dx + dw), max(y + h, dy + dh)
            x, y = min(x, dx), min(y, dy)
            w, h = right - x, bottom - y
        if args.extent:
            w, h = (int(v) for v in args.extent.split("x"))
        pixels, width, height, stride, byte_order = read_xwd(os.path.join(fbdir, "Xvfb_screen0"))
        rows = []
        for row in range(y, min(y + h, height)):
            line = pixels[row * stride + 4 * x: row * stride + 4 * min(x + w, width)]
            if byte_order == 0:  # LSBFirst: B G R x
                rows.append(bytes(b for i in range(0, len(line), 4) for b in (line[i + 2], line[i + 1], line[i])))
            else:
                rows.append(bytes(b for i in range(0, len(line), 4) for b in (line[i + 1], line[i + 2], line[i + 3])))
        write_png(args.out, rows, len(rows[0]) // 3, len(rows))
        print(f"{args.out}: {len(rows[0]) // 3} x {len(rows)}")
    finally:
        if program:
            program.terminate()
            program.wait()
        if manager:
            manager.terminate()
            manager.wait()
        xvfb.terminate()
        xvfb.wait()


if __name__ == "__main__":
    main()
