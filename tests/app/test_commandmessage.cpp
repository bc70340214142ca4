#include "tests/support/TestGroup.h"
#include "common/FileUtils.h"
#include "instance/CommandMessage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestCommandMessage : public QObject
{
    Q_OBJECT

private slots:
    void buildJoinsArgumentsAndAnchorsListFile();
    void listFileIsReadThenDeleted();
    void splitWinsOverMerge();
    void messagesWithoutListFlagDeleteNothing();
    void unreadableOrEmptyListDoesNothing();

private:
    QString writeList(const QString &name, const QByteArray &content);
    QTemporaryDir m_dir;
};

QString TestCommandMessage::writeList(const QString &name, const QByteArray &content)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(content);
    return path;
}

void TestCommandMessage::buildJoinsArgumentsAndAnchorsListFile()
{
    QCOMPARE(CommandMessage::build({"sheafdesk"}), QString());
    QCOMPARE(CommandMessage::build({"sheafdesk", "a.pdf", "b c.pdf"}), QString("a.pdf|b c.pdf"));
    QCOMPARE(CommandMessage::build({"sheafdesk", "-merge_add", "/tmp/list.txt"}),
             QString("-merge_add|/tmp/list.txt"));
    // The running instance may sit in another folder than the one we started in.
    QCOMPARE(CommandMessage::build({"sheafdesk", "-split_add", "list.txt"}),
             QString("-split_add|") + QDir::current().absoluteFilePath("list.txt"));
}

void TestCommandMessage::listFileIsReadThenDeleted()
{
    const QString list = writeList("merge.txt", "/data/één.pdf\n\n/data/two.pdf\n/data/three.pdf\n");
    const CommandMessage message = CommandMessage::parse("-merge_add|" + list, isPdfFile);
    QCOMPARE(message.action, CommandMessage::MergeAdd);
    QCOMPARE(message.files,
             QStringList({"/data/één.pdf", "", "/data/two.pdf", "/data/three.pdf"}));
    QVERIFY(!QFile::exists(list));

    // The same text again: the list is gone, nothing is left to do.
    QCOMPARE(CommandMessage::parse("-merge_add|" + list, isPdfFile).action, CommandMessage::None);
}

void TestCommandMessage::splitWinsOverMerge()
{
    const QString list = writeList("both.txt", "/x/one.pdf\n/x/two.pdf");
    const CommandMessage message = CommandMessage::parse("-split_add|" + list + "|-merge_add", isPdfFile);
    QCOMPARE(message.action, CommandMessage::SplitAdd);
    QCOMPARE(message.files, QStringList({"/x/one.pdf", "/x/two.pdf"}));

    const QString other = writeList("other.txt", "/x/three.pdf\n");
    QCOMPARE(CommandMessage::parse("-merge_add|" + other + "|-split_add", isPdfFile).action,
             CommandMessage::SplitAdd);
}

void TestCommandMessage::messagesWithoutListFlagDeleteNothing()
{
    // "sheafdesk a.pdf b.pdf" must not take b.pdf for a list file.
    const QString first = writeList("a.pdf", "%PDF-1.4 first");
    const QString second = writeList("b.pdf", "%PDF-1.4 second");
    // They are documents to open ("Open with"); anything else among them is dropped.
    const CommandMessage open = CommandMessage::parse(first + "|" + second, isPdfFile);
    QCOMPARE(open.action, CommandMessage::OpenFiles);
    QCOMPARE(open.files, QStringList({first, second}));
    const QString notPdf = writeList("notes.txt", "a.pdf");
    const CommandMessage mixed = CommandMessage::parse("-unknown|" + notPdf + "||" + second
                                                       + "|" + m_dir.filePath("gone.pdf"), isPdfFile);
    QCOMPARE(mixed.action, CommandMessage::OpenFiles);
    QCOMPARE(mixed.files, QStringList({second}));
    QCOMPARE(CommandMessage::parse("-unknown|" + notPdf, isPdfFile).action, CommandMessage::None);
    QVERIFY(QFile::exists(first));
    QVERIFY(QFile::exists(second));
    QVERIFY(QFile::exists(notPdf));

    // Started in the documents' folder, the running instance still finds them.
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir.path()));
    const QString message = CommandMessage::build({"sheafdesk", "a.pdf", "missing.pdf"});
    QDir::setCurrent(previous);
    QCOMPARE(message, first + "|missing.pdf");
}

void TestCommandMessage::unreadableOrEmptyListDoesNothing()
{
    QCOMPARE(CommandMessage::parse(QString(), isPdfFile).action, CommandMessage::None);
    QCOMPARE(CommandMessage::parse("-merge_add", isPdfFile).action, CommandMessage::None);
    QCOMPARE(CommandMessage::parse("-merge_add|" + m_dir.filePath("missing.txt"), isPdfFile).action,
             CommandMessage::None);
    const QString empty = writeList("empty.txt", "");
    QCOMPARE(CommandMessage::parse("-split_add|" + empty, isPdfFile).action, CommandMessage::None);
    QVERIFY(!QFile::exists(empty));
}

CM_TEST_GUILESS_MAIN(TestCommandMessage)
#include "test_commandmessage.moc"
