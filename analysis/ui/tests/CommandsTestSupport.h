// Scratch folders, crafted record files and a recording main window for the command tests.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "AnalysisHost.h"
#include "OslRecord.h"

namespace brisal_test {

// A particle with kinetic energy `eV` (mass 1e-26 kg, moving along z).
halvern::TOslRecord Particle(double eV, int32_t rw = 0, int32_t rn = 1);

// Writes the records as an engine output file.
void WriteRecords(const std::string& path, const std::vector<halvern::TOslRecord>& records);
std::string FileText(const std::string& path);

// Every call of the window's side, in order: "log: ...", "status: ...", "clear", "wait",
// "normal", "pump", "plot: file | title | x title | y title", "edit: file".
class RecordingAnalysisHost : public brisal::AnalysisHost {
  public:
    void statusText(const std::string& text) override { events.push_back("status: " + text); }
    void pumpEvents() override { events.push_back("pump"); }
    halvern::MessageSink& sink() override { return messages; }
    void logLine(const std::string& text) override {
        events.push_back("log: " + text);
        log.push_back(text);
    }
    void clearStatus() override { events.push_back("clear"); }
    void setWaitCursor(bool waiting) override { events.push_back(waiting ? "wait" : "normal"); }
    void plotFile(const brisal::TPlotRequest& r) override {
        events.push_back("plot: " + r.fileName + " | " + r.title + " | " + r.xTitle + " | " +
                         r.yTitle);
    }
    void editFile(const std::string& fileName) override { events.push_back("edit: " + fileName); }

    std::vector<std::string> events;
    std::vector<std::string> log;
    halvern::RecordingSink messages;
};

class CommandTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    std::filesystem::path dir_;
    RecordingAnalysisHost host;
};

}  // namespace brisal_test
