"""The data server over HTTPS: a loopback TLS server with a certificate authority made for the
run serves the sample server's files. With the authority trusted in the prefix the panel fills
its stores over TLS and the updater installs a release over TLS; with a certificate of an
authority nobody trusts nothing is stored, nothing goes out in plain text, and the panel still
shows at once and quits promptly, as it does with a server that never answers the handshake. Runs panels of its own and leaves a healthy panel running."""
import datetime
import os
import pathlib
import socket
import ssl
import subprocess
import time
import urllib.request

from cryptography import x509
from cryptography.hazmat.primitives import hashes, serialization
from cryptography.hazmat.primitives.asymmetric import ec
from cryptography.x509.oid import NameOID

import cases_update
from cases_pages import sample
from cases_publish import PUBLISHER
from cases_robust import EXIT_SPREAD, SAMPLE_NAME, measure, quit_panel, start_panel

TRUSTED_PORT_OFFSET = 5
UNTRUSTED_PORT_OFFSET = 6
STALLED_PORT_OFFSET = 7
TRICKLING_PORT_OFFSET = 8
FEEDS = ("iadat2.dat", "qznnews.dat", "qzninfo.dat")
STORES = ("iaindex2.dat", "iasnews.dat", "ianews.dat")
NEWS_TITLE = sample.NEWS[0][0].encode("cp932")
NOTICE_TITLE = sample.NOTICES[0][0].encode("cp932")


def name(text):
    return x509.Name([x509.NameAttribute(NameOID.COMMON_NAME, text)])


def certificate(subject, issuer, public_key, signing_key, extensions):
    now = datetime.datetime.now(datetime.timezone.utc)
    builder = (x509.CertificateBuilder().subject_name(subject).issuer_name(issuer)
               .public_key(public_key).serial_number(x509.random_serial_number())
               .not_valid_before(now - datetime.timedelta(days=1))
               .not_valid_after(now + datetime.timedelta(days=7)))
    for extension, critical in extensions:
        builder = builder.add_extension(extension, critical=critical)
    return builder.sign(signing_key, hashes.SHA256())


def make_authority(folder, label):
    """A certificate authority and a server certificate for localhost signed by it; returns the
    authority's DER file, the server's PEM certificate and its PEM key."""
    os.makedirs(folder, exist_ok=True)
    authority_key = ec.generate_private_key(ec.SECP256R1())
    authority = certificate(name("Pelimor test authority " + label), name("Pelimor test authority " + label),
                            authority_key.public_key(), authority_key,
                            [(x509.BasicConstraints(ca=True, path_length=0), True),
                             (x509.KeyUsage(False, False, False, False, False, True, True, False, False), True)])
    server_key = ec.generate_private_key(ec.SECP256R1())
    server = certificate(name("localhost"), authority.subject, server_key.public_key(), authority_key,
                         [(x509.SubjectAlternativeName([x509.DNSName("localhost")]), False),
                          (x509.BasicConstraints(ca=False, path_length=None), True),
                          (x509.ExtendedKeyUsage([x509.oid.ExtendedKeyUsageOID.SERVER_AUTH]), False)])
    paths = [os.path.join(folder, label + suffix) for suffix in ("-ca.der", "-server.pem", "-server.key")]
    with open(paths[0], "wb") as f:
        f.write(authority.public_bytes(serialization.Encoding.DER))
    with open(paths[1], "wb") as f:
        f.write(server.public_bytes(serialization.Encoding.PEM))
    with open(paths[2], "wb") as f:
        f.write(server_key.private_bytes(serialization.Encoding.PEM, serialization.PrivateFormat.PKCS8,
                                         serialization.NoEncryption()))
    return paths


class TlsServer:
    """tls_server.py on its own port, serving the sample server's folder."""

    def __init__(self, r, offset, label, mode=None):
        self.r = r
        self.port = r.PORT + offset
        self.log = os.path.join(r.WORK, "tls-%s-requests.log" % label)
        self.authority, server_certificate, key = make_authority(os.path.join(r.WORK, "tls"), label)
        r.start(["python3", "tests/e2e/tls_server.py", str(self.port), os.path.join(r.WORK, "server"),
                 server_certificate, key, self.log] + ([mode] if mode else []))
        r.wait_for(self.listening, 20)

    def listening(self):
        try:
            with socket.create_connection(("127.0.0.1", self.port), 1):
                return True
        except OSError:
            return False

    def lines(self, prefix=""):
        try:
            with open(self.log, encoding="utf-8") as f:
                return [line for line in f.read().splitlines() if line.startswith(prefix)]
        except OSError:
            return []

    def requested(self, ending):
        return any(line.endswith(ending) for line in self.lines("GET "))

    def serves_trusting_client(self):
        """What the panel refuses is the certificate: a client trusting its authority is served."""
        with open(self.authority, "rb") as f:
            context = ssl.create_default_context(cadata=f.read())
        url = self.base_url() + "prims/version.dat"
        try:
            with urllib.request.urlopen(url, context=context, timeout=20) as answer:
                return answer.status == 200
        except OSError:
            return False

    def base_url(self):
        return "https://localhost:%d/sv_pelimor/websys/" % self.port


