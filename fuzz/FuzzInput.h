#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstring>

// The fuzzers' input: a caret (first two bytes, when there are) and a text read as UTF-16, so
// every code unit, lone surrogates and line ends of every kind included, can come in.
struct FuzzInput {
    int caret = 0;
    QString text;

    FuzzInput(const uint8_t* data, size_t size)
    {
        if (size >= 2) {
            caret = data[0] | data[1] << 8;
            data += 2;
            size -= 2;
        }
        text.resize(qsizetype(size / 2));
        std::memcpy(text.data(), data, size / 2 * 2);
        if (!text.isEmpty())
            caret %= int(text.size()) + 1;
        else
            caret = 0;
    }
};

#define FUZZ_CHECK(cond)                                                                           \
    do {                                                                                           \
        if (!(cond))                                                                               \
            __builtin_trap();                                                                      \
    } while (0)
