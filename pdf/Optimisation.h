#pragma once

#include <QtGlobal>

// How far a written document is made smaller than its pages need.
enum class Optimisation {
    None,       // written as compact as its streams allow, nothing recoded
    Lossless,   // streams recompressed at the highest level, identical resources once
    Images      // lossless, and photographs above a resolution limit redrawn at it
};

// What optimising a document did, told to the user.
struct OptimisationReport
{
    qint64 sizeBefore = -1;   // bytes the document takes without optimising; -1 when not optimised
    int imagesChanged = 0;
    int imagesLeft = 0;
};