def trust(r, authority):
    result = subprocess.run(["wine", os.path.join(r.build, "pelimor_trust_ca.exe"), authority],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=60)
    return result.returncode == 0


def empty_stores(r):
    for store in STORES:
        if os.path.exists(r.setting_path(store)):
            os.remove(r.setting_path(store))


def stored(r):
    """Which of the three stores hold the sample server's data."""
    return {"indicators": SAMPLE_NAME in r.setting_bytes("iaindex2.dat"),
            "news": NEWS_TITLE in r.setting_bytes("iasnews.dat"),
            "notices": NOTICE_TITLE in r.setting_bytes("ianews.dat")}


def untrusted_certificate(r, server):
    os.environ["PELIMOR_BASE_URL"] = server.base_url()
    empty_stores(r)
    panel, start_seconds = start_panel(r, "https-untrusted")
    measure("start-to-visible-untrusted-https", start_seconds or -1)
    r.check("with an untrusted certificate the panel is visible within 10 s",
            start_seconds is not None and start_seconds <= 10, start_seconds)

    def refused_traced():
        traced = [line for line in r.traces("https-untrusted") if "https:" in line]
        return all(any(feed in line for line in traced) for feed in FEEDS) and traced

    traced = r.wait_for(refused_traced, 30)
    r.check("every feed over an untrusted certificate fails with a trace line", bool(traced),
            r.traces("https-untrusted")[-5:])
    reached = server.lines("HANDSHAKE") + server.lines("REFUSED")
    r.check("the panel reaches the server over TLS and sends it no request",
            len(reached) >= len(FEEDS) and not server.lines("GET "), server.lines())
    r.check("nothing goes to the https port in plain text", not server.lines("PLAIN"), server.lines())
    r.check("the same server serves a client that trusts its authority", server.serves_trusting_client())
    r.check("with an untrusted certificate nothing is stored", not any(stored(r).values()), stored(r))
    exit_seconds = quit_panel(r, panel)
    measure("exit-to-end-untrusted-https", exit_seconds or -1)
    let_go = [line for line in r.traces("https-untrusted") if "let go" in line]
    r.check("the panel with an untrusted certificate quits without letting workers go",
            exit_seconds is not None and not let_go, let_go)
    return start_seconds, exit_seconds


def publisher_refuses_untrusted(r, server):
    """pelimor-publish fetches an https source with libcurl's certificate checks on."""
    feed = os.path.join(r.WORK, "server", "https-feed.rss")
    with open(feed, "w", encoding="utf-8") as f:
        f.write('<?xml version="1.0" encoding="UTF-8"?><rss version="2.0"><channel><title>t</title>'
                '<item><title>over https</title><guid>https-1</guid><description>d</description>'
                '</item></channel></rss>')
    url = "https://localhost:%d/https-feed.rss" % server.port
    out = os.path.join(r.WORK, "publish-https-out")
    os.makedirs(out, exist_ok=True)
    result = subprocess.run([PUBLISHER, "--out", out, "--news", url], stdout=subprocess.PIPE,
                            stderr=subprocess.STDOUT, timeout=180)
    said = result.stdout.decode("utf-8", errors="replace")
    r.check("pelimor-publish refuses an https source whose certificate it does not trust",
            result.returncode == 1 and url in said and not server.requested("/https-feed.rss") and
            not os.path.exists(os.path.join(out, "qznnews.dat")), (result.returncode, said[-300:]))


def trusted_certificate(r, server):
    os.environ["PELIMOR_BASE_URL"] = server.base_url()
    os.environ["PELIMOR_TEST_MINUTE_MS"] = "1000"  # the server poll every second
    empty_stores(r)
    _, seconds = start_panel(r, "https-trusted")
    measure("start-to-visible-trusted-https", seconds or -1)
    r.check("with a trusted certificate the panel is visible", seconds is not None)
    filled = r.wait_for(lambda: all(stored(r).values()), 60)
    r.check("over https the panel fills the indicator, news and notice stores", filled, stored(r))
    polled = r.wait_for(lambda: server.requested("/qznhnd_update.dat") and
                        server.requested("/prims/version.dat"), 60)
    r.check("the server poll and the update check come over https", polled, server.lines())
    r.check("nothing goes to the https port in plain text", not server.lines("PLAIN"), server.lines())
    return seconds


