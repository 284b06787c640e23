#include "plot.h"
