#pragma once

#include <QString>
#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

// Helpers shared by the fuzz targets.
namespace quillet::fuzz {

// A broken invariant is a finding: abort so that libFuzzer keeps the input.
inline void require(bool condition, const char* invariant)
{
    if (condition)
        return;
    std::fprintf(stderr, "invariant broken: %s\n", invariant);
    std::abort();
}

inline QString consumeText(FuzzedDataProvider& data, size_t maxLength)
{
    const std::string bytes = data.ConsumeRandomLengthString(maxLength);
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// A text made only of the characters of alphabet, so that a generated piece cannot
// accidentally hold a marker, a tag or a file name.
inline QString consumeTextFrom(FuzzedDataProvider& data, const QString& alphabet, size_t maxLength)
{
    QString text;
    const size_t length = data.ConsumeIntegralInRange<size_t>(0, maxLength);
    for (size_t i = 0; i < length; ++i)
        text += alphabet[data.ConsumeIntegralInRange<qsizetype>(0, alphabet.size() - 1)];
    return text;
}

} // namespace quillet::fuzz
