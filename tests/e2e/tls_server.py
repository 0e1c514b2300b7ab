"""A loopback HTTPS server for the end-to-end cases: serves a folder over TLS on 127.0.0.1 and
logs, one line each, every finished handshake ("HANDSHAKE"), every request path ("GET /path"),
every handshake that failed ("REFUSED reason"), and every connection that began in plain text
instead of TLS ("PLAIN first-line"). With "stall" it accepts, logs "STALLED" and never answers,
not even the handshake, until the client closes. With "trickle" it completes the handshake,
answers every request with a 200 head and then one byte of body a second ("TRICKLE /path"),
until the client closes.

    tls_server.py PORT FOLDER CERTIFICATE KEY LOG [stall | trickle]
"""
import functools
import http.server
import socket
import ssl
import sys
import threading
import time

TLS_HANDSHAKE = 0x16
HANDSHAKE_SECONDS = 30


class Log:
    def __init__(self, path):
        self.path = path
        self.lock = threading.Lock()

    def write(self, line):
        with self.lock, open(self.path, "a", encoding="utf-8") as f:
            f.write(line + "\n")


TRICKLE_BODY_BYTES = 100000


class TrickleHandler(http.server.BaseHTTPRequestHandler):
    def log_message(self, format, *args):
        pass

    def do_GET(self):
        self.server.log.write("TRICKLE " + self.path)
        self.send_response(200)
        self.send_header("Content-Length", str(TRICKLE_BODY_BYTES))
        self.end_headers()
        try:
            for _ in range(TRICKLE_BODY_BYTES):
                self.wfile.write(b"x")
                self.wfile.flush()
                time.sleep(1)
        except OSError:
            pass


class Handler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, format, *args):
        pass

    def do_GET(self):
        self.server.log.write("GET " + self.path)
        super().do_GET()


class TlsServer(http.server.ThreadingHTTPServer):
    daemon_threads = True

    def __init__(self, port, handler, context, log, stall):
        super().__init__(("127.0.0.1", port), handler)
        self.context = context
        self.log = log
        self.stall = stall

    def finish_request(self, request, client_address):
        if self.stall:
            self.log.write("STALLED")
            while request.recv(4096):
                pass
            return
        request.settimeout(HANDSHAKE_SECONDS)
        first = request.recv(64, socket.MSG_PEEK)
        if not first:
            return
        if first[0] != TLS_HANDSHAKE:
            self.log.write("PLAIN " + first.split(b"\r\n")[0].decode("latin-1"))
            return
        try:
            secured = self.context.wrap_socket(request, server_side=True)
        except (ssl.SSLError, OSError) as error:
            self.log.write("REFUSED %s" % getattr(error, "reason", error))
            return
        self.log.write("HANDSHAKE")
        self.RequestHandlerClass(secured, client_address, self)


def main():
    port, folder, certificate, key, log = sys.argv[1:6]
    stall = sys.argv[6:] == ["stall"]
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(certificate, key)
    handler = TrickleHandler if sys.argv[6:] == ["trickle"] else functools.partial(Handler, directory=folder)
    TlsServer(int(port), handler, context, Log(log), stall).serve_forever()


if __name__ == "__main__":
    main()
