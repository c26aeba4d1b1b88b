// What a record process needs of the analysis program's main window: the status line, the event
// pump at its fixed points, and message boxes. The main window implements it; tests record it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "MessageSink.h"

namespace halvern {

class ProcessHost {
  public:
    virtual ~ProcessHost() = default;
    // The status bar's text; the window holds it and shows it at its own pace.
    virtual void statusText(const std::string& text) = 0;
    // Lets the window handle its events (repaint) when its clock says so; nothing stops the
    // process.
    virtual void pumpEvents() = 0;
    virtual MessageSink& sink() = 0;
};

// "Working... please wait (n records processed)", as the status line holds it (60 characters).
std::string ProgressText(int64_t records);

// A count reported to the host: a status line every 500 (its text made only then) and the
// events pumped every 2000. Every record loop and the plotter's load report at this pace.
template <class MakeText>
void ReportCount(ProcessHost& host, int64_t count, MakeText&& text) {
    if (count % 500 != 0) return;
    host.statusText(text());
    if (count % 2000 == 0) host.pumpEvents();
}

// The progress of a record loop, reported at ReportCount's pace.
class ProcessProgress {
  public:
    explicit ProcessProgress(ProcessHost& host) : host_(host) {}

    // Reports at 0, 500, 1000, ... : the count is tested before it advances.
    void beforeAdvance() {
        report();
        ++records_;
    }
    // Reports at 500, 1000, ... : the count advances first.
    void afterAdvance() {
        ++records_;
        report();
    }
    int64_t records() const { return records_; }

  private:
    void report() {
        ReportCount(host_, records_, [this] { return ProgressText(records_); });
    }

    ProcessHost& host_;
    int64_t records_ = 0;
};

// A host for tests: records the status lines and pumps in order; `onPump` runs at every pump.
class RecordingProcessHost : public ProcessHost {
  public:
    void statusText(const std::string& text) override;
    void pumpEvents() override;
    MessageSink& sink() override { return messages; }

    // "status: <text>" and "pump", in the order they came.
    std::vector<std::string> events;
    int statusCount = 0;
    int pumps = 0;
    RecordingSink messages;
    std::function<void(RecordingProcessHost&)> onPump;
};

}  // namespace halvern
