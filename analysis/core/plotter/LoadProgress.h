// How far a load of the trajectory plotter has come, told through the host of the window that
// loads, at the pace of a record process (ReportCount), so the windows keep painting while a
// large file loads.
#pragma once

#include <cstdint>
#include <string>

#include "processes/ProcessHost.h"

namespace halvern {

// "Loading... please wait (n lines counted)": the first pass over a text file.
std::string CountingText(int64_t lines);
// "Loading... please wait (n of m records read)".
std::string ReadingText(int64_t records, int64_t total);
// "Loading... please wait (n of m records framed)": the frames are found.
std::string FramingText(int64_t records, int64_t total);

class LoadProgress {
  public:
    explicit LoadProgress(ProcessHost& host) : host_(host) {}

    // The lines of a text file counted so far.
    void counted(int64_t lines) {
        ReportCount(host_, lines, [&] { return CountingText(lines); });
    }
    // The records read so far, of the total the file holds.
    void read(int64_t records, int64_t total) {
        ReportCount(host_, records, [&] { return ReadingText(records, total); });
    }
    // The records walked so far while the frames are found.
    void framed(int64_t records, int64_t total) {
        ReportCount(host_, records, [&] { return FramingText(records, total); });
    }

  private:
    ProcessHost& host_;
};

}  // namespace halvern
