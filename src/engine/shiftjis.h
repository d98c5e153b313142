#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

// Shift_JIS exactly as ICU converts it (the "Shift_JIS" of QStringDecoder/QStringEncoder),
// through tables taken from ICU once per process: pages are converted three times each,
// and ICU's converter costs a quarter of a run's time.
namespace quillet {

// The text, or nullopt when any byte sequence is invalid or unassigned, including a lead
// byte cut off by the end.
std::optional<QString> decodeShiftJis(QByteArrayView bytes);

// As decodeShiftJis, but nullopt also when encodeShiftJis would not give these very bytes
// back (a code that reads as the same character as another one): one pass, no encoding.
std::optional<QString> decodeShiftJisExactly(QByteArrayView bytes);

// The bytes, or nullopt when any character (a surrogate too) has no Shift_JIS code.
std::optional<QByteArray> encodeShiftJis(QStringView text);

} // namespace quillet
