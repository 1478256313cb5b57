#include "serial.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {
int port = -1;
char device_name[256] = "/dev/ttyS0";

int speed_for(int baud, speed_t* s)
{
    switch (baud) {
    case 1200: *s = B1200; return 1;
    case 2400: *s = B2400; return 1;
    case 4800: *s = B4800; return 1;
    case 9600: *s = B9600; return 1;
    case 19200: *s = B19200; return 1;
    case 38400: *s = B38400; return 1;
    case 57600: *s = B57600; return 1;
    case 115200: *s = B115200; return 1;
    default: return 0;
    }
}
} // namespace

void plat_serial_name_port(const char* device)
{
    std::strncpy(device_name, device, sizeof device_name - 1);
    device_name[sizeof device_name - 1] = 0;
}

const char* plat_serial_port_name()
{
    return device_name;
}

int plat_serial_open()
{
    if (port >= 0) return -2;
    port = open(device_name, O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (port < 0) return -1;
    termios t{};
    if (tcgetattr(port, &t) != 0) {
        plat_serial_close();
        return -10;
    }
    cfmakeraw(&t);
    t.c_cflag |= CLOCAL | CREAD;
    t.c_cflag &= ~(CSTOPB | PARENB | CSIZE);
    t.c_cflag |= CS8;
    if (tcsetattr(port, TCSANOW, &t) != 0) {
        plat_serial_close();
        return -10;
    }
    return 0;
}

int plat_serial_speed(int baud)
{
    if (port < 0) return -1;
    speed_t s;
    if (!speed_for(baud, &s)) return -12;
    termios t{};
    if (tcgetattr(port, &t) != 0) return -1;
    cfsetispeed(&t, s);
    cfsetospeed(&t, s);
    return tcsetattr(port, TCSANOW, &t) == 0 ? 0 : -12;
}

int plat_serial_is_open()
{
    return port >= 0;
}

int plat_serial_write(const unsigned char* bytes, int count)
{
    if (port < 0 || count <= 0) return 0;
    int done = 0;
    while (done < count) {
        ssize_t n = write(port, bytes + done, (size_t)(count - done));
        if (n > 0) done += (int)n;
        else if (n < 0 && errno == EINTR) continue;
        else break;
    }
    return done;
}

void plat_serial_close()
{
    if (port >= 0) close(port);
    port = -1;
}
