// Start-up time: from process start to the login window painted, next to a
// bare Qt Widgets window started the same way (same program, same platform,
// same process creation). Each run is a fresh process; the figures are the
// medians of interleaved runs. Run it under the platform being measured
// (xvfb-run for X11, or QT_QPA_PLATFORM=offscreen).

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/startup.h"

extern char** environ;

namespace {

constexpr double kTarget = 1.5;

// Returns once `window` has been painted for the first time.
class FirstPaint : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted = true;
        return false;
    }
};

void waitForPaint(QWidget* window) {
    FirstPaint watch;
    window->installEventFilter(&watch);
    window->show();
    while (!watch.painted) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    window->removeEventFilter(&watch);
}

// One measured start, in this process.
int child(const std::string& mode, int argc, char** argv) {
    // As the program itself does before its application object.
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    if (mode == "program") {
        QApplication::setApplicationName(QStringLiteral("Vantresa"));
        vt::prepareApplication(app);
        waitForPaint(vt::createWindows());
    } else {
        QWidget bare;
        bare.resize(400, 300);
        waitForPaint(&bare);
    }
    return 0;
}

struct Sample {
    double wall = 0;  // ms
    double cpu = 0;   // ms, user + system of the child
};

Sample runChild(const char* self, const char* mode) {
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    char* args[] = {const_cast<char*>(self), const_cast<char*>("--child"), const_cast<char*>(mode),
                    nullptr};
    if (posix_spawn(&pid, self, nullptr, nullptr, args, environ) != 0) {
        std::perror("posix_spawn");
        std::exit(1);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "the %s start failed\n", mode);
        std::exit(1);
    }
    Sample s;
    s.wall = std::chrono::duration<double, std::milli>(end - start).count();
    s.cpu = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
            (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    return s;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "--child") == 0) return child(argv[2], argc, argv);
    const int runs = argc >= 2 ? std::max(1, std::atoi(argv[1])) : 15;
    const char* self = "/proc/self/exe";
    std::string path(4096, '\0');
    const ssize_t length = readlink(self, path.data(), path.size() - 1);
    if (length <= 0) return 1;
    path.resize(static_cast<std::size_t>(length));

    // One warm-up each, so that both find the libraries in the page cache.
    runChild(path.c_str(), "bare");
    runChild(path.c_str(), "program");
    std::vector<double> bareWall, bareCpu, programWall, programCpu;
    for (int i = 0; i < runs; ++i) {
        const Sample b = runChild(path.c_str(), "bare");
        const Sample p = runChild(path.c_str(), "program");
        bareWall.push_back(b.wall);
        bareCpu.push_back(b.cpu);
        programWall.push_back(p.wall);
        programCpu.push_back(p.cpu);
    }
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("platform: %s, %d runs each, medians\n", platform ? platform : "default (xcb)",
                runs);
    std::printf("bare window:  wall %.1f ms, CPU %.1f ms\n", median(bareWall), median(bareCpu));
    std::printf("login window: wall %.1f ms, CPU %.1f ms\n", median(programWall),
                median(programCpu));
    std::printf("CPU time, login window / bare window: %.2f\n",
                median(programCpu) / median(bareCpu));
    std::printf("startup ratio: %.2f (target <= %.1f)\n", median(programWall) / median(bareWall),
                kTarget);
    return 0;
}
