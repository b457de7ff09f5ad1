#include "hand.h"
