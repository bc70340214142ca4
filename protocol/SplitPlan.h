#ifndef CLEAVEMARK_PROTOCOL_SPLITPLAN_H
#define CLEAVEMARK_PROTOCOL_SPLITPLAN_H

#include "pdf/PageRange.h"

#include <QString>

// What a split request holds for each way of splitting, and what the
// outputs carry unless the user says otherwise. The window and the command
// line build their requests from here, so that the same choices give the
// same files.
namespace SplitPlan {

// The file-name template of split outputs: "[BASENAME]_p[PAGE]".
QString defaultTemplate();
// Pieces cut at bookmarks are named after them: "[BOOKMARK]".
QString bookmarkTemplate();

// One range per page.
PageRangeList singlePages(int pageCount);
// Groups of size pages from startPage on; a start below 1 starts at page 1,
// a size below 2 gives single pages.
PageRangeList groupRanges(int pageCount, int startPage, int size);

// Creator and producer of every output: "Tessaly Cleavemark".
QString defaultProducer();
// The author of new outputs: the user's setting "meta_author", else the producer.
QString defaultAuthor();

} // namespace SplitPlan

#endif
