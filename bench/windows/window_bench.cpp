// Event to paint in the real windows. Run on the offscreen platform with SDL's disk driver:
//   QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null kiv_window_bench
//   [questions]
//   ... zan_window_bench [pages]
//   ... kiv_window_bench --memory [sets], zan_window_bench --memory [stories]
// Times are from the event (a click sent to the widget, a resize, the pause's timer firing) to
// the end of the last paint event of the window's first repaint after it; a sound's time is to
// the moment the mixer hands its first samples to SDL (the disk driver writes them at once).
// With --memory the window goes through whole Kiv sets or whole stories and prints the process's
// peak and current resident memory after each.
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

#include "audio_output.h"
#include "fake_host.h"
#include "files/user_settings.h"
#include "main_frame.h"
#include "ports/seeded_random.h"
#include "qt_ports.h"
#include "session/app_state.h"
#include "ui_host.h"
// Kiv and Zan each have their own layout header, each defining the same rectangle type, so the
// program is built twice: kiv_window_bench and zan_window_bench.
#ifdef KZ_BENCH_ZAN
#include "zan_program.h"
#include "zan_window.h"
#else
#include "activity_window.h"
#include "kiv/choice_builder.h"
#include "kiv/word_activity.h"
#endif

using namespace kz;
using namespace kz::ui;

namespace {

QElapsedTimer g_clock;
double nowMs() { return static_cast<double>(g_clock.nsecsElapsed()) / 1e6; }

// Delivers every paint event itself and notes when it ended; counts the event loop's passes so
// that the paints of one repaint (all done in one pass) are told from later ones.
class PaintClock : public QObject {
public:
    double lastEnd = -1;
    bool trace = false;
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() != QEvent::Paint || !object->isWidgetType()) return false;
        object->event(event);
        lastEnd = nowMs();
        if (trace)
            std::printf("  paint %s %s ended %.2f\n", object->metaObject()->className(),
                        qPrintable(object->objectName()), lastEnd);
        return true;
    }
};
PaintClock* g_paints = nullptr;

