#pragma once

#include <QString>

namespace quillet {

// A message the window shows in a box (the command line prints it as "title: text").
struct UserMessage
{
    QString title;
    QString text;

    friend bool operator==(const UserMessage&, const UserMessage&) = default;
};

} // namespace quillet
