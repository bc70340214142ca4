#pragma once

#include <QDataStream>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>

// What finding cuts asks the renderer about each page, and what it answers.
// The renderer only reports; where the cuts go is decided from the answers.

// How dark and how large a mark must be before a page is not blank.
struct BlankOptions
{
    double speckMm = 1.0;   // marks smaller than this, both ways, are dust or noise
    int darkness = 64;      // grey levels (of 255) below the paper that make a pixel part of a mark
};

struct PageFactsQuery
{
    bool blank = false;     // is the page blank?
    BlankOptions blankOptions;
    bool text = false;      // the page's text layer: whether it has one, its first line
    QString phrase;         // with text: whole words, any case; empty: none looked for
    bool codes = false;     // barcodes and QR codes on the page
};

struct PageFacts
{
    // False when the page could not be read within the renderer's limits;
    // such a page is then not blank and has no text and no code.
    bool read = true;
    bool blank = false;
    bool hasText = false;
    bool phraseFound = false;
    QString firstLine;
    QStringList codes;

    static PageFacts unreadable()
    {
        PageFacts facts;
        facts.read = false;
        return facts;
    }
};

using PageFactsList = QList<PageFacts>;

Q_DECLARE_METATYPE(PageFacts)

inline QDataStream &operator<<(QDataStream &stream, const PageFactsQuery &query)
{
    return stream << query.blank << query.blankOptions.speckMm << qint32(query.blankOptions.darkness) << query.text
                  << query.phrase << query.codes;
}

inline QDataStream &operator>>(QDataStream &stream, PageFactsQuery &query)
{
    qint32 darkness = 0;
    stream >> query.blank >> query.blankOptions.speckMm >> darkness >> query.text >> query.phrase >> query.codes;
    query.blankOptions.darkness = darkness;
    return stream;
}

inline QDataStream &operator<<(QDataStream &stream, const PageFacts &facts)
{
    return stream << facts.read << facts.blank << facts.hasText << facts.phraseFound << facts.firstLine
                  << facts.codes;
}

inline QDataStream &operator>>(QDataStream &stream, PageFacts &facts)
{
    return stream >> facts.read >> facts.blank >> facts.hasText >> facts.phraseFound >> facts.firstLine
                  >> facts.codes;
}
