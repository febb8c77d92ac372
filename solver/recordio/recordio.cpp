#include "recordio/recordio.h"
