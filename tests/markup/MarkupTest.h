#pragma once

#include <QString>
#include <gtest/gtest.h>
#include <ostream>

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
