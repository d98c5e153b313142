#pragma once

#include "engine/pagewriter.h"

#include <QTemporaryDir>

// A page writer whose journal lies in a temporary folder of its own, never in the user's.
namespace quillet::fixtures {

struct TestJournal
{
    explicit TestJournal(const QString& command = QStringLiteral("convert"),
                         const QString& projectFile = QStringLiteral("/site/mprj.xml"),
                         const QString& project = QStringLiteral("サイト"))
        : pages(folder.path(), {command, projectFile, project})
    {}

    QTemporaryDir folder;
    JournalledPages pages;
};

} // namespace quillet::fixtures
