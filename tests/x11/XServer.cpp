// SPDX-License-Identifier: MIT
#include "XServer.h"

#include <csignal>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

namespace diruvari::test {

XServer::XServer() {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        return;
    }
    pid_ = fork();
    if (pid_ == 0) {
        close(pipeFds[0]);
        const std::string fd = std::to_string(pipeFds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24",
               "-nolisten", "tcp", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    // The server writes its display number and a newline once it accepts
    // clients, perhaps in more than one write.
    std::string number;
    char c = 0;
    while (pid_ > 0 && number.size() < 8 && read(pipeFds[0], &c, 1) == 1 && c != '\n') {
        number += c;
    }
    close(pipeFds[0]);
    if (c != '\n' || number.empty()) {
        return;
    }
    display_ = ":" + number;
    // A held key repeats after 660 ms, 25 times a second.
    const std::string xset = "xset -display " + display_ + " r on r rate 660 25";
    if (std::system(xset.c_str()) != 0) {
        display_.clear();
    }
}

XServer::~XServer() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
}

}  // namespace diruvari::test
