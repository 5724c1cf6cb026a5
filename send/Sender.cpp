#include "Sender.h"

#include "SentHistory.h"

#include <sys/ioctl.h>

namespace velmar::send {

int TerminalWidth() {
    winsize size{};
    return ::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0 ? size.ws_col : 80;
}

Port::Port(std::string portName, std::string devicePath) : name(std::move(portName)), device(std::move(devicePath)) {
    session.CollectReplies();
    session.KeepHistory(SentHistoryDir());
}

} // namespace velmar::send
