// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// A broken property stops the run like a crash, so libFuzzer keeps the input and the corpus
// replay fails.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition);  \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace Fuzz {

// Takes a fuzz input apart: small numbers from its front, the rest as bytes.
class InputReader {
public:
    InputReader(const uint8_t *data, size_t size)
        : m_data(reinterpret_cast<const char *>(data))
        , m_size(size)
    {
    }

    // The next byte, 0 once the input is used up.
    uint8_t byte() { return m_position < m_size ? uint8_t(m_data[m_position++]) : 0; }

    // Up to length bytes.
    QByteArray bytes(size_t length)
    {
        const size_t taken = std::min(length, m_size - m_position);
        const QByteArray result(m_data + m_position, qsizetype(taken));
        m_position += taken;
        return result;
    }

    QByteArray rest() { return bytes(m_size - m_position); }

private:
    const char *m_data;
    size_t m_size;
    size_t m_position = 0;
};

inline QByteArray wholeInput(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

} // namespace Fuzz
