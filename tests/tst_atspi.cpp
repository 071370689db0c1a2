// SPDX-License-Identifier: GPL-3.0-or-later
// The program as a screen reader reads it, through the real AT-SPI bridge: the test starts the
// accessibility bus on a private session bus, runs Tintora beside it and reads the names and
// roles of its window from the registry, the way an assistive technology does, over D-Bus.
#include "atspisession.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDeadlineTimer>
#include <QProcess>
#include <QTest>

namespace {

// The roles of AT-SPI (atspi-constants.h) that the main window shows.
enum AtSpiRole : uint {
    RoleFrame = 23,
    RoleMenuBar = 34,
    RoleMenuItem = 35,
    RolePushButton = 43,
    RoleRadioButton = 44,
    RoleScrollBar = 48,
    RoleText = 61,
    RoleComboBox = 11,
    RoleApplication = 75,
};

const QString kRegistry = QStringLiteral("org.a11y.atspi.Registry");
const QString kRootPath = QStringLiteral("/org/a11y/atspi/accessible/root");
const QString kAccessible = QStringLiteral("org.a11y.atspi.Accessible");
constexpr int kCallMilliseconds = 5000;
constexpr int kAppearMilliseconds = 30000;

struct Node
{
    QString service;
    QString path;
};

struct Found
{
    QString name;
    uint role = 0;
};

} // namespace

class tst_AtSpi : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();

    void mainWindowReadsAsDesigned();

private:
    QDBusMessage call(const Node &node, const QString &interface, const QString &method,
                      const QVariantList &arguments = {}) const;
    QList<Node> children(const Node &node) const;
    QString name(const Node &node) const;
    uint role(const Node &node) const;
    // Everything below node, by name and role, as deep as a window goes.
    void collect(const Node &node, int depth, QList<Found> &found) const;

    AtSpiSession m_session;
    QProcess m_program;
};

void tst_AtSpi::initTestCase()
{
    const QString why = m_session.start();
    if (!why.isEmpty())
        QSKIP(qPrintable(QStringLiteral("The AT-SPI bridge cannot start: %1").arg(why)));
}

void tst_AtSpi::cleanupTestCase()
{
    if (m_program.state() != QProcess::NotRunning) {
        m_program.terminate();
        if (!m_program.waitForFinished(5000)) {
            m_program.kill();
            m_program.waitForFinished(5000);
        }
    }
}

QDBusMessage tst_AtSpi::call(const Node &node, const QString &interface, const QString &method,
                             const QVariantList &arguments) const
{
    QDBusMessage message =
            QDBusMessage::createMethodCall(node.service, node.path, interface, method);
    message.setArguments(arguments);
    return m_session.bus().call(message, QDBus::Block, kCallMilliseconds);
}

QList<Node> tst_AtSpi::children(const Node &node) const
{
    const QDBusMessage reply = call(node, kAccessible, QStringLiteral("GetChildren"));
    QList<Node> nodes;
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return nodes;
    const auto array = reply.arguments().constFirst().value<QDBusArgument>();
    array.beginArray();
    while (!array.atEnd()) {
        Node child;
        QDBusObjectPath path;
        array.beginStructure();
        array >> child.service >> path;
        array.endStructure();
        child.path = path.path();
        nodes << child;
    }
    array.endArray();
    return nodes;
}

QString tst_AtSpi::name(const Node &node) const
{
    const QDBusMessage reply = call(node, QStringLiteral("org.freedesktop.DBus.Properties"),
                                    QStringLiteral("Get"), {kAccessible, QStringLiteral("Name")});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    return reply.arguments().constFirst().value<QDBusVariant>().variant().toString();
}

uint tst_AtSpi::role(const Node &node) const
{
    const QDBusMessage reply = call(node, kAccessible, QStringLiteral("GetRole"));
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return 0;
    return reply.arguments().constFirst().toUInt();
}

void tst_AtSpi::collect(const Node &node, int depth, QList<Found> &found) const
{
    if (depth > 12 || found.size() > 2000)
        return;
    for (const Node &child : children(node)) {
        found << Found {name(child), role(child)};
        collect(child, depth + 1, found);
    }
}

void tst_AtSpi::mainWindowReadsAsDesigned()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // As a desktop with a screen reader running would have it.
    environment.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
    m_program.setProcessEnvironment(environment);
    m_program.setProcessChannelMode(QProcess::MergedChannels);
    m_program.start(QStringLiteral(TINTORA_PROGRAM), {});
    QVERIFY2(m_program.waitForStarted(10000), qPrintable(m_program.errorString()));

    // The program's application object joins the registry's children once it is up.
    const Node root {kRegistry, kRootPath};
    Node window;
    QDeadlineTimer deadline(kAppearMilliseconds);
    while (window.path.isEmpty() && !deadline.hasExpired()) {
        for (const Node &application : children(root)) {
            if (name(application) != QLatin1String("tintora"))
                continue;
            QCOMPARE(role(application), uint(RoleApplication));
            for (const Node &child : children(application)) {
                if (role(child) == RoleFrame)
                    window = child;
            }
        }
        if (window.path.isEmpty()) {
            QVERIFY2(m_program.state() == QProcess::Running,
                     qPrintable(QStringLiteral("Tintora ended before it showed: %1")
                                        .arg(QString::fromLocal8Bit(m_program.readAll()))));
            QTest::qWait(200);
        }
    }
    QVERIFY2(!window.path.isEmpty(), "Tintora's window never reached the accessibility registry");
    // The window is read by its title.
    QVERIFY(name(window).startsWith(QLatin1String("TRA")));

    QList<Found> found;
    collect(window, 0, found);
    const auto has = [&found](const QString &name, uint role) {
        for (const Found &item : found) {
            if (item.name == name && item.role == role)
                return true;
        }
        return false;
    };
    QStringList seen;
    for (const Found &item : found)
        seen << QStringLiteral("%1 (%2)").arg(item.name).arg(item.role);
    const QByteArray all = seen.join(QStringLiteral(", ")).toUtf8();

    const struct
    {
        const char *name;
        uint role;
    } expected[] = {
            {"Red", RoleText},
            {"Green", RoleText},
            {"Blue", RoleText},
            {"Red", RoleScrollBar},
            {"Green", RoleScrollBar},
            {"Blue", RoleScrollBar},
            {"Hex value", RoleText},
            {"Sample area", RolePushButton},
            {"Set The Color", RolePushButton},
            {"Background", RoleRadioButton},
            {"Text Sample 1", RoleRadioButton},
            {"Text Sample 2", RoleRadioButton},
            {"Custom color name", RoleComboBox},
            {"Custom color name", RoleText},
            {"Menu", RoleMenuBar},
            {"Delete From List", RoleMenuItem},
            {"View Full List", RoleMenuItem},
            {"Contrast Checker", RoleMenuItem},
            {"File", RoleMenuItem},
            {"Options", RoleMenuItem},
    };
    for (const auto &item : expected)
        QVERIFY2(has(QLatin1String(item.name), item.role),
                 qPrintable(QStringLiteral("no %1 of role %2 among: %3")
                                    .arg(QLatin1String(item.name))
                                    .arg(item.role)
                                    .arg(QString::fromUtf8(all))));
    // Every item of every menu, the Copy As notations included, is read by a name.
    for (const Found &item : found) {
        if (item.role == RoleMenuItem || item.role == RolePushButton || item.role == RoleRadioButton
            || item.role == RoleScrollBar)
            QVERIFY2(!item.name.isEmpty(), all.constData());
    }
}

QTEST_GUILESS_MAIN(tst_AtSpi)
#include "tst_atspi.moc"
