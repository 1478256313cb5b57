// Serial port over POSIX termios: one port at a time.
#pragma once

// Opens a device such as "/dev/ttyS0" raw, 8 data bits, no parity, one stop bit.
int plat_serial_open(const char* device, int baud);
int plat_serial_is_open();
int plat_serial_write(const unsigned char* bytes, int count); // bytes written, never blocks
void plat_serial_close();
