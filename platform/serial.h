// Serial port over POSIX termios: one port at a time, raw, 8 data bits, no
// parity, one stop bit, never blocking.
#pragma once

// The device behind serial port 1 ("/dev/ttyS0" unless named otherwise,
// e.g. a pseudo-terminal).
void plat_serial_name_port(const char* device);
const char* plat_serial_port_name();

// Opens port 1: 0, or -1 no such port, -2 already open, -10 the device is
// not a serial line that takes our settings.
int plat_serial_open();
// Sets the speed in bit/s: 0, or -1 port not open, -12 unsupported speed.
int plat_serial_speed(int baud);
int plat_serial_is_open();
int plat_serial_write(const unsigned char* bytes, int count); // bytes written, never blocks
void plat_serial_close();
