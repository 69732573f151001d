// The queue of documents handed over at launch.
#include "vok/util/documents.h"

VOKDataDirectory s_dd = {};
