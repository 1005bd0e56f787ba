#!/usr/bin/python3
"""A throw-away FTP server on 127.0.0.1 for the update tests.

Listens on a free port, prints "PORT <n>" once it does, and serves ROOT to one
user until it is killed or its standard input closes.

  ftpserver.py ROOT USER PASSWORD [--tls CERT KEY] [--rate BYTES_PER_SECOND]
               [--stall] [--nosize] [--blankline]

--tls     offers explicit TLS and refuses any login that is not made over it
--rate    limits the download speed (to watch or interrupt a long transfer)
--stall   accepts a download and then sends nothing, never ending it
--nosize  tells no file's size
--blankline  welcomes a login with several lines, one a bare line feed
"""
import logging
import os
import sys
import threading

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer


def main(argv):
    root, user, password = argv[1:4]
    options = argv[4:]
    handler = FTPHandler
    if "--tls" in options:
        from pyftpdlib.handlers import TLS_DTPHandler, TLS_FTPHandler

        class DataHandler(TLS_DTPHandler):
            def readable(self):
                # Clients may begin the data connection's handshake as soon
                # as it is open, before the transfer command; pyftpdlib would
                # take those early bytes for a hang-up and drop the connection.
                if self._ssl_requested and not self._ssl_established:
                    return True
                if not self._initialized:
                    return self.receive or self._ssl_want_read
                return super().readable()
        at = options.index("--tls")

        class Handler(TLS_FTPHandler):
            @classmethod
            def get_ssl_context(cls):
                # Clients resume the control connection's TLS session on the
                # data connection; OpenSSL refuses that without a session id
                # context, and pyftpdlib sets none.
                fresh = cls.ssl_context is None
                context = super().get_ssl_context()
                if fresh:
                    context.set_session_id(b"lumetra-test")
                return context
        Handler.dtp_handler = DataHandler
        Handler.certfile = options[at + 1]
        Handler.keyfile = options[at + 2]
        Handler.tls_control_required = True
        Handler.tls_data_required = True
        handler = Handler
    if "--stall" in options:
        base = handler

        class Stalling(base):
            def ftp_RETR(self, file):
                self.respond("150 File status okay. About to open data connection.")
        handler = Stalling
    if "--nosize" in options:
        sized = handler

        class Sizeless(sized):
            def ftp_SIZE(self, path):
                self.respond("502 Command not implemented.")
        handler = Sizeless
    if "--blankline" in options:
        welcoming = handler

        class Welcoming(welcoming):
            def respond(self, resp, *args, **kwargs):
                if resp.startswith("230 "):
                    self.push("230-Welcome.\r\n\n")
                super().respond(resp, *args, **kwargs)
        handler = Welcoming
    if "--rate" in options:
        class Throttled(ThrottledDTPHandler, handler.dtp_handler):
            write_limit = int(options[options.index("--rate") + 1])
        handler.dtp_handler = Throttled

    authorizer = DummyAuthorizer()
    authorizer.add_user(user, password, root, perm="elr")
    handler.authorizer = authorizer
    handler.banner = "test server ready"
    # Refusals come at once: the usual pause after a wrong password only slows the tests.
    handler.auth_failed_timeout = 0.1
    # Only its warnings: the test's output stays readable.
    log = logging.getLogger("pyftpdlib")
    log.addHandler(logging.StreamHandler())
    log.setLevel(logging.WARNING)
    server = FTPServer(("127.0.0.1", 0), handler)
    print("PORT %d" % server.address[1], flush=True)
    # Ends with the test that started it, even one that crashed: its end
    # closes our standard input.
    threading.Thread(target=lambda: (sys.stdin.read(), os._exit(0)), daemon=True).start()
    server.serve_forever(handle_exit=True)


if __name__ == "__main__":
    main(sys.argv)
