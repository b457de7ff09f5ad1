#include "raster.h"
