#include "common/testfiles.h"
#include "sitefixture.h"
#include "window/singleinstance.h"
#include "windowdriver.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <future>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace sitefixture;
using namespace Qt::StringLiterals;

// One window: a later start hands its pages to the window already open.
class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void aSecondStartHandsOverItsPages();
    void aSocketNobodyAnswersIsTakenOver();
};

namespace {

// The later start runs beside the window's event loop, as another process would.
std::future<bool> handOverLater(const QString& serverName, const QStringList& paths)
{
    return std::async(std::launch::async, [serverName, paths] {
        return quillet::SingleInstance::handOver(serverName, paths);
    });
}

// What a killed program leaves: the socket's file, with nobody listening.
bool leaveDeadSocket(const QString& path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    qstrncpy(address.sun_path, name.constData(), sizeof address.sun_path);
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return bound && QFileInfo::exists(path);
}

} // namespace

void TestSingleInstance::aSecondStartHandsOverItsPages()
{
    QTemporaryDir dir;
    const QString page = QDir::toNativeSeparators(dir.filePath(u"b.html"_s));
    writeText(page, pageText(u"b"_s, siteMenu()));
    const QString serverName = dir.filePath(u"window"_s);

    WindowDriver driver(dir.filePath(u"mprj.xml"_s));
    quillet::SingleInstance first(serverName);
    QVERIFY(first.listen());
    QVERIFY(!quillet::SingleInstance(serverName).listen());
    connect(&first, &quillet::SingleInstance::pagesHandedOver, &driver.window(),
            [&driver](const QStringList& paths) {
                driver.window().comeToFront();
                driver.window().offerPages(paths);
            });
    driver.dialogs.answers.enqueue(true);

    QDir::setCurrent(dir.path()); // the later start names its page relative to its folder
    std::future<bool> handed = handOverLater(serverName, {u"b.html"_s});
    QTRY_COMPARE(driver.fileListEntries(), QStringList{page});
    QVERIFY(handed.get());
    QCOMPARE(driver.dialogs.questions.size(), 1);
    QCOMPARE(driver.chooser()->currentText(), page);
}

void TestSingleInstance::aSocketNobodyAnswersIsTakenOver()
{
    QTemporaryDir dir;
    const QString serverName = dir.filePath(u"window"_s);
    QVERIFY(leaveDeadSocket(serverName));

    quillet::SingleInstance instance(serverName);
    QVERIFY(instance.listen());
    QSignalSpy handedOver(&instance, &quillet::SingleInstance::pagesHandedOver);
    std::future<bool> handed = handOverLater(serverName, {u"/site/a.html"_s});
    QTRY_COMPARE(handedOver.size(), 1);
    QVERIFY(handed.get());
    QCOMPARE(handedOver.first().first().toStringList(), QStringList{u"/site/a.html"_s});
}

QTEST_MAIN(TestSingleInstance)
#include "test_singleinstance.moc"
