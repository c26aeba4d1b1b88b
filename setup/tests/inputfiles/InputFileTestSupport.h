// Scratch files for the input-file tests: files written from lines, and lines read back.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "FileSafety.h"
#include "ScratchDir.h"
#include "TargetFileCheck.h"

namespace velkor::test {

// The lines joined, each ended by CR LF.
inline std::string CrLfText(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

class InputFileTest : public halvern::test::ScratchDir {
  protected:
    // A file of the scratch folder holding `bytes`.
    std::string file(const std::string& name, const std::string& bytes) const {
        const std::string p = path(name);
        EXPECT_TRUE(halvern::WriteFileReplacing(p, bytes));
        return p;
    }
    // The file's lines; every one must end with CR LF.
    static std::vector<std::string> lines(const std::string& p) {
        std::vector<std::string> problems;
        std::vector<std::string> result = CrLfLines(p, problems);
        for (const std::string& problem : problems) ADD_FAILURE() << problem;
        return result;
    }
};

}  // namespace velkor::test