// Runs the event loop until done() or the clock reaches `deadline`; whether done() came. Sleeps in
// the event loop between events rather than asking again and again: a run held to a share of the
// processor (bench/cpu_share.sh) then measures the program, not this loop's use of the share.
bool waitUntil(const std::function<bool()>& done, double deadline) {
    QTimer timer;
    timer.setSingleShot(true);
    while (!done()) {
        const double left = deadline - nowMs();
        if (left <= 0) return false;
        timer.start(static_cast<int>(left) + 1);
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// Runs the event loop until a repaint has been done after t0; the end of that repaint's last
// paint, less t0. -1 after two seconds without one. A pass of the event loop does a whole repaint.
double paintedAfter(double t0) {
    // A repaint already done in the pass that ran the event (a timer's, say) counts.
    if (g_paints->lastEnd >= t0) return g_paints->lastEnd - t0;
    g_paints->lastEnd = -1;
    if (!waitUntil([] { return g_paints->lastEnd >= 0; }, nowMs() + 2000)) return -1;
    return g_paints->lastEnd - t0;
}

// The programs' timers, noting when a timer of a given length fires.
class TimingTimers final : public Timers {
public:
    explicit TimingTimers(Timers& inner) : m_inner(inner) {}
    int watchedMs = -1;
    double lastFire = -1;
    std::unique_ptr<Timer> make(Kind kind, std::function<void()> onTimeout) override {
        auto timer = std::make_unique<Watched>(*this);
        Watched* self = timer.get();
        timer->inner = m_inner.make(kind, [this, self, onTimeout] {
            if (self->ms == watchedMs) lastFire = nowMs();
            onTimeout();
        });
        return timer;
    }

private:
    struct Watched final : Timer {
        explicit Watched(TimingTimers& owner) : owner(owner) {}
        TimingTimers& owner;
        std::unique_ptr<Timer> inner;
        int ms = 0;
        void start(int milliseconds) override {
            ms = milliseconds;
            inner->start(milliseconds);
        }
        void stop() override { inner->stop(); }
        bool isActive() const override { return inner->isActive(); }
    };
    Timers& m_inner;
};

// The programs' timers at a tenth of their length: a memory run goes through its sets in minutes
// rather than hours; what is loaded and kept does not depend on the timers' lengths.
class FastTimers final : public Timers {
public:
    explicit FastTimers(Timers& inner) : m_inner(inner) {}
    std::unique_ptr<Timer> make(Kind kind, std::function<void()> onTimeout) override {
        auto timer = std::make_unique<Fast>();
        timer->inner = m_inner.make(kind, std::move(onTimeout));
        return timer;
    }

private:
    struct Fast final : Timer {
        std::unique_ptr<Timer> inner;
        void start(int milliseconds) override { inner->start(std::max(1, milliseconds / 10)); }
        void stop() override { inner->stop(); }
        bool isActive() const override { return inner->isActive(); }
    };
    Timers& m_inner;
};

// The process's resident memory in MB: VmHWM, VmRSS, and of the latter RssAnon (the heap,
// stacks) and RssFile (pages of mapped files: libraries, fonts).
struct Resident {
    double peak = 0, now = 0, anon = 0, file = 0;
};
Resident residentMb() {
    std::ifstream in("/proc/self/status");
    std::string line;
    Resident r;
    const std::pair<const char*, double Resident::*> fields[] = {{"VmHWM:", &Resident::peak},
                                                                 {"VmRSS:", &Resident::now},
                                                                 {"RssAnon:", &Resident::anon},
                                                                 {"RssFile:", &Resident::file}};
    while (std::getline(in, line))
        for (const auto& [name, field] : fields)
            if (line.starts_with(name)) r.*field = std::stod(line.substr(std::strlen(name))) / 1024;
    return r;
}

void printMemory(const char* what, int n) {
    const Resident r = residentMb();
    std::printf("%s %2d: peak %.1f MB, resident %.1f MB (anonymous %.1f, files %.1f)\n", what, n,
                r.peak, r.now, r.anon, r.file);
    std::fflush(stdout);
}

// Runs the event loop until done() or `ms` have passed; whether done() came.
[[maybe_unused]] bool waitFor(const std::function<bool()>& done, int ms) {
    return waitUntil(done, nowMs() + ms);
}

std::atomic<double> g_soundStart{-1};
AudioOutput::Options audioOptions() {
    AudioOutput::Options options;
    options.appName = "window_bench";
    options.onSoundStart = [] {
        g_soundStart = nowMs();
        // Wakes the waiting event loop (soundAfter).
        QMetaObject::invokeMethod(
            qApp, [] {}, Qt::QueuedConnection);
    };
    return options;
}

// Called right after an action (a click, a key, a resize) returns: runs the event loop until the
// window's next repaint is done; its end less t0, -1 after two seconds without one. A repaint
// during the action (a button drawn pressed, at once) does not count: the action's result is
// drawn only after it.
double repaintedAfter(double t0) {
    g_paints->lastEnd = -1;
    return paintedAfter(t0);
}

// Waits up to `ms` for a sound to start after t0; its delay, or -1.
double soundAfter(double t0, int ms = 1000) {
    if (!waitUntil([t0] { return g_soundStart.load() >= t0; }, nowMs() + ms)) return -1;
    return g_soundStart.load() - t0;
}

// The sample library (build/stage), or the installation KZ_DATA names.
std::string dataDir() {
    const char* data = std::getenv("KZ_DATA");
    return data ? data : KZ_STAGE;
}

// An installation folder of the run's own: the settings, users and log of the data's installation
// copied into a fresh temporary folder, so that what the programs save there (a story found at
// the start, say) never changes the sample library.
std::string g_scratch;  // removed at the end of the run
std::string scratchInstallation() {
    namespace fs = std::filesystem;
    char name[] = "/tmp/kz-window-bench-XXXXXX";
    const fs::path folder = ::mkdtemp(name);
    g_scratch = folder.string();
    for (const char* file : {"GLOBSET.WQ", "USERS.WQ", "TEACHER.WQ", "LOG.WQ"})
        if (fs::exists(fs::path(dataDir()) / file))
            fs::copy_file(fs::path(dataDir()) / file, folder / file);
    return folder.string();
}

[[maybe_unused]] UserSettings teacherSettings() {
    std::ifstream file(dataDir() + "/TEACHER.WQ", std::ios::binary);
    return file ? UserSettings::decode(std::string((std::istreambuf_iterator<char>(file)), {}))
                : UserSettings();
}

struct Series {
    const char* name;
    std::vector<double> values{};
    void add(double v) {
        if (v >= 0) values.push_back(v);
    }
    void print() {
        if (values.empty()) {
            std::printf("%-44s no samples\n", name);
            return;
        }
        auto v = values;
        std::sort(v.begin(), v.end());
        auto at = [&](double q) {
            return v[std::min(v.size() - 1, static_cast<size_t>(q * v.size()))];
        };
        std::printf("%-44s n=%3zu  median %7.2f ms  95%% %7.2f ms  worst %7.2f ms\n", name,
                    v.size(), at(0.5), at(0.95), v.back());
    }
};

// The process's user and system time, in clock ticks.
long cpuTicks() {
    std::ifstream in("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(in)), {});
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string f;
    long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && fields >> f; ++i) {
        if (i == 14) utime = std::stol(f);
        if (i == 15) stime = std::stol(f);
    }
    return utime + stime;
}

void idleCpu(const char* what, int seconds) {
    const long before = cpuTicks();
    const double t0 = nowMs();
    // A plain event loop: QTest::qWait would wake every few milliseconds itself.
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    const double spent =
        static_cast<double>(cpuTicks() - before) / static_cast<double>(sysconf(_SC_CLK_TCK));
    std::printf("%-44s %.2f %% of one core (%ld ticks in %.1f s)\n", what,
                100.0 * spent * 1000.0 / (nowMs() - t0), cpuTicks() - before,
                (nowMs() - t0) / 1000);
}

void clickAt(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

void resizeSeries(QWidget* window, Series& series, int rounds) {
    const QSize sizes[] = {{1024, 768}, {800, 600}, {640, 480}, {1280, 960}};
    for (int i = 0; i < rounds; ++i) {
        const double t0 = nowMs();
        window->resize(sizes[i % 4]);
        series.add(repaintedAfter(t0));
        QTest::qWait(30);
    }
}

#ifndef KZ_BENCH_ZAN
// The choice builder's worst lists of 32767 words, measured as the activity measures (its text
// port, 12-point Arial): the draws keep failing, so each choice takes its 1000 measurements.
void choicesWithTheWindowsMeasure(TextMeasure& text) {
    const FontSpec font;
    const std::function<int(std::string_view)> width = [&](std::string_view t) {
        return text.measure(t, font).width;
    };
    std::vector<std::string> repeated(32765, "cat");
    repeated.push_back("dog");
    repeated.push_back("hen");
    std::vector<std::string> farRepeated(32767, std::string(40, 'w'));
    farRepeated[0] = "a";
    farRepeated[1] = std::string(39, 'x');
    farRepeated[2] = std::string(41, 'y');
    std::vector<std::string> different;
    SeededRandom letters(3);
    for (int i = 0; i < 32767; ++i) {
        std::string w;
        for (int n = 2 + static_cast<int>(letters.next() * 8); n > 0; --n)
            w += static_cast<char>('a' + static_cast<int>(letters.next() * 26));
        different.push_back(w);
    }
    struct List {
        const char* name;
        const std::vector<std::string>& words;
        std::string word;
    };
    const List lists[] = {{"kiv: buildChoices, 32767 different words", different, different[100]},
                          {"kiv: buildChoices, the word repeated", repeated, "cat"},
                          {"kiv: buildChoices, far widths repeated", farRepeated, "a"}};
    SeededRandom random(5);
    for (const auto& list : lists) {
        Series series{list.name};
        for (int i = 0; i < 30; ++i) {
            const double t0 = nowMs();
            auto choices = buildChoices(list.word, list.words, 4, random, width);
            series.add(nowMs() - t0);
        }
        series.print();
    }
}

int run(int questions) {
    AppState state;
    state.dataDir = dataDir();
    state.appDir = scratchInstallation();
    // Three choices, the word not shown, ten pads.
    state.workSettings.setKivOptions(3 + 16 * 3 + 128 * 20 + 8192 * 10);
    QtTimers qtTimers;
    TimingTimers timers(qtTimers);
    timers.watchedMs = 1300;
    AudioOutput audio(audioOptions());
    auto word = audio.createPlayer();
    auto click = audio.createPlayer();
    QtTextMeasure text;
    SeededRandom random(12345);
    SystemClock clock;
    test::FakeHost host;
    ProgramPorts ports{timers, *word, *click, text, random, clock, host};
    ActivityWindow window(state, ports, ActivityWindow::Hooks{});
    window.resize(800, 600);
    window.show();
    if (!window.start()) {
        std::printf("the activity did not start on %s\n", dataDir().c_str());
        return 1;
    }
    QTest::qWait(500);

    Series wrong{"kiv: wrong choice clicked -> marked, painted"};
    Series right{"kiv: right choice clicked -> shown, painted"};
    Series key{"kiv: right choice's key -> shown, painted"};
    Series sound{"kiv: right choice clicked -> word's sound"};
    Series next{"kiv: pause's end -> next question painted"};
    Series resize{"kiv: resize -> relaid out, painted"};
    for (int q = 0; q < questions; ++q) {
        const std::string current = window.activity().currentWord();
        int rightJ = 0, wrongJ = 0;
        for (int j = 1; j <= 4; ++j) {
            auto* label = window.findChild<QLabel*>(QString("lbl_choice%1").arg(j));
            if (!label || !label->isVisible()) continue;
            if (label->text().toStdString() == current)
                rightJ = j;
            else if (!wrongJ)
                wrongJ = j;
        }
        if (!rightJ) {
            std::printf("question %d: no right choice shown\n", q);
            return 1;
        }
        if (wrongJ) {
            const double t0 = nowMs();
            clickAt(window.findChild<QLabel*>(QString("lbl_choice%1").arg(wrongJ)));
            wrong.add(repaintedAfter(t0));
            QTest::qWait(300);
        }
        timers.lastFire = -1;
        const double t0 = nowMs();
        if (q % 2) {
            QTest::keyClick(&window, Qt::Key(Qt::Key_0 + rightJ));
            key.add(repaintedAfter(t0));
        } else {
            clickAt(window.findChild<QLabel*>(QString("lbl_choice%1").arg(rightJ)));
            right.add(repaintedAfter(t0));
        }
        sound.add(soundAfter(t0));
        // The pause, then the next question.
        if (!waitFor([&] { return timers.lastFire >= 0; }, 10000)) {
            std::printf("question %d: no pause ended\n", q);
            return 1;
        }
        next.add(paintedAfter(timers.lastFire));
        QTest::qWait(200);
    }
    resizeSeries(&window, resize, 40);
    QTest::qWait(3000);  // the sound output closes its device after two quiet seconds
    for (auto* s : {&wrong, &right, &key, &sound, &next, &resize}) s->print();
    idleCpu("kiv: processor while a question waits, 10 s", 10);
    choicesWithTheWindowsMeasure(text);
    return 0;
}

// Whole sets: every question answered right at the first try with its key, then Next.
int memory(int sets) {
    AppState state;
    state.dataDir = dataDir();
    state.appDir = scratchInstallation();
    // The word shown, not spoken (the answer still speaks it): no wait for a sound before
    // each key.
    state.workSettings.setKivOptions(2 + 16 * 3 + 128 * 20 + 8192 * 10);
    QtTimers qtTimers;
    FastTimers timers(qtTimers);
    AudioOutput audio(audioOptions());
    auto word = audio.createPlayer();
    auto click = audio.createPlayer();
    QtTextMeasure text;
    SeededRandom random(12345);
    SystemClock clock;
    test::FakeHost host;
    ProgramPorts ports{timers, *word, *click, text, random, clock, host};
    ActivityWindow window(state, ports, ActivityWindow::Hooks{});
    window.resize(800, 600);
    window.show();
    if (!window.start()) {
        std::printf("the activity did not start on %s\n", dataDir().c_str());
        return 1;
    }
    printMemory("kiv: started, set", 0);
    WordActivity& activity = window.activity();
    for (int set = 1; set <= sets; ++set) {
        while (!activity.setComplete()) {
            if (!waitFor([&] { return activity.questionOpen(); }, 20000)) {
                std::printf("set %d: no question came\n", set);
                return 1;
            }
            const auto& choices = activity.choices();
            const auto right = std::find(choices.begin(), choices.end(), activity.currentWord());
            if (right == choices.end()) {
                std::printf("set %d: the word is not among its choices\n", set);
                return 1;
            }
            QTest::keyClick(&window, Qt::Key(Qt::Key_1 + (right - choices.begin())));
            waitFor([&] { return !activity.questionOpen(); }, 2000);
        }
        printMemory("kiv: whole sets, set", set);
        waitFor([] { return false; }, 300);
        activity.next();
    }
    return 0;
}

#else
int run(int rounds) {
    AppState state;
    state.dataDir = dataDir();
    state.appDir = scratchInstallation();
    UserSettings teacher = teacherSettings();
    if (const char* story = std::getenv("KZ_STORY")) teacher.setZanStory(story);
    state.fileSettings = state.workSettings = teacher;
    UiHost host;
    AudioOutput audio(audioOptions());
    MainFrame::Ports framePorts;
    framePorts.makePlayer = [&audio] { return audio.createPlayer(); };
    framePorts.random = std::make_unique<SeededRandom>(12345);
    framePorts.colourDepth = [] { return 32; };
    framePorts.arialAvailable = [] { return true; };
    auto frame = std::make_unique<MainFrame>(state, host, zanProgram(), std::move(framePorts));
    frame->resize(800, 600);
    frame->show();
    zan::ZanProgram program;
    program.makeChild({frame->programPorts(), state, *frame});
    QTest::qWait(500);
    auto* reader = qobject_cast<zan::ZanWindow*>(frame->child());
    if (!reader) {
        std::printf("the reader did not start on %s\n", dataDir().c_str());
        return 1;
    }
    std::printf("story %s, %d pages\n", reader->reader().storyCode().c_str(),
                static_cast<int>(reader->reader().story().pageCount));
    auto* nextButton = reader->findChild<QToolButton*>("cmdNext");
    auto* backButton = reader->findChild<QToolButton*>("cmdRestart");
    auto* list = reader->findChild<QListWidget*>("Wordlist");

    Series next{"zan: Next clicked -> new page painted"};
    Series pageSound{"zan: Next clicked -> page recording's sound"};
    Series word{"zan: word clicked -> its sound"};
    Series wordPaint{"zan: word clicked -> painted"};
    Series open{"zan: story chosen -> first page painted"};
    Series resize{"zan: resize -> relaid out, painted"};
    for (int r = 0; r < rounds; ++r) {
        QTest::qWait(300);
        if (nextButton->isVisible() && nextButton->isEnabled()) {
            const int before = reader->reader().page();
            const double t0 = nowMs();
            g_paints->trace = std::getenv("KZ_VERBOSE") != nullptr;
            if (g_paints->trace) std::printf("  click at %.2f\n", t0);
            clickAt(nextButton);
            const double handled = nowMs() - t0;
            const double painted = repaintedAfter(t0);
            g_paints->trace = false;
            if (std::getenv("KZ_VERBOSE"))
                std::printf("page %d -> %d: click handled %.2f ms, painted %.2f ms\n", before,
                            reader->reader().page(), handled, painted);
            if (reader->reader().page() != before) {
                next.add(painted);
                pageSound.add(soundAfter(t0));
            }
        } else if (backButton->isVisible()) {
            clickAt(backButton);
            QTest::qWait(100);
            continue;
        }
        // The page's recording, then its words: each entry clicked once.
        waitFor([&] { return list->isVisible(); }, 60000);
        for (int i = 0; i < list->count() && list->isVisible() && i < 6; ++i) {
            QTest::qWait(150);
            const QRect rect = list->visualItemRect(list->item(i));
            const double t0 = nowMs();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
            wordPaint.add(repaintedAfter(t0));
            word.add(soundAfter(t0, 300));
        }
    }
    const std::string code = state.workSettings.zanStory();
    for (int r = 0; r < 10; ++r) {
        QTest::qWait(300);
        const double t0 = nowMs();
        reader->reader().openStory(code + ".DAT");
        open.add(repaintedAfter(t0));
    }
    resizeSeries(frame.get(), resize, 40);
    QTest::qWait(1000);
    for (auto* s : {&next, &pageSound, &wordPaint, &word, &open, &resize}) s->print();
    QTest::qWait(15000);  // the page's recording ends; the device closes after two quiet seconds
    idleCpu("zan: processor while a page waits, 10 s", 10);
    return 0;
}

// Whole stories, one after another through the sample stories: on every page the words clicked
// in the order the page asks for them, then Next. Neither the page nor the words are spoken (the
// recordings are still opened, as they always are), so a page takes no longer than its clicks.
int memory(int stories) {
    AppState state;
    state.dataDir = dataDir();
    state.appDir = scratchInstallation();
    UserSettings teacher = teacherSettings();
    teacher.setZanOptions(encodeZanOptions({.canLoadStories = true,
                                            .speakCorrectWords = false,
                                            .canHearPage = true,
                                            .speakPageAtStart = false}));
    state.fileSettings = state.workSettings = teacher;
    UiHost host;
    AudioOutput audio(audioOptions());
    MainFrame::Ports framePorts;
    framePorts.makePlayer = [&audio] { return audio.createPlayer(); };
    framePorts.random = std::make_unique<SeededRandom>(12345);
    framePorts.colourDepth = [] { return 32; };
    framePorts.arialAvailable = [] { return true; };
    auto frame = std::make_unique<MainFrame>(state, host, zanProgram(), std::move(framePorts));
    frame->resize(800, 600);
    frame->show();
    zan::ZanProgram program;
    program.makeChild({frame->programPorts(), state, *frame});
    QTest::qWait(300);
    auto* window = qobject_cast<zan::ZanWindow*>(frame->child());
    if (!window) {
        std::printf("the reader did not start on %s\n", dataDir().c_str());
        return 1;
    }
    StoryReader& reader = window->reader();
    std::vector<std::string> codes;
    for (const auto& entry : std::filesystem::directory_iterator(dataDir() + "/DATA"))
        if (entry.path().extension() == ".DAT") codes.push_back(entry.path().stem().string());
    std::sort(codes.begin(), codes.end());
    printMemory("zan: started, story", 0);
    for (int n = 1; n <= stories; ++n) {
        const std::string code = codes[static_cast<size_t>(n - 1) % codes.size()];
        if (!reader.openStory(code + ".DAT")) {
            std::printf("story %s did not open\n", code.c_str());
            return 1;
        }
        for (int page = 1;; ++page) {
            QCoreApplication::processEvents();
            // The page's words, each clicked when the page asks for it.
            for (int guard = 0;
                 guard < 1000 && reader.wordListShown() && !reader.buttonVisible(ZanButton::Next) &&
                 !reader.buttonVisible(ZanButton::Restart);
                 ++guard) {
                const auto& entries = reader.wordEntries();
                const auto at = std::find(entries.begin(), entries.end(), reader.expectedWord());
                if (at == entries.end()) break;
                reader.wordlistMouseDown(static_cast<int>(at - entries.begin()));
                QCoreApplication::processEvents();
            }
            if (page >= reader.story().pageCount || !reader.buttonVisible(ZanButton::Next)) break;
            reader.cmdNextClick();
        }
        if (reader.page() != reader.story().pageCount) {
            std::printf("story %s: stopped on page %d of %d\n", code.c_str(), reader.page(),
                        static_cast<int>(reader.story().pageCount));
            return 1;
        }
        printMemory(("zan: whole stories (" + code + "), story").c_str(), n);
    }
    return 0;
}
#endif

}  // namespace

int main(int argc, char** argv) {
    g_clock.start();
    QApplication app(argc, argv);
    PaintClock paints;
    g_paints = &paints;
    app.installEventFilter(&paints);
    const int status = argc > 1 && std::string(argv[1]) == "--memory"
                           ? memory(argc > 2 ? std::atoi(argv[2]) : 20)
                           : run(argc > 1 ? std::atoi(argv[1]) : 20);
    if (!g_scratch.empty()) std::filesystem::remove_all(g_scratch);
    return status;
}
