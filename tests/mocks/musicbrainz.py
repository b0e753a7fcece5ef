#!/usr/bin/python3
"""A stand-in for the MusicBrainz web service and the Cover Art Archive on one local port.

Usage: musicbrainz.py FIXTURES ROUTES LOG

It prints its port on the first line of standard output. Each disc ID is routed to a scenario
by the JSON file ROUTES, read afresh for every request: {"<disc id>": "<scenario>"}, "*" for
any other. A scenario names a fixture in FIXTURES (answered for the disc ID, and for the lookup
by track lengths when the route is "<exact>/<fuzzy>"), or is one of: "unknown" (404),
"busy:<scenario>" (503 for the first request, then the scenario), "slow" (answers after 15 s),
"huge" (3 MB of JSON). In
fixtures "@DISCID@" stands for the disc ID asked for, "@LENGTHn@" for the length in ms of track
n from the toc= of the lookup by track lengths. Covers: /release/<mbid>/front-500 redirects to
/images/<mbid>, answered from FIXTURES/<mbid>.png where there is one. Every request is logged to
LOG as a line of JSON: time, path and User-Agent.
"""
import http.server

import standin
import json
import sys
import time
import urllib.parse

FIXTURES, ROUTES, LOG = sys.argv[1:4]
busy_seen = set()


class Handler(standin.Handler):
    LOG = LOG
    KIND = "application/json"

    def do_GET(self):
        url = urllib.parse.urlparse(self.path)
        self.log_request_asked()
        parts = url.path.strip("/").split("/")
        if parts[:2] == ["ws", "2"] and len(parts) == 4 and parts[2] == "discid":
            self.disc(parts[3], urllib.parse.parse_qs(url.query).get("toc", [""])[0])
        elif parts[0] == "release" and len(parts) == 3:
            self.answer(307, b"", headers=[("Location", "/images/" + parts[1])])
        elif parts[0] == "images" and len(parts) == 2:
            try:
                with open(f"{FIXTURES}/{parts[1]}.png", "rb") as image:
                    self.answer(200, image.read(), "image/png")
            except OSError:
                self.answer(404, b"")
        else:
            self.answer(400, b'{"error": "Invalid request"}')

    def disc(self, disc_id, toc):
        with open(ROUTES) as routes:
            table = json.load(routes)
        scenario = table.get(disc_id, table.get("*", "unknown"))
        if scenario.startswith("busy:"):
            if disc_id not in busy_seen:
                busy_seen.add(disc_id)
                return self.answer(503, b'{"error": "Slow down"}')
            scenario = scenario[5:]
        exact, _, fuzzy = scenario.partition("/")
        scenario = fuzzy if toc else exact
        if scenario in ("unknown", ""):
            return self.answer(404, b'{"error": "Not Found"}')
        if scenario == "slow":
            time.sleep(15)
        if scenario == "huge":
            return self.answer(200, b'{"releases": [], "padding": "' + b"x" * (3 << 20) + b'"}')
        with open(f"{FIXTURES}/{scenario}.json") as fixture:
            body = fixture.read().replace("@DISCID@", disc_id)
        # The query's '+' signs arrive as spaces.
        numbers = [int(n) for n in toc.replace("+", " ").split()]
        if numbers:
            first, last, leadout, starts = numbers[0], numbers[1], numbers[2], numbers[3:]
            ends = starts[1:] + [leadout]
            for n, (start, end) in enumerate(zip(starts, ends), first):
                body = body.replace(f"@LENGTH{n}@", str((end - start) * 1000 // 75))
        self.answer(200, body.encode())


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
print(server.server_address[1], flush=True)
server.serve_forever()
