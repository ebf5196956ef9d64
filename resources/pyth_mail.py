#!/usr/bin/python3
"""Sends one e-mail for Zelk ID Card.

Arguments: sender, SMTP server, port, login, recipient, subject, body,
"Y" (implicit TLS) or "N" (STARTTLS), then the files to attach. Standard
input: the password, a line break and a word that is not used. Exit status 0
only when the server accepted the message.
"""
import base64
import mimetypes
import os
import smtplib
import ssl
import sys
from email.message import EmailMessage
from email.policy import SMTP as SMTP_POLICY
from email.utils import formatdate, make_msgid

# Seconds one network operation may take; the application bounds the whole call.
TIMEOUT = 60


class MailError(Exception):
    pass


def read_password():
    data = sys.stdin.buffer.read()
    return data.split(b"\n", 1)[0].decode("utf-8")


def build_message(sender, recipient, subject, body, attachments):
    msg = EmailMessage(policy=SMTP_POLICY)
    msg["From"] = sender
    msg["To"] = recipient
    msg["Subject"] = subject
    msg["Date"] = formatdate(localtime=True)
    msg["Message-ID"] = make_msgid()
    msg.set_content(body)
    for path in attachments:
        with open(path, "rb") as f:
            data = f.read()
        ctype, encoding = mimetypes.guess_type(path)
        if ctype is None or encoding is not None:
            ctype = "application/octet-stream"
        maintype, subtype = ctype.split("/", 1)
        msg.add_attachment(data, maintype=maintype, subtype=subtype,
                           filename=os.path.basename(path))
    return msg


def connect(server, port, implicit_tls):
    context = ssl.create_default_context()
    if implicit_tls:
        client = smtplib.SMTP_SSL(server, port, timeout=TIMEOUT, context=context)
        client.ehlo()
        return client
    client = smtplib.SMTP(server, port, timeout=TIMEOUT)
    client.ehlo()
    # Never log in over a connection that is not encrypted.
    if not client.has_extn("starttls"):
        client.close()
        raise MailError("the server offers no STARTTLS")
    client.starttls(context=context)
    client.ehlo()
    return client


def login(client, user, password):
    # smtplib.login encodes the password as ASCII; the exchange is made here
    # so that any password goes out in UTF-8.
    methods = (client.esmtp_features.get("auth") or "").upper().split()
    user_b = user.encode("utf-8")
    pass_b = password.encode("utf-8")
    if "PLAIN" in methods or not methods:
        token = base64.b64encode(b"\0" + user_b + b"\0" + pass_b).decode("ascii")
        code, reply = client.docmd("AUTH", "PLAIN " + token)
    elif "LOGIN" in methods:
        code, reply = client.docmd("AUTH", "LOGIN " + base64.b64encode(user_b).decode("ascii"))
        if code == 334:
            code, reply = client.docmd(base64.b64encode(pass_b).decode("ascii"))
    else:
        raise MailError("the server offers neither AUTH PLAIN nor AUTH LOGIN")
    if code != 235:
        raise MailError("login refused: %d %s" % (code, reply.decode("utf-8", "replace")))


def main(argv):
    if len(argv) < 9:
        sys.stderr.write("pyth_mail: too few arguments\n")
        return 2
    sender, server, port, user, recipient, subject, body, ssl_flag = argv[1:9]
    attachments = argv[9:]
    try:
        password = read_password()
        msg = build_message(sender, recipient, subject, body, attachments)
        client = connect(server, int(port), ssl_flag == "Y")
        try:
            login(client, user, password)
            refused = client.send_message(msg, from_addr=sender, to_addrs=[recipient])
            if refused:
                raise MailError("recipient refused: %r" % refused)
        finally:
            try:
                client.quit()
            except Exception:
                client.close()
    except (MailError, OSError, ValueError, UnicodeError, smtplib.SMTPException) as e:
        sys.stderr.write("pyth_mail: %s\n" % e)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
