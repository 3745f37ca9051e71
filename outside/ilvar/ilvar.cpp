#include "outside/ilvar/ilvar_protocol.h"
