#include "merge/MergeView.h"
#include "app/MainView.h"
