#include "merge/MergeView.h"
