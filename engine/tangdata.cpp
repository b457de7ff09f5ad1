#include "tangdata.h"
