#include "support/FileSizeLimit.h"

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int runWithFileSizeLimit(long limitBytes, const std::function<int()> &job)
{
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{rlim_t(limitBytes), rlim_t(limitBytes)};
        setrlimit(RLIMIT_FSIZE, &limit);
        int result = 100;
        try {
            result = job();
        } catch (...) {
            result = 101;
        }
        _exit(result); // no destructors of the parent's objects in the child
    }
    if (child < 0)
        return -1;
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}
