#pragma once

#include "filelist/candidatesearch.h"

#include <QObject>

namespace quillet {

struct MainMenu;
struct WindowParts;

// The two candidate searches of the HTML menu: the pages of the search folder that are
// ready for the conversion, or that were converted under the current project, replace the
// file list.
class CandidateSearchCommands : public QObject
{
    Q_OBJECT
public:
    CandidateSearchCommands(WindowParts& parts, const MainMenu& menu, QObject* parent);

private:
    void mhp_Click();
    void mhr_Click();
    void refillWithCandidates(const QStringList& candidates, const CandidateTest& test);

    WindowParts& m_parts;
};

} // namespace quillet
