#include "run.h"

#include <gtest/gtest.h>
