#pragma once

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <exception>
#include <functional>
#include <string>

// How an action run in a child process ended.
struct ChildOutcome {
    bool finished = false;  // false when it was killed, for instance after the time allowed
    std::string error;      // the text of the exception it threw; empty when none
};

// The user the permission tests act as: nobody. Root, whom the system checks
// for no permission, takes on that user in the child; any other user runs as
// itself.
inline constexpr uid_t UnprivilegedUser = 65534;

inline bool BecomeUnprivileged() {
    return ::geteuid() != 0 || (::setgroups(0, nullptr) == 0 && ::setgid(UnprivilegedUser) == 0 &&
                                ::setuid(UnprivilegedUser) == 0);
}

// Runs the action in a child process, so that a user switch or a resource
// limit stays there and a hang ends after the seconds allowed.
inline ChildOutcome RunInChild(const std::function<void()>& action, bool unprivileged,
                               unsigned seconds = 20) {
    int channel[2];
    if (::pipe(channel) != 0) {
        return {};
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        ::alarm(seconds);
        std::string error;
        if (unprivileged && !BecomeUnprivileged()) {
            error = "cannot become an unprivileged user";
        } else {
            try {
                action();
            } catch (const std::exception& e) {
                error = e.what();
            }
        }
        static_cast<void>(::write(channel[1], error.data(), error.size()));
        ::_exit(0);
    }
    ::close(channel[1]);
    ChildOutcome outcome;
    char buffer[256];
    for (ssize_t count; (count = ::read(channel[0], buffer, sizeof buffer)) > 0;) {
        outcome.error.append(buffer, static_cast<std::size_t>(count));
    }
    ::close(channel[0]);
    int status = 0;
    outcome.finished = child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status);
    return outcome;
}
