// Runs start-up programs alternately, each many times, as fresh processes,
// and reports for each the median wall time from fork to exit, the time to
// its first paint, its peak memory (resident set, from wait4), and the
// median of each phase its marks report; then the ratios of the first
// program to the second.
//
//   startup_runner [-n RUNS] [-w WARMUPS] [-v] NAME=PROGRAM NAME=PROGRAM...
//
// The programs run on the offscreen platform unless QT_QPA_PLATFORM is set,
// with their error output discarded unless -v is given.
#include <sys/resource.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <string>
#include <vector>

namespace {

long long nowNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

struct Run
{
    double wallMs = 0;
    double peakMiB = 0;
    std::vector<std::pair<std::string, double>> marksMs; // from fork, in order
};

struct Program
{
    std::string name;
    std::string path;
    std::vector<Run> runs;
};

bool verbose = false;

Run runOnce(const std::string &path)
{
    int out[2];
    if (pipe(out) != 0) {
        std::perror("pipe");
        std::exit(2);
    }
    const long long start = nowNs();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("fork");
        std::exit(2);
    }
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        if (!verbose) {
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, STDERR_FILENO);
            close(null);
        }
        execl(path.c_str(), path.c_str(), static_cast<char *>(nullptr));
        std::perror(path.c_str());
        _exit(127);
    }
    close(out[1]);
    std::string text;
    char buffer[4096];
    ssize_t n;
    while ((n = read(out[0], buffer, sizeof buffer)) > 0)
        text.append(buffer, size_t(n));
    close(out[0]);
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) {
        std::perror("wait4");
        std::exit(2);
    }
    const long long end = nowNs();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed (status %d)\n", path.c_str(), status);
        std::exit(2);
    }
    Run run;
    run.wallMs = double(end - start) / 1e6;
    run.peakMiB = double(usage.ru_maxrss) / 1024.0; // KiB on Linux
    size_t pos = 0;
    while (pos < text.size()) {
        size_t eol = text.find('\n', pos);
        if (eol == std::string::npos)
            eol = text.size();
        const std::string line = text.substr(pos, eol - pos);
        pos = eol + 1;
        char name[64];
        long long at = 0;
        if (std::sscanf(line.c_str(), "mark %63s %lld", name, &at) == 2)
            run.marksMs.emplace_back(name, double(at - start) / 1e6);
    }
    return run;
}

double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t m = v.size() / 2;
    return v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2;
}

template <class F>
std::vector<double> collect(const Program &p, F f)
{
    std::vector<double> v;
    for (const Run &r : p.runs)
        v.push_back(f(r));
    return v;
}

double markAt(const Run &r, const std::string &name)
{
    for (const auto &[n, ms] : r.marksMs)
        if (n == name)
            return ms;
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    int runs = 30;
    int warmups = 2;
    std::vector<Program> programs;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "-n" && i + 1 < argc) {
            runs = std::atoi(argv[++i]);
        } else if (arg == "-v") {
            verbose = true;
        } else if (arg == "-w" && i + 1 < argc) {
            warmups = std::atoi(argv[++i]);
        } else if (arg.find('=') != std::string::npos) {
            programs.push_back({arg.substr(0, arg.find('=')), arg.substr(arg.find('=') + 1), {}});
        } else {
            std::fprintf(stderr, "usage: %s [-n RUNS] [-w WARMUPS] [-v] NAME=PROGRAM...\n", argv[0]);
            return 2;
        }
    }
    if (programs.empty() || runs < 1) {
        std::fprintf(stderr, "usage: %s [-n RUNS] [-w WARMUPS] [-v] NAME=PROGRAM...\n", argv[0]);
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Qt wants a private runtime folder; without one it warns on every start.
    char runtime[] = "/tmp/startup-runner-XXXXXX";
    const bool ownRuntime = !std::getenv("XDG_RUNTIME_DIR") && mkdtemp(runtime);
    if (ownRuntime)
        setenv("XDG_RUNTIME_DIR", runtime, 1);

    for (int i = 0; i < warmups; ++i)
        for (const Program &p : programs)
            runOnce(p.path);
    // Alternate, and alternate who goes first, so that both see the same load.
    for (int i = 0; i < runs; ++i) {
        for (size_t k = 0; k < programs.size(); ++k) {
            Program &p = programs[i % 2 ? programs.size() - 1 - k : k];
            p.runs.push_back(runOnce(p.path));
        }
    }

    std::printf("%d runs each, alternating, after %d warm-up runs; QT_QPA_PLATFORM=%s\n\n", runs,
                warmups, std::getenv("QT_QPA_PLATFORM"));
    std::printf("%-10s %12s %12s %12s %12s %14s\n", "program", "wall ms", "wall min", "wall max",
                "to paint ms", "peak RSS MiB");
    std::map<std::string, double> wall, paint, rss;
    for (const Program &p : programs) {
        const auto w = collect(p, [](const Run &r) { return r.wallMs; });
        wall[p.name] = median(w);
        paint[p.name] = median(collect(p, [](const Run &r) { return markAt(r, "painted"); }));
        rss[p.name] = median(collect(p, [](const Run &r) { return r.peakMiB; }));
        std::printf("%-10s %12.1f %12.1f %12.1f %12.1f %14.1f\n", p.name.c_str(), wall[p.name],
                    *std::min_element(w.begin(), w.end()), *std::max_element(w.begin(), w.end()),
                    paint[p.name], rss[p.name]);
    }

    std::printf("\nphases, median ms (each from the previous mark; 'main' from fork)\n");
    std::printf("%-14s", "phase");
    for (const Program &p : programs)
        std::printf(" %10s", p.name.c_str());
    std::printf("\n");
    std::vector<std::string> phases;
    for (const auto &[n, ms] : programs.front().runs.front().marksMs)
        phases.push_back(n);
    phases.push_back("exit");
    for (size_t k = 0; k < phases.size(); ++k) {
        std::printf("%-14s", phases[k].c_str());
        for (const Program &p : programs) {
            const auto v = collect(p, [&](const Run &r) {
                const double to = phases[k] == "exit" ? r.wallMs : markAt(r, phases[k]);
                const double from = k == 0 ? 0 : markAt(r, phases[k - 1]);
                return to - from;
            });
            std::printf(" %10.2f", median(v));
        }
        std::printf("\n");
    }

    if (programs.size() >= 2) {
        const std::string &a = programs[0].name;
        std::printf("\n");
        for (size_t k = 1; k < programs.size(); ++k) {
            const std::string &b = programs[k].name;
            std::printf("%s / %s: to first paint %.2fx, whole run %.2fx; peak memory %+.1f MiB\n",
                        a.c_str(), b.c_str(), paint[a] / paint[b], wall[a] / wall[b],
                        rss[a] - rss[b]);
        }
    }
    if (ownRuntime)
        rmdir(runtime);
    return 0;
}
