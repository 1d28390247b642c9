#pragma once

#include <QString>
#include <array>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <tuple>
#include <utility>

// Readable QStrings in failure messages.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace orvel::test {

inline QString q(const char* s)
{
    return QString::fromUtf8(s);
}

} // namespace orvel::test

// Only test files include this header.
using namespace orvel;
using namespace orvel::test;
