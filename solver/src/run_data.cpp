#include "src/run_data.h"
