#!/usr/bin/python3
"""An SMTP server on 127.0.0.1 for the mail tests.

Usage: smtp_server.py MODE OUTDIR [CERT KEY PASSWORD [DELAY]]
MODE: starttls (STARTTLS required before AUTH), implicit (TLS from the first
byte), plain (no STARTTLS offered, AUTH offered anyway), silent (accepts
connections and never answers). Prints "READY <port>" once it listens, and
runs until its standard input closes. Each accepted message is written to
OUTDIR/NNN/ as meta.json (envelope, subject, body, attachment names in
order) and the attachments' bytes; every AUTH attempt is a line of
OUTDIR/auth.log. DELAY (seconds) holds each message before it is accepted,
so that a test can act while one is in flight.
"""
import asyncio
import json
import os
import socket
import ssl
import sys
import threading
from email import message_from_bytes
from email.policy import default as default_policy

MODE, OUTDIR = sys.argv[1], sys.argv[2]
lock = threading.Lock()
count = [0]


def free_port():
    s = socket.socket()
    s.bind(("127.0.0.1", 0))
    port = s.getsockname()[1]
    s.close()
    return port


def log_auth(line):
    with lock, open(os.path.join(OUTDIR, "auth.log"), "a") as f:
        f.write(line + "\n")


def silent():
    server = socket.socket()
    server.bind(("127.0.0.1", 0))
    server.listen(8)
    held = []

    def accept():
        while True:
            conn, _ = server.accept()
            held.append(conn)

    threading.Thread(target=accept, daemon=True).start()
    print("READY %d" % server.getsockname()[1], flush=True)
    sys.stdin.read()


def serve():
    from aiosmtpd.controller import Controller
    from aiosmtpd.smtp import AuthResult

    cert, key, password = sys.argv[3], sys.argv[4], sys.argv[5].encode("utf-8")
    delay = float(sys.argv[6]) if len(sys.argv) > 6 else 0.0

    class Handler:
        async def handle_DATA(self, server, session, envelope):
            if delay > 0:
                await asyncio.sleep(delay)
            msg = message_from_bytes(envelope.content, policy=default_policy)
            with lock:
                count[0] += 1
                folder = os.path.join(OUTDIR, "%03d" % count[0])
            os.makedirs(folder)
            names = []
            for part in msg.iter_attachments():
                name = part.get_filename()
                names.append(name)
                with open(os.path.join(folder, "%d_%s" % (len(names), name)), "wb") as f:
                    f.write(part.get_payload(decode=True))
            body = msg.get_body(preferencelist=("plain",))
            meta = {
                "mail_from": envelope.mail_from,
                "rcpt_tos": envelope.rcpt_tos,
                "from": str(msg["From"]),
                "to": str(msg["To"]),
                "subject": str(msg["Subject"]),
                "body": body.get_content() if body is not None else "",
                "attachments": names,
                "tls": session.ssl is not None or server.transport.get_extra_info("ssl_object") is not None,
            }
            with open(os.path.join(folder, "meta.json"), "w") as f:
                json.dump(meta, f)
            return "250 OK"

    def authenticator(server, session, envelope, mechanism, auth_data):
        ok = auth_data.password == password
        log_auth("%s %s %s" % (mechanism, auth_data.login.decode("utf-8", "replace"), "ok" if ok else "refused"))
        # handled=False: the server answers the refusal itself (535).
        return AuthResult(success=ok, handled=False)

    context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
    context.load_cert_chain(cert, key)
    port = free_port()
    kwargs = dict(hostname="127.0.0.1", port=port, authenticator=authenticator)
    if MODE == "implicit":
        kwargs.update(ssl_context=context, auth_require_tls=False)
    elif MODE == "starttls":
        kwargs.update(tls_context=context, require_starttls=True, auth_require_tls=True)
    else:
        kwargs.update(auth_require_tls=False)
    controller = Controller(Handler(), **kwargs)
    controller.start()
    print("READY %d" % port, flush=True)
    sys.stdin.read()
    controller.stop()


if MODE == "silent":
    silent()
else:
    serve()
