#include "fuzzcheck.h"

#include "engine/pagefile.h"
#include "engine/pagewriter.h"
#include "engine/unhighlight.h"
#include "filelist/filelistorder.h"
#include "project/projectstore.h"
#include "project/projecttext.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// The project store: an arbitrary "mprj.xml", then reads, saves and deletions in an order the
// input chooses. A save or deletion must never change another project, a refused one must
// leave the file alone, and the file must always hold the text the store works on.

using namespace quillet;
using quillet::fuzz::consumeText;
using quillet::fuzz::require;

namespace {

const QString crlf = QStringLiteral("\r\n");

// Replaying a finding with QUILLET_FUZZ_TRACE set prints every step and the text after it.
// Names and paths may hold NUL and line breaks, so the step is escaped like the text.
void trace(const QString& step, const QString& text)
{
    static const bool enabled = qEnvironmentVariableIsSet("QUILLET_FUZZ_TRACE");
    const auto escaped = [](const QString& s) {
        return s.toUtf8().toPercentEncoding(" <>/\"=!?&;[]|:()");
    };
    if (enabled)
        std::fprintf(stderr, "--- %s\n%s\n", escaped(step).constData(), escaped(text).constData());
}

void trace(const QString& step, const ProjectStore& store)
{
    trace(step, store.text());
}

// Answers the store's questions from the input.
class AnsweringDialogs
{
public:
    explicit AnsweringDialogs(FuzzedDataProvider& data) : m_data(data) {}
    OverwriteAnswer answer()
    {
        return m_data.ConsumeBool() ? OverwriteAnswer::Yes : OverwriteAnswer::No;
    }

private:
    FuzzedDataProvider& m_data;
};

// Every save syncs the file to disk; in memory that costs nothing and the fuzzer stays fast.
QString memoryFolder()
{
    return QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm")
                                                     : QDir::tempPath();
}

// One folder for the whole fuzzing session; each input starts it afresh.
struct Workspace
{
    QTemporaryDir dir{memoryFolder() + QStringLiteral("/quillet-fuzz-XXXXXX")};
    QString projectFile = dir.filePath(QStringLiteral("mprj.xml"));
    QStringList pages{dir.filePath(QStringLiteral("p1.html")),
                      dir.filePath(QStringLiteral("P2.html")),
                      dir.filePath(QStringLiteral("missing.html"))};

    // A path of any characters that still stays inside the folder: the save rewrites pages,
    // and no folder "f-..." exists to lead out of it, so "/" and ".." may stand in the name.
    QString strayPath(const QString& name) const
    {
        return dir.filePath(QStringLiteral("f-") + QString(name).remove(QChar()));
    }

