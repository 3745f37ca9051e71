#include "platform/port_io.h"
