#include "protocol/OutputJournal.h"

#include <QDir>
#include <QFileInfo>

#include <utility>
#include <vector>

namespace {

const char fileMark = 'F';
const char folderMark = 'D';
const char sourceMark = 'S';

} // namespace

OutputJournal::OutputJournal(const QString &sessionFolder, const QString &sessionId)
{
    if (sessionFolder.isEmpty() || sessionId.isEmpty())
        return;
    m_file.setFileName(pathFor(sessionFolder, sessionId));
    m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered);
}

OutputJournal::~OutputJournal()
{
    if (m_file.isOpen())
        m_file.remove();
}

QString OutputJournal::pathFor(const QString &sessionFolder, const QString &sessionId)
{
    return QDir::toNativeSeparators(QStringLiteral("%1/%2.written").arg(sessionFolder, sessionId));
}

void OutputJournal::noteSource(const QString &path)
{
    note(sourceMark, path);
}

void OutputJournal::noteFile(const QString &path)
{
    note(fileMark, path);
}

void OutputJournal::noteFolder(const QString &path)
{
    note(folderMark, path);
}

// Unbuffered, one write a line: what was noted is on disk when the worker is killed.
void OutputJournal::note(char kind, const QString &path)
{
    if (!m_file.isOpen())
        return;
    m_file.write(QByteArray(1, kind) + ' ' + path.toUtf8() + '\n');
}

namespace {

// The entries of a journal, in the order they were noted: (mark, path).
std::vector<std::pair<char, QString>> entriesOf(const QString &journalPath)
{
    std::vector<std::pair<char, QString>> entries;
    QFile journal(journalPath);
    if (!journal.open(QIODevice::ReadOnly))
        return entries;
    for (const QByteArray &line : journal.readAll().split('\n')) {
        if (line.size() >= 3 && line.at(1) == ' ')
            entries.emplace_back(line.at(0), QString::fromUtf8(line.mid(2)));
    }
    return entries;
}

} // namespace

int OutputJournal::undo(const QString &journalPath)
{
    int removed = 0;
    QStringList folders;
    for (const auto &[mark, path] : entriesOf(journalPath)) {
        if (mark == folderMark)
            folders.prepend(path);
        else if (mark == fileMark && QFileInfo(path).isFile() && QFile::remove(path))
            ++removed;
    }
    // Only a folder the job made and that holds nothing else goes.
    for (const QString &folder : qAsConst(folders))
        QDir().rmdir(folder);
    return removed;
}

OutputJournal::Contents OutputJournal::read(const QString &journalPath)
{
    Contents contents;
    for (const auto &[mark, path] : entriesOf(journalPath)) {
        if (mark == sourceMark)
            contents.source = path;
        else if (mark == fileMark && QFileInfo(path).isFile())
            contents.files.append(path);
    }
    return contents;
}
