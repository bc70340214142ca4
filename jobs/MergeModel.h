#ifndef CLEAVEMARK_JOBS_MERGEMODEL_H
#define CLEAVEMARK_JOBS_MERGEMODEL_H

#include "pdf/DocumentInformation.h"
#include "protocol/JobFiles.h"

#include <QAbstractTableModel>
#include <QList>
#include <QSharedPointer>
#include <QStringList>


// A document of the merge list that a merge left out, and why.
struct LeftOutDocument
{
    enum Reason { Skipped, Unreadable, NoPages };
    QString fileName;
    Reason reason = Skipped;
};

// The ordered list of documents the next merge joins, one row per document,
// shown as a seven-column table. It keeps what the user chose per document
// (order, page ranges, password) and turns the rows into the merge request's
// task list. Every change of the list ends with changed(), except
// removeRows(), which only announces the removal to the views.
class MergeModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        NumberColumn = 0,
        FileNameColumn = 1,
        TotalColumn = 2,
        PagesColumn = 3,
        PasswordColumn = 4,
        PreviewColumn = 5,
        RemoveColumn = 6,
        ColumnCount = 7
    };

    enum Role {
        PathRole = Qt::UserRole + 1,   // 257
        IdRole,                        // 258
        HasPasswordRole,               // 259
        PasswordRole,                  // 260
        HasSecurityRole,               // 261
        RangesRole,                    // 262, a PageRangeList
        PageCountRole,                 // 263
        NeedsPasswordRole,             // 264
        PastEndRole,                   // 265, the index's row is at or past the end
        StateRole                      // 266, a RowState
    };

    // What a row can be merged as.
    enum RowState {
        Ready = 0,           // opens (with its password, when it has one)
        NeedsPassword = 1,   // protected, no password known yet
        Unreadable = 2,      // did not open: no PDF, damaged, gone
        NoPages = 3,         // opened but has no page
        Reading = 4          // its information is being read
    };

    // The payload type of a row drag.
    static QString rowMimeType();        // "application/vnd.text.list"
    // The id updateRanges takes for every row at once (compared without case).
    static QString forAllId();           // "for_all"

    explicit MergeModel(QObject *parent = nullptr);
    ~MergeModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    bool dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                      const QModelIndex &parent) override;
    Qt::DropActions supportedDropActions() const override;
    bool removeRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Only the file name column sorts, case-insensitively.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // Announces files to load (addFiles); the merge page reads them and
    // hands the rows back through appendItems.
    void requestAddFiles(const QStringList &files);
    void appendItems(const MergeItemList &rows);
    // Appends a row for each PDF file among files, in the order given, that
    // shows it is being read until takeRead() brings its information; so
    // the list keeps the order given however long each document takes.
    // Returns the rows appended.
    MergeItemList appendReading(const QStringList &files);
    // What reading told of rows appended by appendReading(), matched by id;
    // rows removed meanwhile are left out.
    void takeRead(const MergeItemList &rows);
    // Some row is still being read.
    bool isReading() const;

    MergeModelItem item(int row) const;   // a new default row when out of range
    void setItem(int row, const MergeModelItem &item);
    void removeAt(int row);
    void clear();
    bool moveUp(int row);
    bool moveDown(int row);

    // Replaces the ranges of the row with this id, or with forAllId() gives
    // every row the ranges that fit its page count.
    // With forAllId(), every row takes the ranges and the reverse choice.
    void updateRanges(const QString &id, const PageRangeList &ranges, bool reversed = false);
    bool isReversed(const QString &id) const;

    // Pages the merge takes; a range counts its pages in either direction.
    int totalPages() const;
    bool canMerge() const;   // at least two rows
    bool isEmpty() const;

    // Asks for every missing password (modal prompts with SKIP and SKIP ALL)
    // and returns the rows that can take part, in list order; leftOut, when
    // given, takes the rows that do not, with the reason.
    MergeItemList resolvePasswords(QList<LeftOutDocument> *leftOut = nullptr);
    // The request's task list: resolvePasswords(), then every row with pages
    // and a known password, numbered by its place among the resolved rows.
    QList<MergeItem> requestItems(QList<LeftOutDocument> *leftOut = nullptr);


    // The Pages column text of a row: "All (n)", "?" or "1-3, 5, 9-12".
    static QString rangesText(const MergeModelItem &row);

    static RowState stateOf(const MergeModelItem &row);
    // The state column's short text of a row that cannot be merged
    // ("Cannot be read", "No pages"), and the whole story for its tooltip.
    static QString stateText(RowState state);
    static QString problemText(const MergeModelItem &row);
    // The rows that cannot be merged however the user answers a prompt.
    MergeItemList unmergeableRows() const;
    void removeIds(const QStringList &ids);

signals:
    void changed();
    void rowMoved(int row);
    void addFiles(QStringList urls);

private:
    bool isValidRow(int row) const;
    QVariant displayData(int rowIndex, int column) const;
    void moveRow(int source, int target);
    void exchangeRows(int row, int other);
    static void applyRangesClipped(MergeModelItem &row, const PageRangeList &ranges);
    bool askPassword(MergeModelItem &row, bool &skipAll);

    QList<MergeModelItem> m_rows;
};

#endif
