#!/usr/bin/env python3
"""Takes a screenshot of the real program under Xvfb, cropped to its window.

    scripts/screenshot.py OUT.png [--size WxH] [--scale F] [--title T] [--setting GROUP/KEY=VALUE ...]
                          [--extent WxH] [-- XMERLO-ACTION ...]

Runs build/bin/Merlos on a private Xvfb whose screen Xvfb keeps as an XWD file (-fbdir), waits for
the window with xmerlo, plays the given xmerlo actions (clicks, keys), then writes the window's
part of the screen as PNG (with --extent, that many pixels from the window's upper-left corner, so
that a menu opened beyond the window shows too). Needs no image library: XWD is read and PNG written here. With --setting
the program starts on settings of its own (a fresh configuration folder holding only those).
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


def window_geometry(env, title):
    out = subprocess.run(["xwininfo", "-name", title], env=env, capture_output=True, text=True, check=True).stdout
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
    parser.add_argument("--title", default="MERLO's", help="the window to crop to")
    parser.add_argument("--extent", help="the part of the screen to keep from the window's corner, WxH")
    parser.add_argument("--setting", action="append", default=[],
                        help="a setting the program starts with, GROUP/KEY=VALUE (animation/animer=true)")
    parser.add_argument("actions", nargs="*", help="xmerlo actions after the window shows")
    args = parser.parse_intermixed_args()

    fbdir = tempfile.mkdtemp()
    display = f":{200 + os.getpid() % 500}"
    xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "3000x2200x24", "-fbdir", fbdir,
                             "-noreset", "-nolisten", "tcp"], stderr=subprocess.DEVNULL)
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb")
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
    try:
        deadline = time.monotonic() + 20
        while not os.path.exists(os.path.join(display.replace(":", "/tmp/.X11-unix/X"))):
            if time.monotonic() > deadline:
                sys.exit("screenshot: Xvfb did not start")
            time.sleep(0.05)
        command = [os.path.join(BIN, "Merlos")]
        if args.size:
            command += ["-geometry", args.size]
        program = subprocess.Popen(command, env=env)
        xmerlo = os.path.join(BIN, "xmerlo")
        subprocess.run([xmerlo, "MERLO's", "wait"], env=env, check=True)
        if args.actions:
            subprocess.run([xmerlo, args.title] + args.actions, env=env, check=True)
        # Let the last paint reach the frame buffer file.
        subprocess.run([xmerlo, args.title, "wait", "sleep", "500"], env=env, check=True)
        x, y, w, h = window_geometry(env, args.title)
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
        xvfb.terminate()
        xvfb.wait()


if __name__ == "__main__":
    main()
