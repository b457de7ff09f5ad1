#include "data.h"
