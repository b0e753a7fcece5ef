#!/usr/bin/python3
"""A stand-in for the CUETools database's lookup2.php and its parity files on one local port.

Usage: ctdb.py FIXTURES ROUTES LOG

It prints its port on the first line of standard output. Each request's path (without its
query) is routed to a scenario by the JSON file ROUTES, read afresh for every request:
{"<path>": "<scenario>"}, "*" for any other. The scenarios: "xml:<file>" (200 with the file as
XML), "absent" (404 "Not Found", as lookup2.php says it), "error" (500), "garbage" (200 with
text that is not XML), "empty" (200 with no body), "huge" (200 saying 2 MB of XML beforehand),
"endless" (200 with XML that never ends and no length), "silent" (never answers),
"busy:<scenario>" (503 with Retry-After: 1 for the path's first request, then the scenario);
for parity files "range:<file>" (honours "Range: bytes=a-b" with 206, 416 past the file's end,
the whole file without a range), "whole:<file>" (200 with the whole file, whatever the range)
and "short:<file>" (206 two bytes short of the range). A relative file is taken from FIXTURES.
Every request is logged to LOG as a line of JSON: time, path with query, User-Agent and Range.
"""
import standin
import json
import os
import re
import sys
import time
import urllib.parse

FIXTURES, ROUTES, LOG = sys.argv[1:4]
RANGE = re.compile(r"bytes=(\d+)-(\d+)")
XML_HEAD = b'<?xml version="1.0" encoding="UTF-8"?>\n' \
           b'<ctdb xmlns="http://db.cuetools.net/ns/mmd-1.0#">\n'
busy_seen = set()


def read_file(path):
    with open(os.path.join(FIXTURES, path), "rb") as source:
        return source.read()


class Handler(standin.Handler):
    LOG = LOG
    KIND = "text/xml; charset=UTF-8"

    def do_GET(self):
        path = urllib.parse.urlparse(self.path).path
        self.log_request_asked()
        with open(ROUTES) as routes:
            table = json.load(routes)
        scenario = table.get(path, table.get("*", "absent"))
        if scenario.startswith("busy:"):
            if path not in busy_seen:
                busy_seen.add(path)
                return self.answer(503, b"", "text/plain", [("Retry-After", "1")])
            scenario = scenario[5:]
        kind, _, argument = scenario.partition(":")
        try:
            self.scenario(kind, argument)
        except OSError as error:
            self.answer(500, str(error).encode(), "text/plain")

    def scenario(self, kind, argument):
        if kind == "xml":
            self.answer(200, read_file(argument))
        elif kind == "garbage":
            self.answer(200, b"Database error: too many connections\n", "text/plain")
        elif kind == "empty":
            self.answer(200, b"")
        elif kind == "error":
            self.answer(500, b"Internal Server Error", "text/plain")
        elif kind == "huge":
            self.stream(XML_HEAD + b"<!--", 2 << 20)
        elif kind == "endless":
            self.stream(XML_HEAD + b"<!--", None)
        elif kind == "silent":
            time.sleep(60)
        elif kind in ("range", "whole", "short"):
            self.parity(kind, read_file(argument))
        else:
            self.answer(404, b"Not Found", "text/plain")

    def parity(self, kind, data):
        asked = RANGE.fullmatch(self.headers.get("Range", ""))
        if kind == "whole" or not asked:
            return self.answer(200, data, "application/octet-stream")
        first, last = int(asked.group(1)), int(asked.group(2))
        if first >= len(data) or last < first:
            return self.answer(416, b"", "text/plain", [("Content-Range", f"bytes */{len(data)}")])
        last = min(last, len(data) - 1)
        body = data[first:last + 1]
        if kind == "short":
            body = body[:-2]
        self.answer(206, body, "application/octet-stream",
                    [("Content-Range", f"bytes {first}-{first + len(body) - 1}/{len(data)}")])

    def stream(self, head, length):
        """A 200 of `head` and spaces, `length` bytes said beforehand or none said and no end,
        until the client goes away."""
        self.send_response(200)
        self.send_header("Content-Type", self.KIND)
        if length is not None:
            self.send_header("Content-Length", str(length))
        self.end_headers()
        block = b" " * (1 << 16)
        try:
            self.wfile.write(head)
            sent = len(head)
            while length is None or sent < length:
                self.wfile.write(block[:len(block) if length is None else length - sent])
                sent += len(block)
        except (BrokenPipeError, ConnectionResetError):
            pass


standin.serve(Handler)