    void writePages() const
    {
        for (const QString& page : pages.mid(0, 2)) {
            const QString name = page.mid(page.lastIndexOf(u'/') + 1);
            writePage(page, QStringLiteral("<a href=\"") + name + QStringLiteral("\">me</a>"),
                      PageFormat{});
        }
    }
};

Workspace& workspace()
{
    static Workspace space;
    return space;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

template <typename T> T pick(FuzzedDataProvider& data, const QList<T>& choices)
{
    return choices[data.ConsumeIntegralInRange<qsizetype>(0, choices.size() - 1)];
}

// The tags of the file's frame and of a project, as a name or a path may hold them.
const QStringList tagsInText{
    QStringLiteral("<root>"),       QStringLiteral("</root>"),
    QStringLiteral("<lastfile>"),   QStringLiteral("</lastfile>"),
    QStringLiteral("<files>"),      QStringLiteral("</files>"),
    QStringLiteral("<orgstring>"),  QStringLiteral("</orgstring>"),
    QStringLiteral("<projectname"), QStringLiteral("</projectname>"),
};

// Text with a tag in it now and then, wherever the fuzzer puts it.
QString consumeTaggedText(FuzzedDataProvider& data, size_t maxLength)
{
    QString text = consumeText(data, maxLength);
    if (data.ConsumeBool())
        text.insert(data.ConsumeIntegralInRange<qsizetype>(0, text.size()), pick(data, tagsInText));
    return text;
}

QString consumeName(FuzzedDataProvider& data)
{
    static const QStringList names{
        QStringLiteral("A"),    QStringLiteral("AB"),  QString(),
        QStringLiteral("A\"B"), QStringLiteral(" A "), QStringLiteral("サイト"),
    };
    return data.ConsumeBool() ? pick(data, names) : consumeTaggedText(data, 12);
}

// Pieces a hand-edited project file is made of, so that inputs reach every rule quickly.
QString consumeProjectText(FuzzedDataProvider& data)
{
    static const QStringList pieces{
        QStringLiteral("<?xml version=\"1.0\" encoding=\"Shift_JIS\" ?>"),
        QStringLiteral("<root>"),
        QStringLiteral("</root>"),
        QStringLiteral("<lastfile>"),
        QStringLiteral("</lastfile>"),
        QStringLiteral("<projectname name=\"A\">"),
        QStringLiteral("<projectname name=\"AB\">"),
        QStringLiteral("<projectname name=\"\">"),
        QStringLiteral("<projectname"),
        QStringLiteral("</projectname>"),
        QStringLiteral("<files>"),
        QStringLiteral("</files>"),
        QStringLiteral("<orgstring>"),
        QStringLiteral("</orgstring>"),
        QStringLiteral("/site/p1.html"),
        QStringLiteral("&lt;a href=\"p1.html\"&gt;me&lt;/a&gt;"),
        QStringLiteral("\""),
        crlf,
    };
    QString text;
    const int count = data.ConsumeIntegralInRange<int>(0, 48);
    for (int i = 0; i < count; ++i) {
        text += data.ConsumeBool() ? pick(data, pieces) : consumeText(data, 16);
        if (data.ConsumeBool())
            text += crlf;
    }
    return text;
}

void writeProjectFile(FuzzedDataProvider& data, const QString& path)
{
    QFile::remove(path);
    switch (data.ConsumeIntegralInRange<int>(0, 3)) {
    case 0:
        return; // no project file yet
    case 1: {
        const std::string bytes = data.ConsumeRandomLengthString(4000);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes.data(), qsizetype(bytes.size()));
        return;
    }
    default: {
        const QString text = consumeProjectText(data);
        const PageFormat format{data.ConsumeBool() ? PageEncoding::ShiftJis : PageEncoding::Utf8,
                                data.ConsumeBool()};
        if (!writePage(path, text, format).ok)
            writePage(path, text, PageFormat{PageEncoding::Utf8, false});
    }
    }
}

// What a reader sees of one project.
struct StoredProject
{
    QString name;
    QStringList files;
    std::optional<QString> menuText;

