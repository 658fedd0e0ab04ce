#include "io/job/JobLineReader.h"

bool JobLineReader::Peek(char& byte) {
    if (ended_) {
        return false;
    }
    if (position_ == filled_) {
        filled_ = source_.Read(buffer_.data(), buffer_.size());
        position_ = 0;
        if (filled_ == 0) {
            ended_ = true;
            return false;
        }
    }
    byte = buffer_[position_];
    if (byte == kCtrlZ) {
        ended_ = true;
        return false;
    }
    return true;
}

bool JobLineReader::AtEnd() {
    char byte = 0;
    return !Peek(byte);
}

std::string JobLineReader::ReadLine() {
    std::string line;
    char byte = 0;
    while (Peek(byte)) {
        Take();
        if (byte == '\r') {
            if (Peek(byte) && byte == '\n') {
                Take();
            }
            break;
        }
        if (byte == '\n') {
            break;
        }
        if (line.size() < kMaxLineLength) {
            line.push_back(byte);
        }
    }
    return line;
}
