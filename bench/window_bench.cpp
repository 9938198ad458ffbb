#include "app/appearance.h"
#include "app/frm.h"
#include "app/picturearea.h"
#include "app/textbox.h"
#include "barewindow.h"
#include "childprocess.h"
#include "paintwatcher.h"
#include "tests/modalcloser.h"

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

// The window's costs that a class notices, each beside its goal: start-up against a bare
// window, a "rapid" click against one 60 Hz frame, the processor while "lent" waits, and
// peak memory against a bare window. Offscreen unless a platform is chosen.

namespace {

using Wall = std::chrono::steady_clock;

PaintWatcher* watcher = nullptr;
QSize programSize; // the window's size as it opens, which the bare window copies

double msSince(Wall::time_point start) {
    return std::chrono::duration<double, std::milli>(Wall::now() - start).count();
}

double processCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// Lets deleted windows go and pending events run, outside any measured time.
void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

std::string goal(bool met, const std::string& what) {
    return (met ? "goal met: " : "GOAL MISSED: ") + what;
}

template <typename Control> Control* find(const QWidget& window, const char* name) {
    return window.findChild<Control*>(QString::fromUtf8(name));
}

std::unique_ptr<frm> openProgram() {
    auto window = std::make_unique<frm>();
    window->show();
    watcher->waitUntilPaintedWhole(*window);
    return window;
}

// The program's figure beside the bare window's, each per iteration, their ratio and
// whether it meets the goal.
void reportBesideBare(benchmark::State& state, const std::string& unit, double program,
                      double bare) {
    using benchmark::Counter;
    state.counters["frm_" + unit] = Counter(program, Counter::kAvgIterations);
    state.counters["bare_" + unit] = Counter(bare, Counter::kAvgIterations);
    state.counters["ratio"] = program / bare;
    state.SetLabel(goal(program / bare <= 1.2, "within 1.2x the bare window"));
}

// Runs a child for each window, in the order asked; false, with the benchmark failed, if
// either did not do all it should.
bool measureBoth(benchmark::State& state, ChildFigures& program, ChildFigures& bare,
                 bool programFirst = true) {
    for (const bool runProgram : {programFirst, !programFirst}) {
        if (runProgram)
            program = measureInChild(ChildWindow::Program, programSize);
        else
            bare = measureInChild(ChildWindow::Bare, programSize);
    }
    if (program.error.isEmpty() && bare.error.isEmpty())
        return true;
    state.SkipWithError(qPrintable(program.error + bare.error));
    return false;
}

// Start-up of a window in a process that has shown one before, so that fonts and style
// are loaded: from nothing to the window painted whole, the bare window first and then the
// program's. What is left is the window's own work: its controls against a bare menu bar.
void startUpInSameProcess(benchmark::State& state) {
    double programMs = 0;
    double bareMs = 0;
    for (auto _ : state) {
        watcher->forget();
        Wall::time_point start = Wall::now();
        std::unique_ptr<QMainWindow> bare = createBareWindow(programSize);
        bare->show();
        const bool barePainted = watcher->waitUntilPaintedWhole(*bare);
        const double bareOnce = msSince(start);
        bare.reset();
        settle();

        watcher->forget();
        start = Wall::now();
        auto program = std::make_unique<frm>();
        program->show();
        const bool programPainted = watcher->waitUntilPaintedWhole(*program);
        const double programOnce = msSince(start);
        program.reset();
        settle();

        if (!barePainted || !programPainted) {
            state.SkipWithError("a window was not painted whole");
            return;
        }
        state.SetIterationTime(programOnce / 1000);
        programMs += programOnce;
        bareMs += bareOnce;
    }
    reportBesideBare(state, "ms", programMs, bareMs);
}

// Start-up as a pupil meets it, each window in a new process: from setting up the
// appearance (the program) or constructing the window (the bare one) to its painting whole,
// and, beside it, from starting the process.
void startUpInNewProcess(benchmark::State& state) {
    double programMs = 0;
    double bareMs = 0;
    double programExecMs = 0;
    double bareExecMs = 0;
    bool programFirst = true;
    for (auto _ : state) {
        ChildFigures program;
        ChildFigures bare;
        // Either order in turn, so that neither always finds the other's files in the cache.
        if (!measureBoth(state, program, bare, programFirst))
            return;
        programFirst = !programFirst;
        state.SetIterationTime(program.windowMs / 1000);
        programMs += program.windowMs;
        bareMs += bare.windowMs;
        programExecMs += program.fromExecMs;
        bareExecMs += bare.fromExecMs;
    }
    using benchmark::Counter;
    state.counters["exec_frm_ms"] = Counter(programExecMs, Counter::kAvgIterations);
    state.counters["exec_bare_ms"] = Counter(bareExecMs, Counter::kAvgIterations);
    state.counters["exec_ratio"] = programExecMs / bareExecMs;
    reportBesideBare(state, "ms", programMs, bareMs);
}

// A "rapid" click on the first number's "descomposar", up to the window repainted: the
// click runs the whole decomposition, and the events it leaves paint what changed.
void rapidClick(benchmark::State& state, const QString& typed, int ladderLines) {
    const std::unique_ptr<frm> window = openProgram();
    find<QAction>(*window, "mnurapid")->trigger();
    find<TextBox>(*window, "txt1")->setText(typed);
    auto* button = find<QPushButton>(*window, "cmd");
    auto* ladder = find<PictureArea>(*window, "pic1");
    QAction* comencar = find<QAction>(*window, "mnucomençar");
    const bool refused = ladderLines == 0;
    ModalCloser closer;
    double worstMs = 0;
    for (auto _ : state) {
        watcher->forget();
        closer.arm();
        const Wall::time_point start = Wall::now();
        QTest::mouseClick(button, Qt::LeftButton);
        QCoreApplication::processEvents();
        const double once = msSince(start);
        const QStringList boxes = closer.disarm();
        const bool done = refused ? boxes.size() == 1 && button->isEnabled()
                                  : boxes.isEmpty() && !button->isEnabled() &&
                                        ladder->lines().size() == ladderLines &&
                                        watcher->paintsOf(ladder) > 0;
        if (!done) {
            state.SkipWithError("the click did not do what it should");
            return;
        }
        state.SetIterationTime(once / 1000);
        worstMs = std::max(worstMs, once);
        comencar->trigger();
        settle();
    }
    state.counters["worst_ms"] = worstMs;
    state.SetLabel(goal(worstMs <= 16, "every run within one 60 Hz frame (16 ms)"));
}

// A "lent" run of 250 with the real clock: its eight step pauses wait for the seconds to
// tick, and the processor should rest meanwhile.
void slowRun(benchmark::State& state) {
    const std::unique_ptr<frm> window = openProgram();
    find<QAction>(*window, "mnulent")->trigger();
    find<TextBox>(*window, "txt1")->setText(QStringLiteral("250"));
    auto* button = find<QPushButton>(*window, "cmd");
    auto* ladder = find<PictureArea>(*window, "pic1");
    double wallMs = 0;
    double cpuMs = 0;
    for (auto _ : state) {
        const double cpuStart = processCpuMs();
        const Wall::time_point start = Wall::now();
        QTest::mouseClick(button, Qt::LeftButton);
        QCoreApplication::processEvents();
        const double once = msSince(start);
        cpuMs += processCpuMs() - cpuStart;
        wallMs += once;
        if (ladder->accessibleDescription() != QLatin1String("250\n125\n25\n5\n1")) {
            state.SkipWithError("the slow run did not draw the ladder of 250");
            return;
        }
        state.SetIterationTime(once / 1000);
        find<QAction>(*window, "mnucomençar")->trigger();
        settle();
    }
    const double share = 100 * cpuMs / wallMs;
    state.counters["wall_s"] =
        benchmark::Counter(wallMs / 1000, benchmark::Counter::kAvgIterations);
    state.counters["cpu_ms"] = benchmark::Counter(cpuMs, benchmark::Counter::kAvgIterations);
    state.counters["cpu_pct"] = share;
    state.SetLabel(goal(share < 1, "processor under 1 % of the run's wall time"));
}

// Peak memory after a whole exercise, each window in a process of its own.
void peakMemory(benchmark::State& state) {
    double programMiB = 0;
    double bareMiB = 0;
    for (auto _ : state) {
        ChildFigures program;
        ChildFigures bare;
        if (!measureBoth(state, program, bare))
            return;
        programMiB += program.peakMiB;
        bareMiB += bare.peakMiB;
    }
    reportBesideBare(state, "MiB", programMiB, bareMiB);
}

void registerBenchmarks() {
    using benchmark::RegisterBenchmark;
    RegisterBenchmark("StartUp/new_process", startUpInNewProcess)
        ->Iterations(5)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    RegisterBenchmark("StartUp/same_process", startUpInSameProcess)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    const struct {
        const char* name;
        const char* typed;
        int ladderLines; // 0: refused
    } inputs[] = {
        {"RapidClick/32749_prime", "32749", 2},
        {"RapidClick/2097152_21_factors", "2097152", 22},
        {"RapidClick/510510_7_primes", "510510", 8},
        {"RapidClick/2147483646_10_digits", "2147483646", 9},
        {"RapidClick/2147483647_refused", "2147483647", 0},
    };
    for (const auto& input : inputs)
        RegisterBenchmark(input.name, rapidClick, QString::fromLatin1(input.typed),
                          input.ladderLines)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    RegisterBenchmark("SlowRun/250", slowRun)
        ->Iterations(1)
        ->Repetitions(1)
        ->UseManualTime()
        ->Unit(benchmark::kSecond);
    RegisterBenchmark("PeakMemory", peakMemory)->Iterations(3)->Unit(benchmark::kMillisecond);
}

QString firstLineStarting(const QString& file, const QString& start) {
    QFile text(file);
    if (!text.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray& line : text.readAll().split('\n'))
        if (line.startsWith(start.toLatin1()))
            return QString::fromLatin1(line.mid(line.indexOf(':') + 1)).simplified();
    return {};
}

void describeMachine() {
    benchmark::AddCustomContext("cpu_model", firstLineStarting(QStringLiteral("/proc/cpuinfo"),
                                                               QStringLiteral("model name"))
                                                 .toStdString());
    benchmark::AddCustomContext(
        "memory", firstLineStarting(QStringLiteral("/proc/meminfo"), QStringLiteral("MemTotal"))
                      .toStdString());
    benchmark::AddCustomContext("qt", qVersion());
    benchmark::AddCustomContext("qpa_platform", QGuiApplication::platformName().toStdString());
}

// The console's report, which also remembers whether any benchmark failed its own checks,
// so that the run, and CTest's pass over it, fails with it.
class CheckedReporter : public benchmark::ConsoleReporter {
public:
    using ConsoleReporter::ConsoleReporter;
    bool anyFailed() const { return m_anyFailed; }
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            m_anyFailed = m_anyFailed || run.error_occurred;
        ConsoleReporter::ReportRuns(runs);
    }

private:
    bool m_anyFailed = false;
};

// The offscreen platform says for every window that it cannot do what only a screen does;
// said thousands of times, that would bury the figures.
QtMessageHandler standardHandler = nullptr;

void dropPlatformLimits(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.startsWith(QLatin1String("This plugin does not support")))
        standardHandler(type, context, message);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    standardHandler = qInstallMessageHandler(dropPlatformLimits);
    if (argc > 1 && isChildArgument(argv[1]))
        return runChild(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    QApplication app(argc, argv);
    setUpAppearance(app);
    PaintWatcher paints;
    watcher = &paints;
    // A first window of each kind loads the fonts and styles every later one shares.
    programSize = openProgram()->size();
    settle();
    createBareWindow(programSize)->show();
    settle();
    describeMachine();
    registerBenchmarks();
    CheckedReporter reporter(isatty(STDOUT_FILENO) ? benchmark::ConsoleReporter::OO_Color
                                                   : benchmark::ConsoleReporter::OO_None);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return reporter.anyFailed() ? 1 : 0;
}
