#include "Output.h"

#include <cerrno>

#include <poll.h>
#include <unistd.h>

bool Output::Write(const QByteArray& bytes)
{
    const char* p = bytes.constData();
    qsizetype left = bytes.size();
    while (!Failed() && left > 0) {
        const ssize_t n = ::write(m_Fd, p, static_cast<size_t>(left));
        if (n >= 0) {
            p += n;
            left -= n;
        } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            // A descriptor left non-blocking by whoever passed it: wait until it takes more.
            pollfd w{m_Fd, POLLOUT, 0};
            if (::poll(&w, 1, -1) < 0 && errno != EINTR)
                m_Error = qt_error_string(errno);
        } else if (errno != EINTR) {
            m_Error = qt_error_string(errno);
        }
    }
    return !Failed();
}
