#include "project/projecttext.h"

#include "engine/textops.h"
#include "engine/unhighlight.h"

#include <QCryptographicHash>

namespace quillet {

namespace {

const QString crlf = QStringLiteral("\r\n");
const QString projectOpening = QStringLiteral("<projectname");
const QString projectClosing = QStringLiteral("</projectname>");
const QString lastOpening = QStringLiteral("<lastfile>");
const QString lastClosing = QStringLiteral("</lastfile>");
const QString rootOpening = QStringLiteral("<root>");
const QString rootClosing = QStringLiteral("</root>");

QString openingTag(const QString& tag)
{
    return u'<' + tag + u'>';
}

QString closingTag(const QString& tag)
{
    return QStringLiteral("</") + tag + u'>';
}

// Where the project at key ends: its own "</projectname>" when it has one before the next key
// line; otherwise it runs to the next key line (or the end of the text) and cannot be edited.
struct ProjectExtent
{
    qsizetype ownEnd = 0; // position of its own "</projectname>", or 0
    qsizetype limit = 0;  // first position that no longer belongs to the project
};

bool isPosition(const QString& text, qsizetype key)
{
    return key >= 1 && key <= text.size();
}

// The first position after the key line at key: a name may itself hold "<files>" and the like.
qsizetype projectBody(const QString& text, qsizetype key)
{
    const qsizetype q1 = find(text, QStringLiteral("\""), key);
    const qsizetype q2 = q1 != 0 ? find(text, QStringLiteral("\""), q1 + 1) : 0;
    return q2 != 0 ? q2 + 2 : key + 1;
}

// The frame tags ("<root>", "<lastfile>") count only before the first project: later ones
// stand in a stored path or name.
qsizetype frameTag(const QString& text, const QString& tag)
{
    const qsizetype position = find(text, tag, 1);
    const qsizetype firstProject = find(text, projectOpening, 1);
    return firstProject != 0 && position > firstProject ? 0 : position;
}

// The content of the lastfile element as a 1-based start and an end (the closing tag's
// position), or nothing when there is none before the first project or it holds a project.
struct LastSpan
{
    qsizetype start = 0;
    qsizetype end = 0;
};

std::optional<LastSpan> lastSpan(const QString& text)
{
    const qsizetype s = frameTag(text, lastOpening);
    if (s == 0)
        return std::nullopt;
    const qsizetype start = s + lastOpening.size();
    const qsizetype e = find(text, lastClosing, start);
    const qsizetype project = find(text, projectOpening, start);
    if (e == 0 || (project != 0 && project < e))
        return std::nullopt;
    return LastSpan{start, e};
}

ProjectExtent projectExtent(const QString& text, qsizetype key)
{
    const qsizetype body = projectBody(text, key);
    const qsizetype next = find(text, projectOpening, body);
    const qsizetype end = find(text, projectClosing, body);
    ProjectExtent extent;
    if (end != 0 && (next == 0 || end < next))
        extent.ownEnd = end;
    extent.limit = extent.ownEnd != 0 ? extent.ownEnd : next != 0 ? next : text.size() + 1;
    return extent;
}

// An element of one project: whole (both tags inside the project), missing (neither tag
// inside), or broken (only one of them, or the closing one beyond the project).
struct ElementSpan
{
    enum class Kind { Whole, Missing, Broken };
    Kind kind = Kind::Missing;
    qsizetype opening = 0; // position of the opening tag when whole
    qsizetype closing = 0; // position of the closing tag when whole
};

ElementSpan tagSpan(const QString& text, qsizetype key, const QString& tag)
{
    const ProjectExtent extent = projectExtent(text, key);
    const QString open = openingTag(tag);
    const QString close = closingTag(tag);
    const qsizetype body = projectBody(text, key);
    const qsizetype o = find(text, open, body);
    const bool opened = o != 0 && o < extent.limit;
    const qsizetype c = opened ? find(text, close, o + open.size()) : find(text, close, body);
    const bool closed = c != 0 && c < extent.limit;
    if (opened && closed)
        return {ElementSpan::Kind::Whole, o, c};
    if (!opened && !closed)
        return {ElementSpan::Kind::Missing, 0, 0};
    return {ElementSpan::Kind::Broken, 0, 0};
}

QString otherElement(const QString& tag)
{
    return tag == QStringLiteral("files") ? QStringLiteral("orgstring") : QStringLiteral("files");
}

// An element that overlaps the project's other element (one inside the other, by hand) is
// broken: writing either would overwrite part of the other.
ElementSpan elementSpan(const QString& text, qsizetype key, const QString& tag)
{
    const ElementSpan span = tagSpan(text, key, tag);
    const ElementSpan other = tagSpan(text, key, otherElement(tag));
    if (span.kind != ElementSpan::Kind::Whole || other.kind != ElementSpan::Kind::Whole)
        return span;
    if (span.opening < other.closing && other.opening < span.closing)
        return {ElementSpan::Kind::Broken, 0, 0};
    return span;
}

QString elementText(const QString& tag, const QString& content)
{
    return openingTag(tag) + crlf + content + crlf + closingTag(tag);
}

} // namespace

QString projectKeyLine(const QString& name)
{
    return QStringLiteral("<projectname name=\"") + name + QStringLiteral("\">");
}

QStringList projectNamesIn(const QString& text)
{
    QStringList names;
    qsizetype p = find(text, projectOpening, 1);
    while (p != 0) {
        const qsizetype q1 = find(text, QStringLiteral("\""), p);
        const qsizetype q2 = q1 != 0 ? find(text, QStringLiteral("\""), q1 + 1) : 0;
        if (q2 == 0)
            break;
        names.append(text.mid(q1, q2 - q1 - 1));
        p = find(text, projectOpening, q2);
    }
    return names;
}

std::optional<qsizetype> damagedLineIn(const QString& text)
{
    if (find(text, projectOpening, 1) == 0 || text.trimmed().endsWith(rootClosing))
        return std::nullopt;
    return text.trimmed().count(u'\n') + 1;
}

qsizetype projectKeyIn(const QString& text, const QString& name)
{
    return find(text, projectKeyLine(name), 1);
}

std::optional<QByteArray> projectSectionDigest(const QString& text, const QString& name)
{
    const qsizetype key = projectKeyIn(text, name);
    if (key == 0)
        return std::nullopt;
    const QStringView section =
        QStringView(text).mid(key - 1, projectExtent(text, key).limit - key);
    return QCryptographicHash::hash(
        QByteArrayView(reinterpret_cast<const char*>(section.utf16()), section.size() * 2),
        QCryptographicHash::Sha256);
}

std::optional<QString> projectElementIn(const QString& text, qsizetype key, const QString& tag)
{
    if (!isPosition(text, key))
        return std::nullopt;
    const ElementSpan span = elementSpan(text, key, tag);
    if (span.kind != ElementSpan::Kind::Whole)
        return std::nullopt;
    const qsizetype contentStart = span.opening + openingTag(tag).size();
    return text.mid(contentStart - 1, span.closing - contentStart);
}

QString lastProjectIn(const QString& text)
{
    const std::optional<LastSpan> span = lastSpan(text);
    if (!span)
        return {};
    QString name = text.mid(span->start - 1, span->end - span->start);
    if (name.startsWith(crlf))
        name.remove(0, crlf.size());
    if (name.endsWith(crlf))
        name.chop(crlf.size());
    return name;
}

QString menuTextFromStored(const QString& content)
{
    QString menu = content;
    if (menu.startsWith(crlf))
        menu.remove(0, crlf.size());
    if (menu.endsWith(crlf))
        menu.chop(crlf.size());
    return unescapeMenuText(menu);
}

QStringList fileListFromStored(const QString& content)
{
    QStringList entries;
    const QStringList pieces = content.split(crlf);
    for (QString piece : pieces) {
        piece.remove(u'\r');
        piece.remove(u'\n');
        const bool onlySpaces =
            std::all_of(piece.cbegin(), piece.cend(), [](QChar c) { return c == u' '; });
        if (!onlySpaces)
            entries.append(piece);
    }
    return entries;
}

QString emptyProjectText()
{
    return projectDeclarationLine + crlf + rootOpening + crlf + rootClosing;
}

// Only the last "</root>" closes the root: one in a stored path must not receive the project.
bool addProject(QString& text, const QString& name)
{
    const qsizetype root = text.lastIndexOf(rootClosing);
    if (root < 0)
        return false;
    const QString project = projectKeyLine(name) + crlf + openingTag(QStringLiteral("files")) +
                            crlf + closingTag(QStringLiteral("files")) + crlf +
                            openingTag(QStringLiteral("orgstring")) + crlf +
                            closingTag(QStringLiteral("orgstring")) + crlf + projectClosing + crlf;
    text.insert(root, project);
    return true;
}

bool ReplaceElement(QString& text, qsizetype key, const QString& tag, const QString& content)
{
    if (!isPosition(text, key))
        return false;
    const ProjectExtent extent = projectExtent(text, key);
    if (extent.ownEnd == 0)
        return false;
    const ElementSpan span = elementSpan(text, key, tag);
    switch (span.kind) {
    case ElementSpan::Kind::Whole: {
        const qsizetype end = span.closing + closingTag(tag).size();
        text.replace(span.opening - 1, end - span.opening, elementText(tag, content));
        return true;
    }
    case ElementSpan::Kind::Missing:
        text.insert(extent.ownEnd - 1, elementText(tag, content) + crlf);
        return true;
    case ElementSpan::Kind::Broken:
        break;
    }
    return false;
}

bool RemoveElement(QString& text, qsizetype key, const QString& tag)
{
    if (!isPosition(text, key))
        return false;
    const ElementSpan span = elementSpan(text, key, tag);
    switch (span.kind) {
    case ElementSpan::Kind::Whole: {
        qsizetype end = span.closing - 1 + closingTag(tag).size();
        if (QStringView(text).mid(end).startsWith(crlf))
            end += crlf.size();
        text.remove(span.opening - 1, end - (span.opening - 1));
        return true;
    }
    case ElementSpan::Kind::Missing:
        return true;
    case ElementSpan::Kind::Broken:
        break;
    }
    return false;
}

bool linksFromSiteFolderIn(const QString& text, qsizetype key)
{
    const std::optional<QString> content = projectElementIn(text, key, linkBaseTag);
    return content && content->trimmed() == linkBaseSite;
}

bool SaveLinksFromSiteFolder(QString& text, qsizetype key, bool fromSiteFolder)
{
    return fromSiteFolder ? ReplaceElement(text, key, linkBaseTag, linkBaseSite)
                          : RemoveElement(text, key, linkBaseTag);
}

bool SaveFileList(QString& text, qsizetype key, const QStringList& files)
{
    return ReplaceElement(text, key, QStringLiteral("files"), files.join(crlf));
}

bool SaveMenuText(QString& text, qsizetype key, const QString& escapedMenuText)
{
    return ReplaceElement(text, key, QStringLiteral("orgstring"), escapedMenuText);
}

bool SetLastProject(QString& text, const QString& name)
{
    if (frameTag(text, lastOpening) == 0) {
        const qsizetype root = frameTag(text, rootOpening);
        if (root != 0)
            text.insert(root - 1 + rootOpening.size(),
                        crlf + lastOpening + crlf + name + crlf + lastClosing);
        return true;
    }
    // Not closed, or closed only after a project (hand-edited): replacing it would take the
    // project with it.
    const std::optional<LastSpan> span = lastSpan(text);
    if (!span)
        return false;
    text.replace(span->start - 1, span->end - span->start, crlf + name + crlf);
    return true;
}

bool removeProject(QString& text, qsizetype key)
{
    if (!isPosition(text, key))
        return false;
    const ProjectExtent extent = projectExtent(text, key);
    if (extent.ownEnd == 0)
        return false;
    const qsizetype from = key - 1;
    qsizetype to = extent.ownEnd - 1 + projectClosing.size();
    // Only the line break that joined the project to the next line goes with it: other
    // blank lines (a menu text may hold some) stay as they are.
    if (QStringView(text).left(from).endsWith(crlf) && QStringView(text).mid(to).startsWith(crlf))
        to += crlf.size();
    text.remove(from, to - from);
    return true;
}

std::optional<QString> storeProjectIn(QString text, const QString& name,
                                      const std::optional<QStringList>& files,
                                      const std::optional<QString>& escapedMenuText)
{
    if (text.isEmpty())
        text = emptyProjectText();
    if (projectKeyIn(text, name) == 0 && !addProject(text, name))
        return std::nullopt;
    const qsizetype key = projectKeyIn(text, name);
    if (files && !SaveFileList(text, key, *files))
        return std::nullopt;
    if (escapedMenuText && !SaveMenuText(text, key, *escapedMenuText))
        return std::nullopt;
    return text;
}

} // namespace quillet
