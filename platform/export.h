#pragma once

// Everything of the platform library is hidden unless marked with this.
#define VELMAR_PLATFORM_API __attribute__((visibility("default")))
