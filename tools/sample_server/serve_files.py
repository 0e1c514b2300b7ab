#!/usr/bin/env python3
"""Serves a folder over HTTP on 127.0.0.1, like python3 -m http.server, with fault modes for the
end-to-end tests.

    serve_files.py PORT DIR [--faults FILE] [--log FILE]

The faults file is read again for every request, so a test can change the server's behaviour
while it runs. Each line is "MODE PATTERN"; the first line whose shell-style PATTERN matches the
request's path (for example "*/iadat2.dat", or "*" for every path) decides:

    stall     accept and read the request, then never answer (until the client goes away)
    delay:S   wait S seconds, then answer normally
    trickle   answer normally, but one byte every 0.2 seconds
    close     close the connection at once, without an answer
    cut       send the status line and headers, then close before the body
    status:N  answer with the status N and a small HTML error page, as a web server does
    redirect:PATH  answer 302 with the location PATH on this server
    huge:M    answer 200 with M MiB of indicator feed lines, written as they are made (never
              held in memory)

Lines starting with "#" and empty lines are ignored; a missing file means no faults. With --log
every request's path is appended to FILE, one per line, as it arrives."""
import argparse
import fnmatch
import functools
import http.server
import io
import socket
import sys
import threading
import time
import urllib.parse


def fault_for(faults_file, path):
    if not faults_file:
        return None
    try:
        with open(faults_file, encoding="utf-8") as f:
            lines = f.read().splitlines()
    except OSError:
        return None
    for line in lines:
        line = line.strip()
        if not line or line.startswith("#"):
            continue
        mode, _, pattern = line.partition(" ")
        if fnmatch.fnmatchcase(path, pattern.strip()):
            return mode
    return None


class FaultyHandler(http.server.SimpleHTTPRequestHandler):
    faults_file = None
    log_file = None
    log_lock = threading.Lock()

    def log_message(self, format, *args):
        sys.stderr.write("%s - %s\n" % (self.address_string(), format % args))

    def do_GET(self):
        path = urllib.parse.urlsplit(self.path).path
        if self.log_file:
            with self.log_lock, open(self.log_file, "a", encoding="utf-8") as f:
                f.write(path + "\n")
        mode = fault_for(self.faults_file, path)
        if mode == "stall":
            self.stall()
        elif mode == "close":
            self.close_connection = True
        elif mode and mode.startswith("delay:"):
            time.sleep(float(mode.partition(":")[2]))
            super().do_GET()
        elif mode in ("trickle", "cut"):
            self.answer_in_pieces(mode)
        elif mode and mode.startswith("status:"):
            self.error_page(int(mode.partition(":")[2]))
        elif mode and mode.startswith("redirect:"):
            self.send_response(302)
            self.send_header("Location", mode.partition(":")[2])
            self.send_header("Content-Length", "0")
            self.end_headers()
        elif mode and mode.startswith("huge:"):
            self.huge_feed(int(mode.partition(":")[2]))
        else:
            super().do_GET()

    def stall(self):
        # Silent until the client closes its end (or the server ends).
        self.close_connection = True
        self.connection.settimeout(1.0)
        while True:
            try:
                if not self.connection.recv(1024):
                    return
            except socket.timeout:
                continue
            except OSError:
                return

    def error_page(self, status):
        page = b"<html><body><h1>%d</h1>The server could not answer.</body></html>\r\n" % status
        self.send_response(status)
        self.send_header("Content-Type", "text/html")
        self.send_header("Content-Length", str(len(page)))
        self.end_headers()
        self.wfile.write(page)

    def huge_feed(self, mebibytes):
        line = "2099/1/1##0:00##1##巨大なフィードの指標##0##-##1##2##4\r\n".encode("cp932")
        block = line * (65536 // len(line))
        blocks = mebibytes * 1024 * 1024 // len(block)
        self.send_response(200)
        self.send_header("Content-Type", "text/plain")
        self.send_header("Content-Length", str(blocks * len(block)))
        self.end_headers()
        try:
            for _ in range(blocks):
                self.wfile.write(block)
        except OSError:
            pass  # the client gave up, as it should

    def answer_in_pieces(self, mode):
        # The whole normal answer, captured, then sent in the fault's manner.
        real_wfile = self.wfile
        self.wfile = io.BytesIO()
        super().do_GET()
        answer = self.wfile.getvalue()
        self.wfile = real_wfile
        self.close_connection = True
        try:
            if mode == "cut":
                end = answer.find(b"\r\n\r\n")
                real_wfile.write(answer[:end + 4] if end >= 0 else answer[:len(answer) // 2])
                real_wfile.flush()
                return
            for i in range(len(answer)):
                real_wfile.write(answer[i:i + 1])
                real_wfile.flush()
                time.sleep(0.2)
        except OSError:
            pass


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("port", type=int)
    parser.add_argument("directory")
    parser.add_argument("--faults")
    parser.add_argument("--log")
    given = parser.parse_args()
    FaultyHandler.faults_file = given.faults
    FaultyHandler.log_file = given.log
    handler = functools.partial(FaultyHandler, directory=given.directory)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", given.port), handler)
    server.daemon_threads = True
    server.serve_forever()


if __name__ == "__main__":
    main()
