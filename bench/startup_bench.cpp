// SPDX-License-Identifier: MIT
// Start-up time and peak memory of the program's window against the floor, the toolkit's own
// cost of the same window: the same Qt widgets at the same places with the same texts and font,
// made by the plainest code (see startup_probe). Each is started many times, alternately, and
// the medians compared.
//   bench_startup [RUNS]
// Start-up runs from just before the process is created to the window shown and the event loop
// idle (the probe's own report), on the platform the environment names (offscreen by default).

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Start {
    double milliseconds;
    long peakKiB;
};

long long monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

// Runs the probe once with its arguments and returns what it printed.
std::string run(const std::string& probe, std::string kind, std::string file) {
    int out[2];
    if (pipe(out) != 0)
        std::exit(1);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::string path = probe;
    char* argv[] = {path.data(), kind.data(), file.data(), nullptr};
    pid_t child = 0;
    if (posix_spawn(&child, probe.c_str(), &actions, nullptr, argv, environ) != 0)
        std::exit(1);
    close(out[1]);
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(n));
    close(out[0]);
    int status = 0;
    waitpid(child, &status, 0);
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "the probe (%s) failed\n", kind.c_str());
        std::exit(1);
    }
    return text;
}

Start startOnce(const std::string& probe, const char* kind, const std::string& file) {
    const long long before = monotonicNs();
    const std::string text = run(probe, kind, file);
    long long ready = 0;
    long peak = 0;
    if (std::sscanf(text.c_str(), "ready %lld %ld", &ready, &peak) != 2) {
        std::fprintf(stderr, "the probe (%s) reported nothing\n", kind);
        std::exit(1);
    }
    return {static_cast<double>(ready - before) / 1e6, peak};
}

template <typename T> T median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 31;
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::string probe =
        (std::filesystem::path(argv[0]).parent_path() / "startup_probe").string();

    // The floor is built from the window's own controls, so it follows any change to them.
    const std::string controls = (std::filesystem::temp_directory_path() /
                                  ("fan-selection-controls-" + std::to_string(getpid())))
                                     .string();
    run(probe, "describe", controls);

    const char* const kinds[] = {"window", "floor"};
    for (const char* kind : kinds)
        startOnce(probe, kind, controls); // caches warm, as for any second start
    std::vector<double> ms[2];
    std::vector<long> kib[2];
    for (int i = 0; i < runs; ++i)
        for (int k = 0; k < 2; ++k) {
            const Start s = startOnce(probe, kinds[k], controls);
            ms[k].push_back(s.milliseconds);
            kib[k].push_back(s.peakKiB);
        }
    std::filesystem::remove(controls);
    const double wMs = median(ms[0]), fMs = median(ms[1]);
    const long wKiB = median(kib[0]), fKiB = median(kib[1]);
    std::printf("platform: %s, %d starts of each, medians\n",
                std::getenv("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "default", runs);
    std::printf("start-up to shown and idle: window %.2f ms, floor %.2f ms, ratio %.3f "
                "(goal at most 1.05)\n",
                wMs, fMs, wMs / fMs);
    std::printf("peak resident memory:       window %ld KiB, floor %ld KiB, ratio %.3f "
                "(goal at most 1.05)\n",
                wKiB, fKiB, static_cast<double>(wKiB) / static_cast<double>(fKiB));
    return 0;
}
