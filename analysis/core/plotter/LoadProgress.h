// How far a load of the trajectory plotter has come, told through the host of the window that
// loads: a status line every 500 records and the events pumped every 2000, as a record process
// does, so the windows keep painting while a large file loads.
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
        if (lines % 500 == 0) report(CountingText(lines), lines);
    }
    // The records read so far, of the total the file holds.
    void read(int64_t records, int64_t total) {
        if (records % 500 == 0) report(ReadingText(records, total), records);
    }
    // The records walked so far while the frames are found.
    void framed(int64_t records, int64_t total) {
        if (records % 500 == 0) report(FramingText(records, total), records);
    }

  private:
    void report(const std::string& text, int64_t n) {
        host_.statusText(text);
        if (n % 2000 == 0) host_.pumpEvents();
    }

    ProcessHost& host_;
};

}  // namespace halvern
