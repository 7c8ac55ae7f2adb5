#!/usr/bin/python3
"""Test peers on 127.0.0.1 for the net league tests.

  loopback_servers.py http ROOT      serves ROOT over HTTP
  loopback_servers.py smtp OUTDIR    receives mail and writes each message's parts into OUTDIR

The server binds a free port and prints it on the first line of stdout. It ends when its stdin
closes (the test that started it is gone) or after --lifetime seconds, whichever comes first, so
it never outlives a test run.

HTTP paths: /NAME serves ROOT/NAME; /slow/NAME announces the whole length and sends it in small
pieces with pauses (for progress and cancel); /truncated/NAME announces the whole length and
closes after half of it.
"""
import argparse
import asyncio
import email
import email.policy
import http.server
import os
import socket
import sys
import threading
import time


def watch_parent(lifetime):
    def on_stdin_closed():
        try:
            sys.stdin.buffer.read()
        finally:
            os._exit(0)

    threading.Thread(target=on_stdin_closed, daemon=True).start()
    timer = threading.Timer(lifetime, lambda: os._exit(0))
    timer.daemon = True
    timer.start()


def bound_socket():
    sock = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    sock.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    sock.bind(("127.0.0.1", 0))
    sock.listen(16)
    return sock


def announce(port):
    sys.stdout.write(f"{port}\n")
    sys.stdout.flush()


def run_http(root):
    class Handler(http.server.SimpleHTTPRequestHandler):
        def __init__(self, *args, **kwargs):
            super().__init__(*args, directory=root, **kwargs)

        def log_message(self, *args):
            pass

        def send_piecewise(self, name, fraction, pause):
            path = os.path.join(root, os.path.basename(name))
            if not os.path.isfile(path):
                self.send_error(404)
                return
            with open(path, "rb") as f:
                data = f.read()
            self.send_response(200)
            self.send_header("Content-Type", "application/zip")
            self.send_header("Content-Length", str(len(data)))
            self.end_headers()
            end = int(len(data) * fraction)
            deadline = time.monotonic() + 60
            try:
                for start in range(0, end, 2048):
                    self.wfile.write(data[start:min(start + 2048, end)])
                    self.wfile.flush()
                    if pause and time.monotonic() < deadline:
                        time.sleep(pause)
            except (BrokenPipeError, ConnectionResetError):
                pass
            self.close_connection = True

        def do_GET(self):
            if self.path.startswith("/slow/"):
                self.send_piecewise(self.path[len("/slow/"):], 1.0, 0.05)
            elif self.path.startswith("/truncated/"):
                self.send_piecewise(self.path[len("/truncated/"):], 0.5, 0)
            else:
                super().do_GET()

    class Server(http.server.ThreadingHTTPServer):
        daemon_threads = True

    server = Server(("127.0.0.1", 0), Handler)
    announce(server.server_address[1])
    server.serve_forever()


def run_smtp(outdir, SMTP):
    class Handler:
        count = 0

        async def handle_DATA(self, server, session, envelope):
            Handler.count += 1
            final = os.path.join(outdir, f"mail-{Handler.count}")
            work = final + ".part"
            os.makedirs(os.path.join(work, "attachments"))
            message = email.message_from_bytes(envelope.content, policy=email.policy.default)
            with open(os.path.join(work, "envelope.txt"), "w", encoding="utf-8") as f:
                f.write(f"from: {envelope.mail_from}\n")
                for rcpt in envelope.rcpt_tos:
                    f.write(f"to: {rcpt}\n")
            with open(os.path.join(work, "headers.txt"), "w", encoding="utf-8") as f:
                for key in ("From", "Sender", "To", "Subject"):
                    f.write(f"{key}: {message.get(key, '')}\n")
            for part in message.walk():
                if part.is_multipart():
                    continue
                filename = part.get_filename()
                if filename:
                    target = os.path.join(work, "attachments", os.path.basename(filename))
                    with open(target, "wb") as f:
                        f.write(part.get_payload(decode=True))
                elif part.get_content_type() == "text/plain":
                    with open(os.path.join(work, "body.txt"), "wb") as f:
                        f.write(part.get_payload(decode=True))
            os.rename(work, final)
            return "250 Message accepted for delivery"

    sock = bound_socket()
    loop = asyncio.new_event_loop()
    asyncio.set_event_loop(loop)
    handler = Handler()
    loop.run_until_complete(loop.create_server(lambda: SMTP(handler, hostname="loopback"), sock=sock))
    announce(sock.getsockname()[1])
    loop.run_forever()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("kind", choices=["http", "smtp"])
    parser.add_argument("folder")
    parser.add_argument("--lifetime", type=float, default=300)
    args = parser.parse_args()
    if args.kind == "smtp":
        from aiosmtpd.smtp import SMTP
    watch_parent(args.lifetime)
    if args.kind == "http":
        run_http(args.folder)
    else:
        run_smtp(args.folder, SMTP)


if __name__ == "__main__":
    main()
