#pragma once

#include <QString>

// Text primitives over whole page texts. Positions are 1-based; 0 means not found.
// Every comparison is exact and case-sensitive.
namespace quillet {

// Position of the first s that begins at or after from; an empty s is found at from.
qsizetype find(const QString& text, const QString& s, qsizetype from = 1);

// Position of the last s that ends at or before position p.
qsizetype findBack(const QString& text, const QString& s, qsizetype p);

// Every s replaced by r, left to right without overlap; an empty s changes nothing.
QString replaceAll(QString text, const QString& s, const QString& r);

// The line around position p as a 0-based start and a length: from after the last LF
// at or before p up to the first CR or LF at or after p (or the end of the text).
struct LineSpan
{
    qsizetype start = 0;
    qsizetype length = 0;
};
LineSpan lineAround(const QString& text, qsizetype p);

} // namespace quillet
