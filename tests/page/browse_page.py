#!/usr/bin/env python3
"""Screenshots a page in headless chromium at 390x844 and 1920x1080 behind a
proxy that counts requests, and checks each screenshot is the size asked
for and shows something.

  browse_page.py <page.html> <folder for the screenshots>
"""
import socket
import struct
import subprocess
import sys
import threading
import zlib

requests = []

# The browser's own traffic (updates, sign-in, hints) goes out whatever page
# it shows; a page's fonts from a font service would not be excused.
BROWSER_HOSTS = ("update.googleapis.com", "accounts.google.com", "optimizationguide-pa.googleapis.com",
                 "clients2.google.com", "clientservices.googleapis.com", "safebrowsing.googleapis.com",
                 "content-autofill.googleapis.com", "redirector.gvt1.com", "edgedl.me.gvt1.com")


def own_request(line):
    parts = line.decode("latin-1").split()
    target = parts[1] if len(parts) > 1 else ""
    host = target.split("://", 1)[-1].split("/", 1)[0].split(":", 1)[0]
    return host in BROWSER_HOSTS


def proxy(server):
    while True:
        try:
            connection, _ = server.accept()
        except OSError:
            return
        requests.append(connection.recv(4096).split(b"\r\n", 1)[0])
        connection.close()


def png_rows(path):
    """The image's size and how many distinct scanlines it has."""
    data = open(path, "rb").read()
    width, height = struct.unpack(">II", data[16:24])
    at, idat = 8, b""
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        if kind == b"IDAT":
            idat += data[at + 8:at + 8 + length]
        at += 12 + length
    raw = zlib.decompress(idat)
    stride = len(raw) // height
    return width, height, len({raw[row * stride + 1:(row + 1) * stride] for row in range(height)})


def main():
    page, folder = sys.argv[1], sys.argv[2]
    server = socket.socket()
    server.bind(("127.0.0.1", 0))
    server.listen(16)
    threading.Thread(target=proxy, args=(server,), daemon=True).start()
    failures = []
    for width, height in ((390, 844), (1920, 1080)):
        shot = f"{folder}/page-{width}x{height}.png"
        subprocess.run(["chromium", "--headless=new", "--no-sandbox", "--disable-gpu", "--hide-scrollbars",
                        "--no-first-run", "--disable-background-networking", "--disable-component-update",
                        "--disable-sync", "--disable-default-apps", "--force-device-scale-factor=1",
                        f"--proxy-server=127.0.0.1:{server.getsockname()[1]}", "--proxy-bypass-list=<-loopback>",
                        f"--window-size={width},{height}", f"--screenshot={shot}", "file://" + page],
                       check=True, timeout=120, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        got_width, got_height, distinct = png_rows(shot)
        if (got_width, got_height) != (width, height):
            failures.append(f"{shot}: {got_width}x{got_height}, asked for {width}x{height}")
        # A title, a picture and tables make many different lines.
        if distinct < 50:
            failures.append(f"{shot}: only {distinct} different lines: the page shows next to nothing")
    server.close()
    for request in requests:
        if not own_request(request):
            failures.append(f"the page made a request: {request!r}")
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
