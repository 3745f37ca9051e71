#include "dorvel/dorvel_32.h"
