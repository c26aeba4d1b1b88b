// An editor window opening a large plain-text result: a generated text of 5 million lines
// (250 MB, written to /tmp and removed) opened as the analysis program opens a result, offscreen.
// Seconds until the window shows and until the text is read, peak memory, and the longest time
// the event loop was blocked while the text was read and afterwards, while the window is
// scrolled, typed into, searched and closed.
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTimer>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "EditorWindows.h"
#include "FileSafety.h"
#include "LargeTextView.h"
#include "MemoryInUse.h"
#include "UiSink.h"

using namespace halvern;

namespace {

constexpr int kLines = 5'000'000;

struct NoHost : EditorHost {
    void newEditor() override {}
    void openEditor() override {}
    TEditForm* openFileInEditor(const std::string&) override { return nullptr; }
    TEditForm* openTextInEditor(const std::string&, const std::string&) override { return nullptr; }
};

// Lines of 50 bytes as Format columns writes them: three columns and a line end.
bool WriteResult(const std::string& path) {
    ReplacingFile file;
    if (!file.open(path)) return false;
    std::string piece;
    uint32_t seed = 12345;
    char line[64];
    for (int i = 1; i <= kLines; ++i) {
        seed = seed * 134775813u + 1u;
        const double a = seed * 0x1p-32;
        std::snprintf(line, sizeof line, "%10d %14.5E %14.5E %7.3f\r\n", i, a * 1e3, a * 1e-3, a);
        piece += line;
        if (piece.size() > (1 << 22)) {
            if (!file.write(piece)) return false;
            piece.clear();
        }
    }
    return file.write(piece) && file.commit();
}

long PeakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The longest gap between the ticks of a 1 ms timer: how long the event loop was kept away.
class LoopWatch : public QObject {
  public:
    LoopWatch() {
        timer_.setInterval(1);
        connect(&timer_, &QTimer::timeout, this, [this] {
            longest_ = std::max(longest_, clock_.restart());
        });
    }
    void start() {
        longest_ = 0;
        clock_.start();
        timer_.start();
    }
    qint64 longest() const { return longest_; }

  private:
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 longest_ = 0;
};

void Key(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = {}, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(widget, &release);
}

// Runs the steps one per event-loop turn, each after the loop has run for a while.
void RunSteps(std::vector<std::function<void()>> steps, std::function<void()> done) {
    auto shared = std::make_shared<std::vector<std::function<void()>>>(std::move(steps));
    auto index = std::make_shared<size_t>(0);
    auto next = std::make_shared<std::function<void()>>();
    *next = [=] {
        if (*index == shared->size()) return done();
        (*shared)[(*index)++]();
        QTimer::singleShot(20, *next);
    };
    QTimer::singleShot(20, *next);
}

}  // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    const std::string path =
        (std::filesystem::temp_directory_path() / ("bench_editor_" + std::to_string(getpid()) + ".txt"))
            .string();
    if (!WriteResult(path)) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return 1;
    }
    const double megabytes = double(std::filesystem::file_size(path)) / (1 << 20);
    RecordingSink sink;
    sink.setDefaultAnswer(false);  // closing the changed window: No
    SetUiSink(&sink);
    NoHost host;
    EditorWindows windows(host, "brisal");
    const long before = PeakKilobytes();
    const uint64_t heapBefore = AllocatedBytes();

    LoopWatch watch;
    QElapsedTimer clock;
    clock.start();
    TEditForm* window = windows.openFile(path, true);
    if (!window || !window->LargeView) {
        std::fprintf(stderr, "the file did not open in the view made for large text\n");
        return 1;
    }
    window->resize(900, 700);
    const double shown = clock.elapsed() / 1000.0;
    watch.start();
    LargeTextView* view = window->LargeView;
    double read = 0;
    qint64 blockedReading = 0;
    qint64 blockedAfter = 0;
    uint64_t heapAfter = 0;
    QObject::connect(view, &LargeTextView::loaded, &app, [&](bool ok, const QString&) {
        if (!ok) std::exit(1);
        read = clock.elapsed() / 1000.0;
        blockedReading = watch.longest();
        heapAfter = AllocatedBytes();
        watch.start();
        view->setFocus();
        QScrollBar* bar = view->verticalScrollBar();
        RunSteps({[bar] { bar->setValue(bar->maximum() / 2); },
                  [view] { Key(view, Qt::Key_PageDown); },
                  [bar] { bar->setValue(bar->maximum()); },
                  [view] { Key(view, Qt::Key_End, Qt::ControlModifier); },
                  [view] { Key(view, Qt::Key_Home, Qt::ControlModifier); },
                  [view] { Key(view, Qt::Key_A, {}, QStringLiteral("a")); },
                  [view] { Key(view, Qt::Key_Return); },
                  [view] { Key(view, Qt::Key_B, {}, QStringLiteral("b")); },
                  [view] { Key(view, Qt::Key_Z, Qt::ControlModifier); },
                  [view] { view->setSelection({2'500'000, 0}, {2'500'000, 0}); },
                  [window] { window->close(); }},
                 [&] { app.quit(); });
    });
    app.exec();
    blockedAfter = watch.longest();
    const long peak = PeakKilobytes();
    std::filesystem::remove(path);

    std::printf("bench_editor: %.0f MB, %d lines, opened as an analysis result\n", megabytes,
                kLines);
    std::printf("  window shown after   %6.2f s\n", shown);
    std::printf("  text read after      %6.2f s\n", read);
    std::printf("  peak memory          %6.0f MB (%.0f MB before opening; %.2f x the file)\n",
                peak / 1024.0, before / 1024.0, (peak - before) / 1024.0 / megabytes);
    std::printf("  heap held, read      %6.0f MB\n", double(heapAfter - heapBefore) / (1 << 20));
    std::printf("  longest event-loop block while reading   %4lld ms\n", blockedReading);
    std::printf("  longest event-loop block afterwards      %4lld ms "
                "(scrolling, keys, Enter, undo, closing)\n",
                blockedAfter);
    return 0;
}
