#include "TextReader.h"

#include "FileSafety.h"
#include "NumberText.h"

namespace halvern {

namespace {
constexpr char kCtrlZ = 26;
}

bool TextReader::open(const std::string& path) {
    std::string bytes;
    if (!ReadFileBytes(path, bytes)) return false;
    data_ = std::move(bytes);
    rewind();
    return true;
}

void TextReader::rewind() {
    pos_ = 0;
    line_ = 1;
    failed_ = false;
}

bool TextReader::eof() const { return pos_ >= data_.size() || data_[pos_] == kCtrlZ; }

bool TextReader::eoln() const { return eof() || data_[pos_] == '\r' || data_[pos_] == '\n'; }

void TextReader::consumeLineEnd() {
    if (pos_ < data_.size() && data_[pos_] == '\r') {
        ++pos_;
        if (pos_ < data_.size() && data_[pos_] == '\n') ++pos_;
        ++line_;
    } else if (pos_ < data_.size() && data_[pos_] == '\n') {
        ++pos_;
        ++line_;
    }
}

bool TextReader::seekEof() {
    while (!eof() && static_cast<unsigned char>(data_[pos_]) <= 32) {
        if (data_[pos_] == '\r' || data_[pos_] == '\n')
            consumeLineEnd();
        else
            ++pos_;
    }
    return eof();
}

bool TextReader::seekEoln() {
    while (!eoln() && (data_[pos_] == ' ' || data_[pos_] == '\t')) ++pos_;
    return eoln();
}

std::string_view TextReader::nextToken() {
    if (seekEof()) return {};
    size_t start = pos_;
    while (pos_ < data_.size() && static_cast<unsigned char>(data_[pos_]) > 32 &&
           data_[pos_] != kCtrlZ)
        ++pos_;
    return std::string_view(data_).substr(start, pos_ - start);
}

int32_t TextReader::readInt() {
    std::string_view token = nextToken();
    if (token.empty()) return 0;
    int32_t value = 0;
    if (!ParseInt32Token(token, value)) {
        failed_ = true;
        return 0;
    }
    return value;
}

long double TextReader::readReal() {
    std::string_view token = nextToken();
    if (token.empty()) return 0;
    long double value = 0;
    if (!ParseRealToken(token, value)) {
        failed_ = true;
        return 0;
    }
    return value;
}

char TextReader::readChar() {
    if (eof()) return kCtrlZ;
    if (eoln()) {
        consumeLineEnd();
        return '\r';
    }
    return data_[pos_++];
}

std::string TextReader::readString(size_t maxChars) {
    std::string text;
    while (text.size() < maxChars && !eoln()) text.push_back(data_[pos_++]);
    return text;
}

std::string TextReader::readLine() {
    std::string text;
    while (!eoln()) text.push_back(data_[pos_++]);
    consumeLineEnd();
    return text;
}

void TextReader::skipLine() {
    while (!eoln()) ++pos_;
    consumeLineEnd();
}

}  // namespace halvern
