#include "serial.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {
int port = -1;

speed_t speed_for(int baud)
{
    switch (baud) {
    case 1200: return B1200;
    case 2400: return B2400;
    case 4800: return B4800;
    case 19200: return B19200;
    case 38400: return B38400;
    case 57600: return B57600;
    case 115200: return B115200;
    default: return B9600;
    }
}
} // namespace

int plat_serial_open(const char* device, int baud)
{
    plat_serial_close();
    port = open(device, O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (port < 0) return 0;
    termios t{};
    if (tcgetattr(port, &t) == 0) {
        cfmakeraw(&t);
        t.c_cflag |= CLOCAL | CREAD;
        t.c_cflag &= ~(CSTOPB | PARENB | CSIZE);
        t.c_cflag |= CS8;
        cfsetispeed(&t, speed_for(baud));
        cfsetospeed(&t, speed_for(baud));
        tcsetattr(port, TCSANOW, &t);
    }
    return 1;
}

int plat_serial_is_open()
{
    return port >= 0;
}

int plat_serial_write(const unsigned char* bytes, int count)
{
    if (port < 0 || count <= 0) return 0;
    ssize_t n = write(port, bytes, (size_t)count);
    return n > 0 ? (int)n : 0;
}

void plat_serial_close()
{
    if (port >= 0) close(port);
    port = -1;
}
