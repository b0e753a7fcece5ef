#!/usr/bin/python3
"""A stand-in for the AccurateRip database and its drive offset list on one local port.

Usage: accuraterip.py ROUTES LOG [OFFSETS]

It prints its port on the first line of standard output. A disc's file,
/accuraterip/x/y/z/dBAR-nnn-id1-id2-cddb.bin, is routed to a scenario by the JSON file ROUTES,
read afresh for every request: {"<dBAR file name>": "<scenario>"}, "*" for any other. The
scenarios: "file:<path>" (the bytes of that file), "absent" (404), "html" (200 with a web page),
"empty" (200 with no body), "truncated:<path>" (the file's bytes cut in the middle of its last
record), "huge" (200 with 100 MB streamed), "trickle" (200, one byte a second),
"busy:<scenario>" (503 with Retry-After: 1 for the first request, then the scenario;
"busy=<value>;<scenario>" says Retry-After: <value> instead). A
relative path is taken from the folder of ROUTES. A file asked for under folders that are not
its first ID's last three hexadecimal digits is absent, as on the real server.
/accuraterip/DriveOffsets.bin is answered from the file OFFSETS, 404 without one. Every request
is logged to LOG as a line of JSON: time, path and User-Agent.
"""
import standin
import json
import os
import re
import sys
import time
import urllib.parse

ROUTES, LOG = sys.argv[1:3]
OFFSETS = os.path.abspath(sys.argv[3]) if len(sys.argv) > 3 else None
DISC_PATH = re.compile(r"/accuraterip/([0-9a-f])/([0-9a-f])/([0-9a-f])/"
                       r"(dBAR-\d{3}-([0-9a-f]{8})-[0-9a-f]{8}-[0-9a-f]{8}\.bin)")
HUGE_BYTES = 100 << 20
TRICKLE_BYTES = 3600
PAGE = b"<!DOCTYPE html>\n<html><head><title>Down for maintenance</title></head>" \
       b"<body><p>Back soon.</p></body></html>\n"
busy_seen = set()


def read_file(path):
    path = os.path.join(os.path.dirname(os.path.abspath(ROUTES)), path)
    with open(path, "rb") as source:
        return source.read()


def cut_in_last_record(data):
    """The bytes up to the middle of the last record their track counts lead to."""
    at = 0
    while at < len(data):
        length = 13 + 9 * data[at]
        if at + length >= len(data):
            return data[:at + min(length, len(data) - at) // 2]
        at += length
    return data[:len(data) // 2]


class Handler(standin.Handler):
    LOG = LOG
    KIND = "application/octet-stream"

    def stream(self, length, chunk, pause=0):
        """A 200 of `length` zero bytes sent `chunk` at a time, until the client goes away."""
        self.send_response(200)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Content-Length", str(length))
        self.end_headers()
        block = bytes(chunk)
        try:
            for _ in range(0, length, chunk):
                self.wfile.write(block)
                self.wfile.flush()
                time.sleep(pause)
        except (BrokenPipeError, ConnectionResetError):
            pass

    def do_GET(self):
        path = urllib.parse.urlparse(self.path).path
        self.log_request_asked()
        if path == "/accuraterip/DriveOffsets.bin":
            try:
                return self.answer(200, read_file(OFFSETS))
            except (OSError, TypeError):
                return self.answer(404, b"")
        match = DISC_PATH.fullmatch(path)
        if not match or match.group(5)[:-4:-1] != "".join(match.group(1, 2, 3)):
            return self.answer(404, b"")
        try:
            answer = self.disc(match.group(4))
        except OSError as error:
            answer = 500, str(error).encode(), "text/plain"
        if answer:
            self.answer(*answer)

    def disc(self, name):
        """The answer for the disc file `name` as (status, body, type, headers), or None once
        it has been streamed."""
        with open(ROUTES) as routes:
            table = json.load(routes)
        scenario = table.get(name, table.get("*", "absent"))
        if scenario.startswith("busy"):
            said = "1"
            if scenario.startswith("busy="):
                said, _, scenario = scenario[5:].partition(";")
            else:
                scenario = scenario[5:]
            if name not in busy_seen:
                busy_seen.add(name)
                return 503, b"", "text/plain", [("Retry-After", said)]
        kind, _, argument = scenario.partition(":")
        if kind == "file":
            return 200, read_file(argument)
        if kind == "truncated":
            return 200, cut_in_last_record(read_file(argument))
        if kind == "html":
            return 200, PAGE, "text/html"
        if kind == "empty":
            return 200, b""
        if kind == "huge":
            return self.stream(HUGE_BYTES, 1 << 16)
        if kind == "trickle":
            return self.stream(TRICKLE_BYTES, 1, pause=1)
        return 404, b""


standin.serve(Handler)
