#include "sorter/KeyTable.h"

std::string UpperCaseAsciiLetters(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}
