"""vexa-cli served to netmiko over telnet and SSH: login, enable, the
running configuration, a change pushed and read back, and five sessions
at once whose changes all land in the shared device state.

usage: vexa_cli_server_netmiko_test.py VEXA_CLI"""
import sys
import threading
import unittest

from vexa_cli_server_support import Server

try:
    from netmiko import ConnectHandler
except ImportError:
    sys.exit("python3-netmiko is missing for %s (scripts/dev.sh installs it)" % sys.executable)

BINARY = sys.argv.pop(1) if len(sys.argv) > 1 else "vexa-cli"
LOGIN = {"username": "admin", "password": "lab-pw", "secret": "en-secret"}
PROTOCOLS = {"cisco_ios_telnet": "telnet", "cisco_ios": "SSH"}


class NetmikoTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = Server(BINARY, "--username", LOGIN["username"], "--password",
                            LOGIN["password"], "--enable-secret", LOGIN["secret"])

    @classmethod
    def tearDownClass(cls):
        cls.server.cleanup()

    def connect(self, device_type):
        port = self.server.ports[PROTOCOLS[device_type]]
        return ConnectHandler(device_type=device_type, host="127.0.0.1", port=port,
                              fast_cli=device_type == "cisco_ios", **LOGIN)

    def running(self, connection):
        return connection.send_command("show running-config")

    def test_automation_session_over_each_protocol(self):
        for number, device_type in enumerate(PROTOCOLS, start=1):
            with self.subTest(device_type):
                connection = self.connect(device_type)
                self.assertEqual(connection.find_prompt(), "branch-rtr1>")
                connection.enable()
                self.assertEqual(connection.find_prompt(), "branch-rtr1#")

                config = self.running(connection)
                self.assertTrue(config.startswith("Building configuration..."), config[:200])
                # The whole configuration, unpaged, as the device writes it.
                for line in ("hostname branch-rtr1", "interface GigabitEthernet0/1",
                             " ip ospf network point-to-point", "line vty 5 15", "end"):
                    self.assertIn("\n" + line + "\n", config + "\n")
                self.assertIn("Cisco IOS Software", connection.send_command("show version"))

                interface = "interface Loopback%d" % (70 + number)
                description = " description pushed over " + PROTOCOLS[device_type]
                output = connection.send_config_set([interface, description.strip()])
                self.assertNotIn("%", output)
                self.assertIn("[OK]", connection.save_config())
                self.assertIn(interface + "\n" + description + "\n", self.running(connection))
                connection.disconnect()

    def test_parallel_sessions_lose_nothing(self):
        errors = []

        def change(number):
            try:
                connection = self.connect(list(PROTOCOLS)[number % 2])
                connection.enable()
                connection.send_config_set(["interface Loopback%d" % (200 + number),
                                            "description parallel session %d" % number])
                connection.disconnect()
            except Exception as error:  # reported by the main thread
                errors.append("session %d: %r" % (number, error))

        sessions = [threading.Thread(target=change, args=(n,)) for n in range(5)]
        for session in sessions:
            session.start()
        for session in sessions:
            session.join()
        self.assertEqual(errors, [])
        connection = self.connect("cisco_ios")
        connection.enable()
        config = self.running(connection)
        connection.disconnect()
        for number in range(5):
            self.assertIn("interface Loopback%d\n description parallel session %d\n"
                          % (200 + number, number), config)


if __name__ == "__main__":
    unittest.main(verbosity=2)
