"""vexa-cli served to raw sockets: the device's login and enable dialogue,
paging, garbage, cut negotiation and clients that vanish mid-command (the
server serves on), the connection limit, the idle timeout and the clean
stop by SIGTERM.

usage: vexa_cli_server_raw_test.py VEXA_CLI"""
import random
import socket
import sys
import time
import unittest

from vexa_cli_server_support import Raw, Server

BINARY = sys.argv.pop(1) if len(sys.argv) > 1 else "vexa-cli"
PROMPT = rb"branch-rtr1>$"
ENABLED = rb"branch-rtr1#$"


class RawTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = Server(BINARY, "--username", "u", "--password", "p", "--enable-secret", "s")

    @classmethod
    def tearDownClass(cls):
        cls.server.cleanup()

    def login(self):
        client = Raw(self.server.ports["telnet"])
        client.expect(rb"\r\n\r\nUser Access Verification\r\n\r\nUsername: $")
        client.send(b"u\r\n").expect(rb"u\r\nPassword: $")
        client.send(b"p\r\0").expect(rb"\r\n\r\n" + PROMPT)
        return client

    def serves(self):
        client = self.login()
        client.send(b"show version\r").expect(rb"uptime is")
        client.close()

    def test_login_and_enable_answer_as_the_device(self):
        client = Raw(self.server.ports["telnet"])
        client.expect(rb"Username: $")
        for attempt in range(3):
            client.send(b"u\rwrong\r").expect(rb"Password: ")
            client.expect(rb"\r\n% Login invalid\r\n")
        self.assertTrue(client.closed(), "three wrong logins end the connection")

        client = self.login()
        client.send(b"enable\r").expect(rb"enable\r\nPassword: $")
        client.send(b"x\r").expect(rb"^\r\nPassword: $")
        client.send(b"\r").expect(rb"^\r\nPassword: $")
        client.send(b"y\r").expect(rb"^\r\n% Bad secrets\r\n\r\n" + PROMPT)
        client.send(b"en\rs\r").expect(rb"\r\n" + ENABLED)
        # ^C is dropped (the console would interrupt the program); a window
        # of 5 rows (NAWS) pages by 4 lines.
        client.send(b"\x03\xff\xfa\x1f\x00\x64\x00\x05\xff\xf0show running-config\r")
        client.expect(rb"\r\n --More-- $")
        client.send(b" ").expect(rb"\x08{10} {10}\x08{10}([^\r\n]*\r\n){4} --More-- $")
        client.send(b"q").expect(rb"^\x08{10} {10}\x08{10}" + ENABLED)
        client.send(b"term len 0\rsh run\r").expect(rb"\r\nend\r\n" + ENABLED)
        client.send(b"logout\r")
        self.assertTrue(client.closed())

    def test_garbage_cut_negotiation_and_vanishing_clients_leave_the_server_serving(self):
        noise = random.Random(18)
        for client in [Raw(port) for port in self.server.ports.values()] + [self.login()]:
            try:  # the server may well hang up first (failed logins, a bad handshake)
                client.send(bytes(noise.randrange(256) for _ in range(65536)))
                client.send(b"\xff\xff\xff\xfa\x1f" + b"\xff" * 3)  # cut in a subnegotiation
            except OSError:
                pass
            client.close()
        for cut in (b"\xff", b"\xff\xfb", b"\xff\xfa\x1f\x00\x50"):
            client = Raw(self.server.ports["telnet"])
            client.expect(rb"Username: $")
            client.send(b"u" + cut)
            client.close()

        client = self.login()
        client.send(b"enable\rs\rconfigure terminal\rinterface Loopback55\r").expect(rb"\(config-if\)#$")
        client.send(b"description never finished")
        client.close()
        client = self.login()
        client.send(b"enable\rs\rterminal length 0\rshow running-config\r")
        client.close()  # before the answer
        self.serves()
        client = self.login()
        client.send(b"enable\rs\rterminal length 0\rshow running-config\r")
        config = client.expect(rb"\r\nend\r\n" + ENABLED)
        client.close()
        self.assertIn(b"\r\ninterface Loopback55\r\n", config)
        self.assertNotIn(b"never finished", config)
        self.assertNotIn("ended by signal", self.server.error_text())

    def test_connection_limit_idle_timeout_and_clean_stop(self):
        small = Server(BINARY, "--max-connections", "2", "--idle-timeout", "1", ssh=False)
        try:
            first, second = Raw(small.ports["telnet"]), Raw(small.ports["telnet"])
            first.expect(PROMPT)
            second.send(b"enable\rconfigure terminal\rhostname stored-before-stop\r")
            second.expect(rb"\(config\)#$")
            third = Raw(small.ports["telnet"])
            third.expect(rb"% All 2 lines are in use; try again later\r\n")
            self.assertTrue(third.closed())
            # The first idles out while the second keeps typing (^P).
            started = time.time()
            while not first.closed(timeout=0.3):
                self.assertLess(time.time() - started, 5, "idle for more than a second")
                second.send(b"\x10")
            status, output = small.stop()
            self.assertEqual(status, 0)
            self.assertIn("stopped", output)
            self.assertTrue(second.closed(timeout=5))
            self.assertIn("hostname stored-before-stop", small.delta_text())
        finally:
            small.cleanup()


if __name__ == "__main__":
    unittest.main(verbosity=2)
