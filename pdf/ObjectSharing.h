#pragma once

#include <qpdf/QPDF.hh>

// Storing identical objects once. Documents merged from copies, or from
// files of one producer, carry the same fonts, images and colour profiles
// once per source; a piece of a document assembled that way carries them
// once per page. Every reference to such a copy is pointed at the first one,
// and the writer, which writes only what the document still references,
// leaves the others out.
namespace ObjectSharing {

enum class Scope {
    // Streams whose dictionaries, apart from /Length, and whose stored
    // bytes are the same; this changes nothing a reader can see.
    Streams,
    // Streams, and also fonts, font descriptors, graphics states, encodings,
    // resource dictionaries and arrays that are the same object for object.
    // Never pages, annotations, form fields or outline items: those stand
    // for one thing each, however alike they look.
    StreamsAndResources
};

// The number of objects no longer referenced because an identical one is.
int shareIdenticalObjects(QPDF &pdf, Scope scope);

} // namespace ObjectSharing
