"""What the stand-in web services have in common: a quiet handler that answers whole bodies and
logs every request it is asked as a line of JSON (time, path, User-Agent, Range), and a server
on a free local port that says the port on its first line."""
import http.server
import json
import time


class Handler(http.server.BaseHTTPRequestHandler):
    LOG = None
    KIND = "application/octet-stream"

    def log_message(self, *args):
        pass

    def log_request_asked(self):
        with open(self.LOG, "a") as log:
            log.write(json.dumps({"time": time.time(), "path": self.path,
                                  "agent": self.headers.get("User-Agent", ""),
                                  "range": self.headers.get("Range", "")}) + "\n")

    def answer(self, status, body, kind=None, headers=()):
        self.send_response(status)
        self.send_header("Content-Type", kind or self.KIND)
        self.send_header("Content-Length", str(len(body)))
        for name, value in headers:
            self.send_header(name, value)
        self.end_headers()
        self.wfile.write(body)


class Server(http.server.ThreadingHTTPServer):
    # A client that hangs up on a huge, trickling or silent answer is no error worth a trace.
    daemon_threads = True

    def handle_error(self, request, client_address):
        pass


def serve(handler):
    server = Server(("127.0.0.1", 0), handler)
    print(server.server_address[1], flush=True)
    server.serve_forever()
