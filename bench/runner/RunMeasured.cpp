// Runs a program and says how long it took and the most memory it held. The benchmark starts
// the programs it measures through this small process rather than itself: a process started
// straight from the large benchmark counts the benchmark's own memory as its peak.
//
//   tp_bench_run LOG PROGRAM [ARGUMENT...]   prints "seconds peak-kB exit-status"; the
//                                            program's output goes to LOG

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: tp_bench_run LOG PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid < 0)
        return 1;
    if (pid == 0) {
        const int log = open(argv[1], O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (log < 0 || dup2(log, 1) < 0 || dup2(log, 2) < 0)
            _exit(126);
        execv(argv[2], argv + 2);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid)
        return 1;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%.6f %ld %d\n", seconds, usage.ru_maxrss, WIFEXITED(status) ? WEXITSTATUS(status) : 128);
    return 0;
}