def update_over_https(r, server):
    version = cases_update.own_version(r) + 6
    source = cases_update.publish(r, version, b"\n/* release %d over https */\n" % version)
    log_before = len(cases_update.log_text(r))
    r.check("over https the panel offers the newer release", cases_update.accept_offer(r))
    installed = r.wait_for(lambda: "updated to release %d" % version in cases_update.log_text(r)[log_before:],
                           120)
    r.check("over https the updater installs the release", installed, cases_update.log_text(r)[-800:])
    r.check("the release's files came over https",
            server.requested("/prims/update/%d/manifest.sig" % version) and
            cases_update.read(r.PROGRAM, cases_update.CHANGED) == cases_update.read(source, cases_update.CHANGED),
            server.lines()[-5:])
    r.check("the panel comes back after the update over https", cases_update.panel_back(r))
    with open(os.path.join(cases_update.websys(r), "prims", "version.dat"), "wb") as f:
        f.write(b"%d\n" % cases_update.own_version(r))
    started = time.time()
    ended = cases_update.quit_panel(r)
    return time.time() - started if ended else None


def stalled_server(r, server, trusted_exit):
    """A server that accepts and never answers the handshake holds no panel: it shows at once,
    and its exit cancels the waiting downloads."""
    os.environ["PELIMOR_BASE_URL"] = server.base_url()
    before = len(server.lines("STALLED"))  # the check that the server listens is one
    panel, seconds = start_panel(r, "https-stalled")
    r.check("with the https server stalled the panel is visible within 10 s",
            seconds is not None and seconds <= 10, seconds)
    held = r.wait_for(lambda: len(server.lines("STALLED")) >= before + len(FEEDS), 30)
    r.check("the downloads wait on the stalled https server", held, server.lines())
    exit_seconds = quit_panel(r, panel)
    measure("exit-to-end-stalled-https", exit_seconds or -1)
    let_go = [line for line in r.traces("https-stalled") if "let go" in line]
    r.check("with the https server stalled the exit cancels the downloads and takes no longer",
            None not in (exit_seconds, trusted_exit) and not let_go and
            exit_seconds <= trusted_exit + EXIT_SPREAD, (exit_seconds, trusted_exit, let_go))


def trickling_server(r, server):
    """A trusted server that sends its answers a byte a second, never waiting as long as the
    time-out: the connection's deadline ends every download (4 x the 2 s test time-out)."""
    r.check("the trickling server's authority is trusted too", trust(r, server.authority))
    os.environ["PELIMOR_BASE_URL"] = server.base_url()
    os.environ["PELIMOR_TEST_NETWORK_TIMEOUT_MS"] = "2000"
    panel, seconds = start_panel(r, "https-trickling")
    trickled = r.wait_for(lambda: len(server.lines("TRICKLE ")) >= len(FEEDS), 30)

    def given_up():
        return [line for line in r.traces("https-trickling") if "https:" in line and "timed out" in line]

    ended = r.wait_for(lambda: len(given_up()) >= len(FEEDS), 40)
    r.check("over https a server that trickles its answers is given up at the deadline",
            seconds is not None and trickled and ended, (bool(trickled), given_up()))
    quit_panel(r, panel)
    del os.environ["PELIMOR_TEST_NETWORK_TIMEOUT_MS"]


def restore_healthy_panel(r):
    os.environ.pop("PELIMOR_TEST_MINUTE_MS", None)
    os.environ["PELIMOR_BASE_URL"] = "http://127.0.0.1:%d/sv_pelimor/websys/" % r.PORT
    r.panel, seconds = start_panel(r, "https-last")
    r.check("a healthy panel runs again after the https cases", seconds is not None)


def run(r):
    # The publish group left its own files on the server; the cases look for the sample's.
    sample.make_server_files(pathlib.Path(r.WORK, "server"), time.time())
    trusted = TlsServer(r, TRUSTED_PORT_OFFSET, "trusted")
    untrusted = TlsServer(r, UNTRUSTED_PORT_OFFSET, "untrusted")
    stalled = TlsServer(r, STALLED_PORT_OFFSET, "stalled", "stall")
    trickling = TlsServer(r, TRICKLING_PORT_OFFSET, "trickling", "trickle")
    r.check("the test authority is added to the prefix's Root store", trust(r, trusted.authority))
    r.check("the panel of the earlier groups quits", quit_panel(r, r.panel) is not None)
    try:
        untrusted_start, untrusted_exit = untrusted_certificate(r, untrusted)
        publisher_refuses_untrusted(r, untrusted)
        trusted_start = trusted_certificate(r, trusted)
        trusted_exit = update_over_https(r, trusted)
        # The same allowance for a busy machine as the robust group's.
        r.check("with an untrusted certificate the panel shows as fast as with a trusted one",
                None not in (untrusted_start, trusted_start) and
                untrusted_start <= trusted_start + EXIT_SPREAD, (untrusted_start, trusted_start))
        r.check("with an untrusted certificate the exit takes no longer than over a trusted one",
                None not in (untrusted_exit, trusted_exit) and
                untrusted_exit <= trusted_exit + EXIT_SPREAD, (untrusted_exit, trusted_exit))
        stalled_server(r, stalled, trusted_exit)
        trickling_server(r, trickling)
    finally:
        restore_healthy_panel(r)
