#include "radio_group.h"
