#pragma once

#include <QString>

// What a summary of a document tells beyond what the service reads for a
// split or a merge: its author, how many form fields it has and whether its
// pages carry labels of their own.
struct DocumentFacts
{
    bool opened = false;     // false: missing, damaged or locked; nothing else is valid
    QString author;          // the document information's /Author, "" when none
    int formFieldCount = 0;  // fields that hold a value, not the groups above them
    bool hasPageLabels = false;
};

// Reads the file on its own, without the engine's table of documents.
DocumentFacts readDocumentFacts(const QString &path, const QString &password = QString());
