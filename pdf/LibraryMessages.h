#ifndef CLEAVEMARK_PDF_LIBRARYMESSAGES_H
#define CLEAVEMARK_PDF_LIBRARYMESSAGES_H

// qpdf reports damaged files on stderr by default; its messages belong in
// the debug log instead.
namespace LibraryMessages {

// Sends qpdf's information, warnings and errors to the log, once per process.
void routeToLog();

} // namespace LibraryMessages

#endif
