#pragma once

// Runs a piece of a test in a child process whose files cannot grow beyond a size, as on a full
// disk: writes past the limit fail with EFBIG (the signal that would end the process is ignored).

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// The child's exit code: 0 when `corpo` returned true, 1 when false; -1 when the child could not
// run or ended otherwise.
inline int inFiglioConLimite(rlim_t byteMassimi, const std::function<bool()> &corpo)
{
    const pid_t pid = fork();
    if (pid < 0)
        return -1;
    if (pid == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limite{byteMassimi, byteMassimi};
        if (setrlimit(RLIMIT_FSIZE, &limite) != 0)
            _exit(2);
        _exit(corpo() ? 0 : 1);
    }
    int stato = 0;
    if (waitpid(pid, &stato, 0) != pid || !WIFEXITED(stato))
        return -1;
    return WEXITSTATUS(stato);
}
