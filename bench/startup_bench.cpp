// Start-up benchmark: time from process start to the title screen's first paint, and peak memory, for
// Brambleton and for a bare Qt window showing one JPEG, run alternately several times each. Prints each
// run, the medians and the ratios.
//
// Usage: startup_bench [runs]   (run it on a display: bench/run_startup.sh starts a private Xvfb)

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Run {
    double ms;
    long peakKb;
};

long long monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

bool runOnce(const std::string& program, Run& out) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    pid_t pid = 0;
    const long long start = monotonicNs();
    const int rc = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (rc != 0) {
        close(pipeFds[0]);
        return false;
    }
    std::string output;
    char buffer[256];
    ssize_t n = 0;
    while ((n = read(pipeFds[0], buffer, sizeof buffer)) > 0) output.append(buffer, static_cast<size_t>(n));
    close(pipeFds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    long long painted = 0;
    long peak = 0;
    const size_t at = output.find("painted ");
    if (at == std::string::npos || std::sscanf(output.c_str() + at, "painted %lld %ld", &painted, &peak) != 2)
        return false;
    out = {static_cast<double>(painted - start) / 1e6, peak};
    return true;
}

template <class T>
T median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    std::string dir = argv[0];
    dir = dir.substr(0, dir.rfind('/') + 1);
    const std::string programs[2] = {dir + "bench_bare_window", dir + "bench_brambleton_probe"};
    const char* names[2] = {"bare window", "Brambleton"};

    // One warm-up run each, so that both start with the same files in the page cache.
    Run warm{};
    for (const std::string& p : programs)
        if (!runOnce(p, warm)) {
            std::fprintf(stderr, "could not run %s (is there a display?)\n", p.c_str());
            return 1;
        }

    std::vector<double> ms[2];
    std::vector<long> kb[2];
    std::printf("%-4s %-12s %12s %14s\n", "run", "program", "first paint", "peak memory");
    for (int i = 0; i < runs; ++i)
        for (int k = 0; k < 2; ++k) {
            Run r{};
            if (!runOnce(programs[k], r)) {
                std::fprintf(stderr, "run %d of %s failed\n", i + 1, names[k]);
                return 1;
            }
            ms[k].push_back(r.ms);
            kb[k].push_back(r.peakKb);
            std::printf("%-4d %-12s %9.1f ms %11ld kB\n", i + 1, names[k], r.ms, r.peakKb);
        }

    const double t0 = median(ms[0]), t1 = median(ms[1]);
    const long m0 = median(kb[0]), m1 = median(kb[1]);
    std::printf("\nmedians over %d runs\n", runs);
    std::printf("  %-12s %9.1f ms %11ld kB\n", names[0], t0, m0);
    std::printf("  %-12s %9.1f ms %11ld kB\n", names[1], t1, m1);
    std::printf("  ratio        %9.2fx    %11.2fx   (aim: at most 1.30x time, 1.50x memory)\n", t1 / t0,
                static_cast<double>(m1) / static_cast<double>(m0));
    return 0;
}
