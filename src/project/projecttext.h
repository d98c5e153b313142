#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The project text: the whole content of "mprj.xml", read and edited as a string, never
// parsed as XML. Positions are 1-based, 0 means absent; texts of any length are handled.
// Every writer leaves the text unchanged when it returns false.
namespace quillet {

inline const QString projectDeclarationLine =
    QStringLiteral("<?xml version=\"1.0\" encoding=\"Shift_JIS\" ?>");
inline const QString utf8DeclarationLine =
    QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\" ?>");

// "<projectname name=" + quoted name + ">": the only way a project is found again.
QString projectKeyLine(const QString& name);

// --- Readers -------------------------------------------------------------------------------

// The names in file order, duplicates included: the first double-quoted value after each
// "<projectname". The list ends at a "<projectname" without two double quotes after it.
QStringList projectNamesIn(const QString& text);

// Position of the first whole key line of the name, or 0.
qsizetype projectKeyIn(const QString& text, const QString& name);

// A digest of the project's text from its key line to where it ends, or nothing when it is
// absent: what tells whether another program changed the project, without keeping a copy of
// a list that may name 100,000 pages.
std::optional<QByteArray> projectSectionDigest(const QString& text, const QString& name);

// The content of element tag ("files" or "orgstring") of the project at key, or nothing when
// the project has no complete element of its own: opening and closing tags both inside the
// project (before its own "</projectname>", or before the next key line when it has none).
std::optional<QString> projectElementIn(const QString& text, qsizetype key, const QString& tag);

// Where reading stops in a project text cut short: the 1-based number of the last line of a
// text that holds a project but does not end with "</root>". Every other text reads as it is
// (a hand-made text without projects, a project without an end of its own).
std::optional<qsizetype> damagedLineIn(const QString& text);

// The name in the lastfile element, or empty when there is none or it is not closed.
QString lastProjectIn(const QString& text);

// Stored orgstring content to menu text: one CR LF dropped at each end, "<" and ">" restored.
QString menuTextFromStored(const QString& content);

// Stored files content to file list entries: line breaks removed, blank lines skipped,
// entries not trimmed, in stored order.
QStringList fileListFromStored(const QString& content);

// --- Writers -------------------------------------------------------------------------------

// The text of a file without projects: the declaration line, "<root>" and "</root>".
QString emptyProjectText();

// A new project with empty files and orgstring elements put before the last "</root>";
// false when the text holds no "</root>".
bool addProject(QString& text, const QString& name);

// The element tag of the project at key set to content. A project lacking the element gets
// it just before its own "</projectname>". False, text unchanged, when the project has no
// end of its own or holds only one of the element's two tags.
bool ReplaceElement(QString& text, qsizetype key, const QString& tag, const QString& content);

// The element tag of the project at key taken out with the line break after it; true when the
// project has no such element. False, text unchanged, for an element without both its tags.
bool RemoveElement(QString& text, qsizetype key, const QString& tag);

// The mark of a project whose menu links are written from the site folder: an element that
// only such a project holds, so a project without it is stored as it always was.
inline const QString linkBaseTag = QStringLiteral("linkbase");
inline const QString linkBaseSite = QStringLiteral("site");

// Whether the project at key carries that mark.
bool linksFromSiteFolderIn(const QString& text, qsizetype key);

// The mark of the project at key set or taken out.
bool SaveLinksFromSiteFolder(QString& text, qsizetype key, bool fromSiteFolder);

// The files element of the project at key set to the entries joined with CR LF.
bool SaveFileList(QString& text, qsizetype key, const QStringList& files);

// The orgstring element of the project at key set to the escaped menu text (as prepared by
// the engine's PrepareMenuText). The save skips this for an empty menu text, which leaves
// the stored one as it was.
bool SaveMenuText(QString& text, qsizetype key, const QString& escapedMenuText);

// Records name as the last project: in the lastfile element, or in a new one after the first
// "<root>" when there is none (a text with neither stays unchanged and that is no failure).
// False for a "<lastfile>" without a "</lastfile>" after it, or with a project inside.
bool SetLastProject(QString& text, const QString& name);

// The text with the project stored: created when missing (in an empty text too), and its
// files and orgstring elements set to the entries and the escaped menu text when given.
// Nothing when the text is too malformed to edit without damaging another project.
std::optional<QString> storeProjectIn(QString text, const QString& name,
                                      const std::optional<QStringList>& files,
                                      const std::optional<QString>& escapedMenuText);

// Removes the project at key, from its key line through its own "</projectname>", with the
// line break that joined it to the text around it. False when it has no end of its own.
bool removeProject(QString& text, qsizetype key);

} // namespace quillet
