#include "gamefile.h"
