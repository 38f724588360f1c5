"""A served vexa-cli for the tests: started on free loopback ports (port 0,
the ports read from what it prints), a raw socket client, and the stop by
SIGTERM.  Used by the vexa_cli_server_*_test.py programs."""
import os
import re
import shutil
import signal
import socket
import subprocess
import tempfile
import time


class Server:
    def __init__(self, binary, *args, ssh=True):
        self.dir = tempfile.mkdtemp(prefix="vexa-served-")
        self.delta = os.path.join(self.dir, "router.delta")
        command = [binary, "--listen", "0", "--delta", self.delta, *args]
        if ssh:
            command += ["--ssh-listen", "0", "--host-key", os.path.join(self.dir, "key")]
        self.errors = open(os.path.join(self.dir, "stderr"), "w+")
        self.process = subprocess.Popen(command, stdout=subprocess.PIPE, stderr=self.errors,
                                        text=True)
        self.ports = {}
        for line in self.process.stdout:
            found = re.search(r"serving over (\w+) on 127\.0\.0\.1:(\d+) \(loopback only\)", line)
            if found:
                self.ports[found.group(1)] = int(found.group(2))
            if "state is kept" in line:
                break
        if "telnet" not in self.ports:
            raise RuntimeError("the server did not start: " + self.error_text())

    def stop(self):
        """SIGTERM; the exit status and the rest of the output."""
        self.process.send_signal(signal.SIGTERM)
        rest = self.process.stdout.read()
        return self.process.wait(timeout=15), rest

    def error_text(self):
        self.errors.seek(0)
        return self.errors.read()

    def delta_text(self):
        with open(self.delta) as f:
            return f.read()

    def cleanup(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        self.process.stdout.close()
        self.errors.close()
        shutil.rmtree(self.dir, ignore_errors=True)


class Raw:
    """A telnet client that speaks bytes and no protocol."""

    def __init__(self, port):
        self.sock = socket.create_connection(("127.0.0.1", port), timeout=10)
        self.seen = b""

    def send(self, data):
        self.sock.sendall(data)
        return self

    def expect(self, pattern, timeout=10):
        """Reads until the regular expression (bytes) matches what came since
        the last match; returns that text."""
        deadline = time.time() + timeout
        while True:
            found = re.search(pattern, self.seen)
            if found:
                text, self.seen = self.seen[: found.end()], self.seen[found.end():]
                return text
            if time.time() > deadline:
                raise AssertionError("no %r in %r" % (pattern, self.seen))
            self.sock.settimeout(max(0.05, deadline - time.time()))
            chunk = self.sock.recv(65536)
            if not chunk:
                raise AssertionError("closed before %r; got %r" % (pattern, self.seen))
            self.seen += chunk

    def closed(self, timeout=10):
        """Whether the server closes the connection within timeout."""
        self.sock.settimeout(timeout)
        try:
            while True:
                chunk = self.sock.recv(65536)
                if not chunk:
                    break
                self.seen += chunk
        except ConnectionResetError:
            pass
        except socket.timeout:
            return False
        self.close()
        return True

    def close(self):
        self.sock.close()