    friend bool operator==(const StoredProject&, const StoredProject&) = default;
};

StoredProject storedProject(const ProjectStore& store, const QString& name)
{
    // A copy reads, so that checking loads no project into the store under test.
    ProjectStore reader = store;
    return {name, reader.LoadFileList(name).files, store.LoadMenuText(name)};
}

// Whether the project has its own "</projectname>": its section then ends right before it.
bool hasOwnProjectEnd(const QString& text, const QString& name)
{
    const std::optional<QString> section = projectSectionIn(text, name);
    return section && QStringView(text)
                          .mid(projectKeyIn(text, name) - 1 + section->size())
                          .startsWith(u"</projectname>");
}

// Every whole project but the one named. A project without its own "</projectname>" reaches
// to the next key line, so what belongs to it moves with its neighbours.
QList<StoredProject> otherProjects(const ProjectStore& store, const QString& name)
{
    QList<StoredProject> others;
    for (const QString& other : store.GetProjectNames()) {
        if (other != name && hasOwnProjectEnd(store.text(), other))
            others.append(storedProject(store, other));
    }
    return others;
}

void checkOthersKept(const ProjectStore& store, const QList<StoredProject>& before)
{
    for (const StoredProject& project : before) {
        require(store.FindProjectKey(project.name) != 0, "no other project is lost");
        require(storedProject(store, project.name) == project, "no other project is changed");
    }
}

void checkFileHoldsText(const ProjectStore& store)
{
    const PageRead read = readPage(store.filePath());
    if (read.page.text != store.text())
        trace(QStringLiteral("the file reads back as (ok %1, LF %2)")
                  .arg(read.ok)
                  .arg(read.page.format.lfLineEnds),
              read.page.text);
    require(read.ok && read.page.text == store.text(), "the file holds the project text");
}

// The project text is markup read by plain search, without escapes for names and paths: a
// name ends at a double quote, a path at a line break, and a path holding a tag of a project
// cannot be told from that tag. Such saves are run for crashes and hangs only.
bool fitsTheFormat(const SaveRequest& request)
{
    const auto oneLine = [](const QString& text) {
        return !text.contains(u'\r') && !text.contains(u'\n');
    };
    const auto fileFits = [&](const QString& file) {
        static const QStringList projectTags{
            QStringLiteral("<projectname"), QStringLiteral("</projectname>"),
            QStringLiteral("<files>"),      QStringLiteral("</files>"),
            QStringLiteral("<orgstring>"),  QStringLiteral("</orgstring>"),
        };
        return oneLine(file) &&
               std::none_of(projectTags.begin(), projectTags.end(),
                            [&](const QString& tag) { return file.contains(tag); });
    };
    return oneLine(request.name) && !request.name.contains(u'"') &&
           std::all_of(request.files.begin(), request.files.end(), fileFits);
}

// The frame stands where the writers put it: the first "<root>" and "<lastfile>" before the
// first project, the last "</root>" after the last one. The same tags inside projects (in a
// stored name or path) are fine; a hand-edited file that lacks its frame tags and has them only
// inside a project can have another project changed by a save.
bool framedAsWritten(const QString& text)
{
    const qsizetype firstProject = text.indexOf(QStringLiteral("<projectname"));
    if (firstProject < 0)
        return true;
    const qsizetype lastProject = text.lastIndexOf(QStringLiteral("projectname"));
    const qsizetype rootEnd = text.lastIndexOf(QStringLiteral("</root>"));
    return text.indexOf(QStringLiteral("<root>")) < firstProject &&
           text.indexOf(QStringLiteral("<lastfile>")) < firstProject &&
           (rootEnd < 0 || rootEnd > lastProject);
}

// The saved project reads back as saved (the request fits the format).
void checkSavedProject(const ProjectStore& store, const SaveRequest& request)
{
    require(store.FindProjectKey(request.name) != 0, "a saved project is found");
    const bool blankEntry =
        std::any_of(request.files.begin(), request.files.end(), [](const QString& file) {
            return std::all_of(file.begin(), file.end(), [](QChar c) { return c == u' '; });
        });
    if (!blankEntry)
        require(ProjectStore(store).LoadFileList(request.name).files == sortFileList(request.files),
                "the saved file list reads back");
    // The stored form cannot tell "&lt;" typed in the menu from an escaped "<".
    const PreparedMenuText menu = PrepareMenuText(request.menuText);
    const bool storable = !menu.cleaned.contains(QStringLiteral("&lt;")) &&
                          !menu.cleaned.contains(QStringLiteral("&gt;"));
    if (!menu.escaped.isEmpty() && storable)
        require(store.LoadMenuText(request.name) == menu.cleaned, "the saved menu reads back");
}

// Menus as typed or highlighted, with lone line breaks now and then (from a menu file with
// mixed line ends, or left at an end when a highlight is cleaned away).
QString consumeMenuText(FuzzedDataProvider& data)
{
    static const QStringList pieces{
        QStringLiteral("<a href=\"p1.html\">me</a>"),
        QStringLiteral("<!--<a href=\"P2.html\">--><span style=\"color:red\">me</span><!--</a>-->"),
        QStringLiteral("<!--"),
        QStringLiteral("-->"),
        QStringLiteral("\r"),
        QStringLiteral("\n"),
        crlf,
    };
    if (data.ConsumeBool())
        return consumeText(data, 200);
    QString menu;
    const int count = data.ConsumeIntegralInRange<int>(1, 8);
    for (int i = 0; i < count; ++i)
        menu += data.ConsumeBool() ? pick(data, pieces) : consumeText(data, 8);
    return menu;
}

void save(ProjectStore& store, FuzzedDataProvider& data, AnsweringDialogs& dialogs)
{
    SaveRequest request;
    request.name = consumeName(data);
    const Workspace& space = workspace();
    const int files = data.ConsumeIntegralInRange<int>(0, 3);
    for (int i = 0; i < files; ++i)
        request.files.append(data.ConsumeBool() ? pick(data, space.pages)
                                                : space.strayPath(consumeTaggedText(data, 24)));
    request.files = sortFileList(request.files);
    request.menuText = consumeMenuText(data);
    request.isConverting = data.ConsumeBool();

    const QByteArray before = fileBytes(store.filePath());
    const QList<StoredProject> others = otherProjects(store, request.name);
    const bool framed = framedAsWritten(store.text());
    JournalledPages pages(space.dir.filePath(QStringLiteral("journal")),
                          {QStringLiteral("save"), store.filePath(), request.name});
    SaveOutcome outcome = store.SaveProject(request, pages);
    if (outcome.result == SaveOutcome::Result::NeedsAnswer) {
        request.overwrite = dialogs.answer();
        outcome = store.SaveProject(request, pages);
    }
    trace(QStringLiteral("save [%1] files [%2] menu [%3]: %4")
              .arg(request.name, request.files.join(u'|'), request.menuText)
              .arg(int(outcome.result)),
          store);
    if (outcome.result != SaveOutcome::Result::Saved) {
        require(fileBytes(store.filePath()) == before, "a save that did not happen writes nothing");
        return;
    }
    checkFileHoldsText(store);
    if (!framed || !fitsTheFormat(request))
        return;
    checkOthersKept(store, others);
    checkSavedProject(store, request);
}

void remove(ProjectStore& store, FuzzedDataProvider& data)
{
    const QString name = consumeName(data);
    const QByteArray before = fileBytes(store.filePath());
    const QList<StoredProject> others = otherProjects(store, name);
    const DeleteOutcome outcome = store.DeleteProject(name);
    trace(QStringLiteral("delete [%1]: %2").arg(name).arg(int(outcome.result)), store);
    if (outcome.result != DeleteOutcome::Result::Deleted) {
        require(fileBytes(store.filePath()) == before, "a refused deletion writes nothing");
        return;
    }
    checkFileHoldsText(store);
    checkOthersKept(store, others);
}

void read(ProjectStore& store, FuzzedDataProvider& data)
{
    if (data.ConsumeBool()) {
        store.LoadProjectList();
        trace(QStringLiteral("reload"), store);
        return;
    }
    const QString name = consumeName(data);
    const FileListLoad files = store.LoadFileList(name);
    require(sortFileList(files.files) == files.files, "a loaded file list is sorted");
    store.LoadMenuText(name);
    store.GetLastProject();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Odd paths make QFile warn; the checks, not the warnings, tell what went wrong.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const Workspace& space = workspace();
    space.writePages();
    writeProjectFile(data, space.projectFile);

    ProjectStore store(space.projectFile);
    AnsweringDialogs dialogs(data);
    store.LoadProjectList();
    trace(QStringLiteral("load"), store);
    for (int step = 0; step < 8 && data.remaining_bytes() > 0; ++step) {
        switch (data.ConsumeIntegralInRange<int>(0, 2)) {
        case 0:
            read(store, data);
            break;
        case 1:
            save(store, data, dialogs);
            break;
        default:
            remove(store, data);
            break;
        }
    }
    return 0;
}
